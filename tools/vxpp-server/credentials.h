// Checking the passwords a USERLOGIN carries against an account.
#pragma once

#include <string>

#include "tools/vxpp-server/handshake_keys.h"
#include "tools/vxpp-server/user_store.h"
#include "tools/vxpp-server/vxpp_request.h"

namespace vxpp_server {

// Whether `sent` (the deciphered password of the login) and the login's
// "DualPwdContent" carry the account's password and dual password, each
// followed by the digits of a live handshake key of `user` when the login
// says it has one; that key is then used up.  The passwords are compared
// in a time that depends only on what was sent, so that the time of an
// answer does not tell how much of a guess was right.
bool CredentialsMatch(const VxppRequest& request, const std::string& sent, const std::string& user,
                      const UserAccount& account, HandshakeKeys& keys);

}  // namespace vxpp_server
