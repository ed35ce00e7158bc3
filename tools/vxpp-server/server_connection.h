// ServerConnection: one client connection of the server, read through a
// buffer with bounds: a header block may not exceed kMaxHeaderBytes nor take
// longer than its time (kHeaderDeadline unless told), and each wait for
// bytes is limited.  Used by one thread; the server may Shutdown() it from
// another to end a stop.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vxpp_server {

// What the commands of one connection keep between its requests (a
// playback's position); destroyed with the connection.
class ConnectionState {
 public:
  virtual ~ConnectionState() = default;
};

class ServerConnection {
 public:
  static constexpr size_t kMaxHeaderBytes = 64 * 1024;
  static constexpr std::chrono::seconds kHeaderDeadline{30};
  static constexpr int kReadWaitMs = 10000;

  // Takes ownership of the connected socket `fd` of the client at
  // `address` (dotted IPv4) and `port`.
  ServerConnection(int fd, std::string address, uint16_t port);
  ~ServerConnection();
  ServerConnection(const ServerConnection&) = delete;
  ServerConnection& operator=(const ServerConnection&) = delete;

  // "address:port", for log lines.
  const std::string& Peer() const { return m_peer; }
  const std::string& Address() const { return m_address; }

  // The next header block with its terminator.  False when the peer closed,
  // stalled, broke a bound or failed.  `idleWaitMs` limits the wait for its
  // first byte, `within` the time for the whole block.
  bool ReadHeaderBlock(std::string* block, int idleWaitMs,
                       std::chrono::milliseconds within = kHeaderDeadline);
  // Exactly `length` bytes (after what the header block left in the buffer).
  bool ReadExact(size_t length, std::string* bytes);
  bool WriteAll(std::string_view bytes);
  // Ends every blocked read or write on the connection.
  void Shutdown();
  // The connection's state; null until a command sets it.
  std::unique_ptr<ConnectionState>& State() { return m_state; }
  // Whether the client has closed its side (or the connection broke): the
  // worker will end as soon as it notices.
  bool PeerHungUp() const;

 private:
  // Appends what arrives within `waitMs`; false on close, time-out or error.
  bool Fill(int waitMs);

  int m_fd;
  std::string m_address;
  std::string m_peer;
  std::string m_buffer;
  std::unique_ptr<ConnectionState> m_state;
};

}  // namespace vxpp_server
