// POSIX sockets behind SocketApi: getaddrinfo (IPv4), a non-blocking connect
// waited for with poll, MSG_NOSIGNAL on every send so that a peer that went
// away gives an error instead of killing the host.  Every wait polls the
// abort signal's descriptor beside the socket.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>

#include "protocol/abort_signal.h"
#include "protocol/socket_api.h"
#include "protocol/socket_errors.h"

namespace vxpp {

int WsaErrorFromErrno(int error) {
  switch (error) {
    case EINTR: return kWsaEintr;
    case EBADF: return kWsaEbadf;
    case EACCES: return kWsaEacces;
    case EINVAL: return kWsaEinval;
    case EMFILE: case ENFILE: return kWsaEmfile;
    case EAGAIN: return kWsaEwouldblock;
    case EINPROGRESS: return kWsaEinprogress;
    case ENOTSOCK: return kWsaEnotsock;
    case EAFNOSUPPORT: return kWsaEafnosupport;
    case EADDRINUSE: return kWsaEaddrinuse;
    case EADDRNOTAVAIL: return kWsaEaddrnotavail;
    case ENETDOWN: return kWsaEnetdown;
    case ENETUNREACH: return kWsaEnetunreach;
    case ECONNABORTED: return kWsaEconnaborted;
    // Writing to a peer that has gone is a reset on Windows too.
    case ECONNRESET: case EPIPE: return kWsaEconnreset;
    case ENOBUFS: case ENOMEM: return kWsaEnobufs;
    case ENOTCONN: return kWsaEnotconn;
    case ESHUTDOWN: return kWsaEshutdown;
    case ETIMEDOUT: return kWsaEtimedout;
    case ECONNREFUSED: return kWsaEconnrefused;
    case EHOSTDOWN: return kWsaEhostdown;
    case EHOSTUNREACH: return kWsaEhostunreach;
    default: return error;
  }
}

namespace {

// A wait without a time-out.
constexpr int kForever = -1;

int PollTimeout(uint32_t timeoutMs) {
  return timeoutMs > static_cast<uint32_t>(INT_MAX) ? INT_MAX : static_cast<int>(timeoutMs);
}

// poll() for `events` on `fd` and for the abort signal's wake-up, resumed
// after signals with the time that is left.  1 ready, 0 timed out, -1 with
// *error (10004 when the abort was raised).
int PollFor(int fd, short events, int waitMs, const AbortSignal* abort, int* error) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
  int wait = waitMs;
  for (;;) {
    if (abort != nullptr && abort->Raised()) {
      *error = kWsaEintr;
      return -1;
    }
    pollfd entries[2] = {{fd, events, 0}, {abort != nullptr ? abort->WakeHandle() : -1, POLLIN, 0}};
    // A signal with a tick waits in slices and runs the tick between them.
    const bool ticking = abort != nullptr && abort->Tick() && (wait == kForever || wait > AbortSignal::kTickMs);
    const int n = ::poll(entries, 2, ticking ? AbortSignal::kTickMs : wait);
    if (n > 0 && entries[1].revents == 0) return 1;
    if (n > 0) continue;  // the abort: reported at the top
    if (n == 0 && !ticking) return 0;
    if (n == 0) abort->Tick()();
    if (n < 0 && errno != EINTR) {
      *error = WsaErrorFromErrno(errno);
      return -1;
    }
    if (wait == kForever) continue;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    wait = left.count() > 0 ? PollTimeout(static_cast<uint32_t>(left.count())) : 0;
  }
}

class PosixSocketApi final : public SocketApi {
 public:
  int ResolveIPv4(const std::string& host, uint32_t* address) override {
    if (host.empty()) return kWsaHostNotFound;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr)
      return kWsaHostNotFound;
    *address = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    ::freeaddrinfo(found);
    return 0;
  }

  int Open(SocketHandle* socket) override {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
    if (fd < 0) return WsaErrorFromErrno(errno);
    *socket = fd;
    return 0;
  }

  int Connect(SocketHandle socket, uint32_t address, uint16_t port, uint32_t timeoutMs,
              const AbortSignal* abort) override {
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port);
    peer.sin_addr.s_addr = address;
    // Even the connect without a time-out is made non-blocking and waited
    // for, so that an abort can end it.
    const int flags = ::fcntl(socket, F_GETFL);
    if (flags < 0 || ::fcntl(socket, F_SETFL, flags | O_NONBLOCK) < 0) return WsaErrorFromErrno(errno);
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
      if (errno != EINPROGRESS && errno != EINTR) return WsaErrorFromErrno(errno);
      int error = 0;
      const int ready = PollFor(socket, POLLOUT, timeoutMs == 0 ? kForever : PollTimeout(timeoutMs), abort, &error);
      if (ready < 0) return error;
      if (ready == 0) return kWsaEtimedout;
      // Writable also means "the connect failed": the reason is in SO_ERROR.
      int soError = 0;
      socklen_t size = sizeof soError;
      if (::getsockopt(socket, SOL_SOCKET, SO_ERROR, &soError, &size) != 0) return WsaErrorFromErrno(errno);
      if (soError != 0) return WsaErrorFromErrno(soError);
    }
    if (::fcntl(socket, F_SETFL, flags) < 0) return WsaErrorFromErrno(errno);
    return 0;
  }

  int WaitReadable(SocketHandle socket, uint32_t timeoutMs, const AbortSignal* abort, int* error) override {
    return PollFor(socket, POLLIN, PollTimeout(timeoutMs), abort, error);
  }

  long Send(SocketHandle socket, const void* bytes, size_t length, const AbortSignal* abort, int* error) override {
    for (;;) {
      const ssize_t n = ::send(socket, bytes, length, MSG_NOSIGNAL | MSG_DONTWAIT);
      if (n >= 0) return static_cast<long>(n);
      if (errno == EINTR) continue;
      if (errno == EAGAIN || errno == EWOULDBLOCK) {
        if (PollFor(socket, POLLOUT, kForever, abort, error) < 0) return -1;
        continue;
      }
      *error = WsaErrorFromErrno(errno);
      return -1;
    }
  }

  long Recv(SocketHandle socket, void* buffer, size_t length, bool peek, int* error) override {
    return Receive(socket, buffer, length, peek ? MSG_PEEK : 0, error);
  }

  long RecvQueued(SocketHandle socket, void* buffer, size_t length, bool peek, int* error) override {
    return Receive(socket, buffer, length, MSG_DONTWAIT | (peek ? MSG_PEEK : 0), error);
  }

  void Close(SocketHandle socket) override { ::close(socket); }

 private:
  // recv with `flags`; kNothingQueued when a receive that does not wait
  // finds nothing.
  static long Receive(SocketHandle socket, void* buffer, size_t length, int flags, int* error) {
    for (;;) {
      const ssize_t n = ::recv(socket, buffer, length, flags);
      if (n >= 0) return static_cast<long>(n);
      if (errno == EINTR) continue;
      if ((flags & MSG_DONTWAIT) != 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return kNothingQueued;
      *error = WsaErrorFromErrno(errno);
      return -1;
    }
  }
};

}  // namespace

SocketApi* SocketApi::Default() {
  static PosixSocketApi api;
  return &api;
}

long SocketApi::RecvQueued(SocketHandle, void*, size_t, bool, int*) { return kNothingQueued; }

uint64_t SocketApi::NowMs() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

int SocketApi::LocalHostName(std::string* name) {
  char buffer[256] = {};
  if (::gethostname(buffer, sizeof buffer - 1) != 0) return WsaErrorFromErrno(errno);
  *name = buffer;
  return 0;
}

}  // namespace vxpp
