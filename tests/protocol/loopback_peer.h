// LoopbackPeer: a real TCP peer on 127.0.0.1 (port 0) for the few faults
// that only real sockets show.  It accepts one connection on a thread and
// runs a script on it; the destructor joins the thread and closes
// everything.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

class LoopbackPeer {
 public:
  explicit LoopbackPeer(int backlog = 4) {
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(m_listener, backlog);
    socklen_t size = sizeof address;
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size);
    m_port = ntohs(address.sin_port);
  }
  ~LoopbackPeer() {
    if (m_thread.joinable()) m_thread.join();
    for (int fd : m_queued) ::close(fd);
    ::close(m_listener);
  }

  uint16_t Port() const { return m_port; }
  std::string Url() const { return "vxpp://127.0.0.1:" + std::to_string(m_port) + "/"; }
  int Listener() const { return m_listener; }

  // Accepts one connection and runs `script` on it, then closes it.
  void Serve(std::function<void(int fd)> script) {
    m_thread = std::thread([this, script] {
      const int fd = ::accept(m_listener, nullptr, nullptr);
      if (fd < 0) return;
      script(fd);
      ::close(fd);
    });
  }

  // For a peer that never accepts: connects sockets until the accept queue
  // is full and a connect stalls (the kernel then drops new attempts, so
  // every later connect stalls as well).  False if none stalled.
  bool FillAcceptQueue() {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(m_port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    for (int i = 0; i < 16; ++i) {
      const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
      m_queued.push_back(fd);
      ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
      pollfd entry{fd, POLLOUT, 0};
      if (::poll(&entry, 1, 300) == 0) return true;
    }
    return false;
  }

  // Reads up to the end of a header block.
  static std::string ReadHeaders(int fd) {
    std::string text;
    char c;
    while (text.find("\r\n\r\n") == std::string::npos && ::recv(fd, &c, 1, 0) == 1) text += c;
    return text;
  }
  static void Write(int fd, const std::string& text) { ::send(fd, text.data(), text.size(), MSG_NOSIGNAL); }

 private:
  int m_listener = -1;
  uint16_t m_port = 0;
  std::thread m_thread;
  std::vector<int> m_queued;
};
