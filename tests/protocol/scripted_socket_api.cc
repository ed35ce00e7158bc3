#include "protocol/scripted_socket_api.h"

#include <algorithm>
#include <cstring>

#include "protocol/abort_signal.h"
#include "protocol/socket_errors.h"

ScriptedSocketApi::Peer& ScriptedSocketApi::AddPeer() { return m_peers.emplace_back(); }

int ScriptedSocketApi::ResolveIPv4(const std::string& host, uint32_t* address) {
  m_hosts.push_back(host);
  if (host == "unknown.invalid") return vxpp::kWsaHostNotFound;
  *address = 0x0100007F;
  return 0;
}

int ScriptedSocketApi::Open(vxpp::SocketHandle* socket) {
  *socket = m_nextHandle++;
  m_sockets[*socket] = Connection{};
  return 0;
}

int ScriptedSocketApi::Connect(vxpp::SocketHandle socket, uint32_t, uint16_t port, uint32_t timeoutMs,
                               const vxpp::AbortSignal*) {
  // An unscripted connection is refused, as by a host without a server.
  if (m_nextPeer >= m_peers.size()) return vxpp::kWsaEconnrefused;
  Peer& peer = m_peers[m_nextPeer++];
  peer.port = port;
  if (peer.connectError == vxpp::kWsaEtimedout) m_elapsedMs += timeoutMs;
  if (peer.connectError != 0) return peer.connectError;
  m_sockets[socket].peer = &peer;
  return 0;
}

int ScriptedSocketApi::WaitReadable(vxpp::SocketHandle socket, uint32_t timeoutMs, const vxpp::AbortSignal* abort,
                                    int* error) {
  m_waits.push_back(timeoutMs);
  if (abort != nullptr && abort->Raised()) {
    *error = vxpp::kWsaEintr;
    return -1;
  }
  auto found = m_sockets.find(socket);
  if (found == m_sockets.end() || found->second.peer == nullptr) {
    *error = vxpp::kWsaEnotsock;
    return -1;
  }
  Connection& c = found->second;
  if (!c.readable.empty()) return 1;
  auto& segments = c.peer->segments;
  if (c.nextSegment < segments.size()) {
    auto& [delay, bytes] = segments[c.nextSegment];
    if (delay > timeoutMs) {
      delay -= timeoutMs;
      m_elapsedMs += timeoutMs;
      return 0;
    }
    m_elapsedMs += delay;
    delay = 0;
    c.readable += bytes;
    ++c.nextSegment;
    return 1;
  }
  if (c.peer->end == End::kStall) {
    m_elapsedMs += timeoutMs;
    return 0;
  }
  return 1;  // the close or reset is readable
}

long ScriptedSocketApi::Send(vxpp::SocketHandle socket, const void* bytes, size_t length, const vxpp::AbortSignal*,
                             int* error) {
  Peer* peer = m_sockets.at(socket).peer;
  if (peer->sendError != 0) {
    *error = peer->sendError;
    return -1;
  }
  peer->received.append(static_cast<const char*>(bytes), length);
  return static_cast<long>(length);
}

long ScriptedSocketApi::Recv(vxpp::SocketHandle socket, void* buffer, size_t length, bool peek, int* error) {
  Connection& c = m_sockets.at(socket);
  // Segments without delay are there at once.
  auto& segments = c.peer->segments;
  while (c.nextSegment < segments.size() && segments[c.nextSegment].first == 0)
    c.readable += segments[c.nextSegment++].second;
  if (c.readable.empty()) {
    if (c.nextSegment < segments.size() || c.peer->end == End::kStall) {
      *error = vxpp::kWsaEwouldblock;
      return -1;
    }
    if (c.peer->end == End::kReset) {
      *error = vxpp::kWsaEconnreset;
      return -1;
    }
    return 0;
  }
  const size_t piece = std::uniform_int_distribution<size_t>(1, std::max<size_t>(1, m_maxPiece))(m_random);
  const size_t n = std::min({length, piece, c.readable.size()});
  std::memcpy(buffer, c.readable.data(), n);
  if (!peek) {
    c.readable.erase(0, n);
    ++m_receives;
  }
  return static_cast<long>(n);
}

void ScriptedSocketApi::Close(vxpp::SocketHandle socket) { m_sockets.erase(socket); }
