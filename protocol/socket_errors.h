// Socket error numbers in the Windows numbering that the client reports
// (last error of a socket, integers thrown by the send and receive loops).
#pragma once

namespace vxpp {

constexpr int kWsaEintr = 10004;
constexpr int kWsaEbadf = 10009;
constexpr int kWsaEacces = 10013;
constexpr int kWsaEinval = 10022;
constexpr int kWsaEmfile = 10024;
constexpr int kWsaEwouldblock = 10035;
constexpr int kWsaEinprogress = 10036;
constexpr int kWsaEnotsock = 10038;
constexpr int kWsaEafnosupport = 10047;
constexpr int kWsaEaddrinuse = 10048;
constexpr int kWsaEaddrnotavail = 10049;
constexpr int kWsaEnetdown = 10050;
constexpr int kWsaEnetunreach = 10051;
constexpr int kWsaEconnaborted = 10053;
constexpr int kWsaEconnreset = 10054;
constexpr int kWsaEnobufs = 10055;
constexpr int kWsaEnotconn = 10057;
constexpr int kWsaEshutdown = 10058;
constexpr int kWsaEtimedout = 10060;
constexpr int kWsaEconnrefused = 10061;
constexpr int kWsaEhostdown = 10064;
constexpr int kWsaEhostunreach = 10065;
constexpr int kWsaHostNotFound = 11001;

// The Windows number of a POSIX errno value; an errno without a counterpart
// is reported as itself.
int WsaErrorFromErrno(int error);

}  // namespace vxpp
