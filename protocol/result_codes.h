// Results of the protocol client's commands.
#pragma once

namespace vxpp {

// Query and settings commands.
constexpr int kResultSuccess = 1;
constexpr int kResultFailure = -1;      // no connection, status missing or not 200, transport failure
constexpr int kResultServerError = -2;  // status 200 with a non-empty "Error:" header

// The login family (GETLOGINHANDSHAKINGKEY, USERLOGIN); any other value is
// the server's own status code.
constexpr int kLoginSuccess = 0;
constexpr int kLoginNoConnection = 600;  // no connection, empty host, no status line, transport failure
constexpr int kLoginUserNotValid = 601;  // "User-Valid:" was not 1

// QUERYFUNCTIONS.
constexpr int kFunctionsSuccess = 0;
constexpr int kFunctionsTransportFailure = 1;
constexpr int kFunctionsNoConnection = 2;
constexpr int kFunctionsStatusNotOk = 3;

// Server kinds, as the login and GETSERVERINFO set them.
constexpr int kServerKindUnknown = -1;
constexpr int kServerKindVantor = 0;
constexpr int kServerKindRavlo = 1;
constexpr int kServerKindOther = 2;  // another type, for a user with a non-zero privilege mask

}  // namespace vxpp
