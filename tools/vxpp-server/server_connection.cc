#include "tools/vxpp-server/server_connection.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

namespace vxpp_server {

ServerConnection::ServerConnection(int fd, std::string address, uint16_t port)
    : m_fd(fd), m_address(std::move(address)), m_peer(m_address + ":" + std::to_string(port)) {
  // A client that stops reading must not hold a writer for ever.
  timeval limit{kReadWaitMs / 1000, 0};
  ::setsockopt(m_fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
}

ServerConnection::~ServerConnection() { ::close(m_fd); }

bool ServerConnection::PeerHungUp() const {
  pollfd entry{m_fd, POLLRDHUP, 0};
  return ::poll(&entry, 1, 0) == 1 && (entry.revents & (POLLRDHUP | POLLHUP | POLLERR)) != 0;
}

void ServerConnection::Shutdown() { ::shutdown(m_fd, SHUT_RDWR); }

bool ServerConnection::Fill(int waitMs) {
  pollfd entry{m_fd, POLLIN, 0};
  int ready;
  do ready = ::poll(&entry, 1, waitMs);
  while (ready < 0 && errno == EINTR);
  if (ready <= 0) return false;
  char chunk[4096];
  ssize_t got;
  do got = ::recv(m_fd, chunk, sizeof chunk, 0);
  while (got < 0 && errno == EINTR);
  if (got <= 0) return false;
  m_buffer.append(chunk, static_cast<size_t>(got));
  return true;
}

bool ServerConnection::ReadHeaderBlock(std::string* block, int idleWaitMs, std::chrono::milliseconds within) {
  using namespace std::chrono;
  const auto deadline = steady_clock::now() + within;
  if (m_buffer.empty() && !Fill(std::min<int>(idleWaitMs, static_cast<int>(within.count())))) return false;
  // Each search starts where the last one stopped (less a terminator's
  // length), so a block that trickles in is not scanned again and again.
  size_t searched = 0;
  for (;;) {
    const size_t end = m_buffer.find("\r\n\r\n", searched);
    if (end != std::string::npos && end + 4 <= kMaxHeaderBytes) {
      block->assign(m_buffer, 0, end + 4);
      m_buffer.erase(0, end + 4);
      return true;
    }
    if (m_buffer.size() >= kMaxHeaderBytes) return false;
    searched = m_buffer.size() < 3 ? 0 : m_buffer.size() - 3;
    const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
    if (left <= 0 || !Fill(static_cast<int>(std::min<int64_t>(left, kReadWaitMs)))) return false;
  }
}

bool ServerConnection::ReadExact(size_t length, std::string* bytes) {
  while (m_buffer.size() < length)
    if (!Fill(kReadWaitMs)) return false;
  bytes->assign(m_buffer, 0, length);
  m_buffer.erase(0, length);
  return true;
}

bool ServerConnection::WriteAll(std::string_view bytes) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = ::send(m_fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    sent += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace vxpp_server
