// ScriptedSocketApi: an in-memory SocketApi whose peers answer from a
// script, on a virtual clock.  Each connection takes the next scripted peer;
// the peer records what the client sent and hands out its answer in
// segments, each readable after a delay, in pieces of random size.  Waits
// that time out advance the clock by their time-out, so a 60-second stall
// costs no real time.  A raised abort signal fails a wait at once (10004).
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "protocol/socket_api.h"

class ScriptedSocketApi : public vxpp::SocketApi {
 public:
  enum class End { kClose, kStall, kReset };

  struct Peer {
    int connectError = 0;      // what Connect returns
    int sendError = 0;         // when not 0, every send fails with it
    std::vector<std::pair<uint64_t, std::string>> segments;  // (delay ms, bytes)
    End end = End::kClose;
    std::string received;      // what the client sent
    uint16_t port = 0;         // where the client connected

    Peer& Then(std::string bytes, uint64_t delayMs = 0) {
      segments.emplace_back(delayMs, std::move(bytes));
      return *this;
    }
  };

  explicit ScriptedSocketApi(unsigned seed = 1) : m_random(seed) {}

  // The peer of the next connection not yet scripted.
  Peer& AddPeer();
  Peer& AddAnswer(std::string bytes) { return AddPeer().Then(std::move(bytes)); }
  // Peers in the order of their connections.
  Peer& PeerAt(size_t index) { return m_peers.at(index); }
  size_t Connections() const { return m_nextPeer; }

  // Each receive hands out between 1 and this many bytes (default 1).
  void SetMaxPiece(size_t bytes) { m_maxPiece = bytes; }
  uint64_t ElapsedMs() const { return m_elapsedMs; }
  // Receives that took bytes off a socket (peeks not counted).
  size_t Receives() const { return m_receives; }
  const std::vector<uint32_t>& Waits() const { return m_waits; }
  size_t OpenSockets() const { return m_sockets.size(); }
  const std::vector<std::string>& ResolvedHosts() const { return m_hosts; }

  int ResolveIPv4(const std::string& host, uint32_t* address) override;
  int Open(vxpp::SocketHandle* socket) override;
  int Connect(vxpp::SocketHandle socket, uint32_t address, uint16_t port, uint32_t timeoutMs,
              const vxpp::AbortSignal* abort) override;
  int WaitReadable(vxpp::SocketHandle socket, uint32_t timeoutMs, const vxpp::AbortSignal* abort,
                   int* error) override;
  long Send(vxpp::SocketHandle socket, const void* bytes, size_t length, const vxpp::AbortSignal* abort,
            int* error) override;
  long Recv(vxpp::SocketHandle socket, void* buffer, size_t length, bool peek, int* error) override;
  void Close(vxpp::SocketHandle socket) override;
  uint64_t NowMs() override { return m_elapsedMs; }

 private:
  struct Connection {
    Peer* peer = nullptr;
    size_t nextSegment = 0;
    std::string readable;
  };

  std::deque<Peer> m_peers;
  size_t m_nextPeer = 0;
  std::map<vxpp::SocketHandle, Connection> m_sockets;
  vxpp::SocketHandle m_nextHandle = 100;
  std::mt19937 m_random;
  size_t m_maxPiece = 1;
  uint64_t m_elapsedMs = 0;
  size_t m_receives = 0;
  std::vector<uint32_t> m_waits;
  std::vector<std::string> m_hosts;
};
