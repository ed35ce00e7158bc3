// The cameras of an installation as its registry file lists them: the
// sub-keys of SOFTWARE\<vendor key>\Vantor\Video whose names begin with
// "Ch" or "IP", in the file's order, each with its "Name" and "DeviceID".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vxpp_server {

struct RegistryCamera {
  std::string name;  // in the system code page; empty when missing
  uint32_t id = 0;   // "DeviceID"; 0 when missing
};

// Reads "registry.reg" of `installFolder` (the vendor key from its
// "vx_config.ini"); no file or no key gives no cameras.
std::vector<RegistryCamera> ReadRegistryCameras(const std::string& installFolder);

}  // namespace vxpp_server
