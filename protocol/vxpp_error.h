// VxppError: why an exchange with the server stopped half-way.  Thrown by
// the socket layer and by the readers of an answer, caught by the exchange
// of the command (protocol/vxpp_exchange.h), which turns every kind into the
// command's failure result; it never leaves a command.
#pragma once

namespace vxpp {

struct VxppError {
  enum Kind {
    kSocket,     // a send or receive failed, or the peer closed (10054)
    kTimeout,    // no byte came within the wait
    kMalformed,  // the answer cannot be read on (a negative length, for one)
    kAborted,    // the client's Abort ended the wait
  };
  Kind kind;
  // kSocket: the error in the Windows numbering (0 for a send that moved no
  // byte); 0 for the other kinds.
  int code = 0;
};

}  // namespace vxpp
