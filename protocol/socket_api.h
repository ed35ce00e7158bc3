// SocketApi: the few TCP operations the protocol client needs, behind one
// interface so that the client can be driven by scripted in-memory peers as
// well as by real sockets.  SocketApi::Default() is the POSIX implementation;
// it is shared by the whole process and safe to use from any thread (each
// socket handle belongs to one thread at a time).
//
// Every error is returned in the Windows numbering (socket_errors.h).  The
// calls that can block take the abort signal of the client that owns the
// socket (null for none): a raised signal ends them with 10004, the number
// Windows gives a blocking call that was cancelled.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vxpp {

class AbortSignal;

using SocketHandle = int;
constexpr SocketHandle kInvalidSocket = -1;  // all bits set

class SocketApi {
 public:
  virtual ~SocketApi() = default;

  static SocketApi* Default();

  // The first IPv4 address of `host` (network byte order).  0 or an error.
  virtual int ResolveIPv4(const std::string& host, uint32_t* address) = 0;
  // A new TCP socket.  0 or an error.
  virtual int Open(SocketHandle* socket) = 0;
  // Connects `socket` to address:port.  A time-out of 0 is a blocking
  // connect; otherwise the connect gives up with 10060 after `timeoutMs`.
  // 0 or an error; the caller closes the socket after a failure.
  virtual int Connect(SocketHandle socket, uint32_t address, uint16_t port, uint32_t timeoutMs,
                      const AbortSignal* abort) = 0;
  // 1 when data (or the peer's close) can be read within `timeoutMs`, 0 on a
  // time-out, -1 on an error stored in *error.
  virtual int WaitReadable(SocketHandle socket, uint32_t timeoutMs, const AbortSignal* abort, int* error) = 0;
  // Bytes sent (>= 0), or -1 with *error set; waits without a time-out for
  // room to send.  Never raises SIGPIPE.
  virtual long Send(SocketHandle socket, const void* bytes, size_t length, const AbortSignal* abort,
                    int* error) = 0;
  // Bytes received (0 when the peer closed), or -1 with *error set.  With
  // `peek` the bytes stay queued for the next receive.  Called once a wait
  // has found data, so it does not block.
  virtual long Recv(SocketHandle socket, void* buffer, size_t length, bool peek, int* error) = 0;
  // As Recv, without a wait before it: kNothingQueued when no byte (and no
  // close) is there yet.  Saves the wait's system call while an answer
  // streams in; an implementation that cannot tell answers kNothingQueued.
  static constexpr long kNothingQueued = -2;
  virtual long RecvQueued(SocketHandle socket, void* buffer, size_t length, bool peek, int* error);
  virtual void Close(SocketHandle socket) = 0;
  // Milliseconds of a steady clock, the one the client's deadlines run on.
  virtual uint64_t NowMs();
  // This machine's host name (gethostname into a 256-byte buffer).  0 or an error.
  virtual int LocalHostName(std::string* name);
};

}  // namespace vxpp
