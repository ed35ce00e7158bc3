#include "tools/vxpp-server/vxpp_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "tools/vxpp-server/log_text.h"

namespace vxpp_server {

struct VxppServer::Worker {
  std::unique_ptr<ServerConnection> connection;
  std::thread thread;
  std::atomic<bool> done{false};
};

VxppServer::VxppServer(ServerOptions options, ServerContext& context, const CommandTable& table)
    : m_options(std::move(options)), m_context(context), m_table(table) {}

VxppServer::~VxppServer() {
  Stop();
  ReapWorkers(true);
  if (m_listener >= 0) ::close(m_listener);
  for (int fd : m_wake)
    if (fd >= 0) ::close(fd);
}

bool VxppServer::Start(std::string* error) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(m_options.port);
  if (::inet_pton(AF_INET, m_options.bindAddress.c_str(), &address.sin_addr) != 1) {
    *error = "not an IPv4 address: " + m_options.bindAddress;
    return false;
  }
  if (::pipe2(m_wake, O_CLOEXEC) != 0) {
    *error = std::strerror(errno);
    return false;
  }
  m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  const int yes = 1;
  ::setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  socklen_t size = sizeof address;
  if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(m_listener, SOMAXCONN) != 0 ||
      ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    *error = "cannot listen on " + m_options.bindAddress + ":" + std::to_string(m_options.port) + ": " +
             std::strerror(errno);
    return false;
  }
  m_port = ntohs(address.sin_port);
  return true;
}

void VxppServer::Stop() {
  if (m_stopping.exchange(true)) return;
  if (m_wake[1] >= 0) {
    const char byte = 1;
    (void)!::write(m_wake[1], &byte, 1);
  }
}

void VxppServer::Log(const std::string& line) {
  if (m_options.log) {
    m_options.log(line);
    return;
  }
  std::fprintf(stderr, "%s\n", line.c_str());
}

void VxppServer::ReapWorkers(bool all) {
  std::list<std::unique_ptr<Worker>> finished;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto it = m_workers.begin(); it != m_workers.end();) {
      if (all) (*it)->connection->Shutdown();
      if (all || (*it)->done) {
        finished.push_back(std::move(*it));
        it = m_workers.erase(it);
      } else {
        ++it;
      }
    }
  }
  for (auto& worker : finished) worker->thread.join();
}

const char* VxppServer::RefusalFor(const std::string& address) const {
  if (m_workers.size() >= m_options.maxConnections) return "too many connections";
  // A client that closed a connection and at once opens the next must not be
  // turned away because the old one's worker has not noticed yet.
  size_t fromAddress = 0;
  for (const auto& worker : m_workers)
    fromAddress += worker->connection->Address() == address && !worker->done && !worker->connection->PeerHungUp();
  return fromAddress >= m_options.maxConnectionsPerAddress ? "too many connections from its address" : nullptr;
}

void VxppServer::Admit(int fd, const sockaddr_in& peer) {
  char text[INET_ADDRSTRLEN] = "?";
  ::inet_ntop(AF_INET, &peer.sin_addr, text, sizeof text);
  auto worker = std::make_unique<Worker>();
  worker->connection = std::make_unique<ServerConnection>(fd, text, ntohs(peer.sin_port));
  std::lock_guard<std::mutex> lock(m_mutex);
  if (const char* why = RefusalFor(text)) {
    Log(worker->connection->Peer() + " refused: " + why);
    return;  // the connection closes with the worker
  }
  Worker* raw = worker.get();
  raw->thread = std::thread([this, raw] {
    Serve(*raw->connection);
    // The client learns at once that the connection is over; the socket
    // itself is closed when the worker is reaped.
    raw->connection->Shutdown();
    raw->done = true;
  });
  m_workers.push_back(std::move(worker));
}

void VxppServer::Run() {
  while (!m_stopping) {
    pollfd entries[2] = {{m_listener, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
    const int ready = ::poll(entries, 2, 1000);
    ReapWorkers(false);
    if (ready <= 0 || (entries[1].revents & POLLIN) != 0) continue;
    // Every waiting connection is taken at once, so that a burst of them
    // (refused or not) does not fill the queue and turn others away.
    for (;;) {
      sockaddr_in peer{};
      socklen_t size = sizeof peer;
      const int fd = ::accept4(m_listener, reinterpret_cast<sockaddr*>(&peer), &size, SOCK_CLOEXEC);
      if (fd < 0) break;
      Admit(fd, peer);
    }
  }
  ReapWorkers(true);
}

void VxppServer::Serve(ServerConnection& connection) {
  std::string block;
  // The first request must come whole within its short time; a client that
  // has shown itself may then keep the connection for more.
  const std::chrono::milliseconds first(m_options.firstRequestMs);
  bool more = !m_stopping && connection.ReadHeaderBlock(&block, m_options.firstRequestMs, first);
  while (more && Answer(block, connection))
    more = !m_stopping && connection.ReadHeaderBlock(&block, m_options.idleWaitMs);
}

bool VxppServer::Answer(const std::string& block, ServerConnection& connection) {
  const auto start = std::chrono::steady_clock::now();
  VxppRequest request;
  VxppResponse response;
  std::string version = "VXPP/2.0";
  bool keep = true;
  if (!request.Parse(block)) {
    response.Fail(400, "Bad Request");
    keep = false;
  } else if (const CommandEntry* entry = m_table.Find(request.command)) {
    version = entry->answerVersion.empty() ? request.version : entry->answerVersion;
    keep = entry->handler(request, connection, response);
  } else {
    response.Fail(501, "Not Implemented");
    version = request.version;
  }
  response.Add("VXPP-Version", m_context.settings.vxppVersion);
  // The line is logged before the answer goes out, so a client that has its
  // answer finds the line there; the time is the time to make the answer.
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  Log(connection.Peer() + " " + (request.command.empty() ? "-" : LogText(request.command)) + " " +
      std::to_string(response.status) + " " + std::to_string(ms.count()) + "ms");
  bool written =
      connection.WriteAll(response.Head(version, request.Text("CSeq"))) && connection.WriteAll(response.body);
  for (const std::string_view part : response.records.Blocks()) written = written && connection.WriteAll(part);
  if (written && response.status == 200 && response.followUp) written = response.followUp(connection);
  return keep && written;
}

}  // namespace vxpp_server
