// The files vxpp-server reads in an installation (CRLF lines):
// - "vxpp-users.ini": the site's users; "admin" (password "admin") may do
//   everything, "operator" (password "operator") less, "chief" must also give
//   the dual password "second", "guard01" (password "guard01") may only watch;
// - "vxpp-server.ini": the server's identity and its camera list;
// - "vxpp-pos.ini": the settings of the registers, one section each, with
//   the cameras each is tied to.
#pragma once

#include <string>

#include "tools/logview-demo/demo_world.h"

std::string VxppUsersIni(const DemoWorld& world);
std::string VxppServerIni(const DemoWorld& world);
std::string VxppPosIni(const DemoWorld& world);
