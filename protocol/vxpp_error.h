// VxppError: why an exchange with the server stopped half-way.  Thrown by
// the socket layer and by the readers of an answer, caught by the exchange
// of the command (protocol/vxpp_exchange.h), which turns every kind into the
// command's failure result; it never leaves a command.
#pragma once

#include <cstdint>
#include <string>

namespace vxpp {

struct VxppError {
  enum Kind {
    kSocket,     // a send or receive failed, or the peer closed (10054)
    kTimeout,    // no byte came within the wait
    kMalformed,  // the answer cannot be read on (a negative length, for one)
    kAborted,    // the client's Abort ended the wait
    kTooLarge,   // a length or count beyond the client's limit (client_limits.h)
    kStalled,    // the server delivered too little for too long
    kDeadline,   // the command ran past its ceiling
  };
  Kind kind;
  // kSocket: the error in the Windows numbering (0 for a send that moved no
  // byte); 0 for the other kinds.
  int code = 0;
  // kTooLarge: what was too large, the server's value and the limit;
  // kStalled, kDeadline: the limit in milliseconds in `limit`.
  const char* what = nullptr;
  uint64_t seen = 0;
  uint64_t limit = 0;
};

// Throws kTooLarge naming `what` when `value` is above `limit`.
void CheckLimit(uint64_t value, uint64_t limit, const char* what);

// For the debug output: "Log-Count: 4194305 (limit 4194304)", "socket
// error 10054" ...
std::string DescribeError(const VxppError& error);

}  // namespace vxpp
