// RawConnection: a TCP connection to a server on 127.0.0.1, for what our
// client never sends.  It may come from another loopback address
// ("127.0.0.2"), so that a test can play a second host.  Receives wait at
// most 5 s.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>

class RawConnection {
 public:
  explicit RawConnection(uint16_t port, const char* from = nullptr) {
    m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (from) {
      sockaddr_in source{};
      source.sin_family = AF_INET;
      ::inet_pton(AF_INET, from, &source.sin_addr);
      ::bind(m_fd, reinterpret_cast<sockaddr*>(&source), sizeof source);
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    timeval limit{5, 0};
    ::setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
  }
  ~RawConnection() { ::close(m_fd); }
  RawConnection(const RawConnection&) = delete;
  RawConnection& operator=(const RawConnection&) = delete;

  int Fd() const { return m_fd; }
  bool Write(const std::string& text) {
    return ::send(m_fd, text.data(), text.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(text.size());
  }
  // Sends and ends the sending side, so the server sees the end of the requests.
  void Send(const std::string& text) {
    Write(text);
    ::shutdown(m_fd, SHUT_WR);
  }
  // Everything until the server closes (or 5 s pass).
  std::string ReadToEnd() {
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = ::recv(m_fd, buffer, sizeof buffer, 0)) > 0) text.append(buffer, static_cast<size_t>(n));
    return text;
  }

 private:
  int m_fd;
};
