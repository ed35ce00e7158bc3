// VxppServer: accepts VXPP clients on one TCP address and serves each
// connection on a thread of its own through a command table.
//
// Start() binds and listens (port 0 picks a free port, see Port()); Run()
// serves until Stop(), which any thread may call; Run() then closes every
// connection and joins every thread before it returns.  Each request is
// logged as one line (the request word escaped, see LogText).  The context
// and the table must outlive the server.
#pragma once

#include <netinet/in.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "tools/vxpp-server/command_table.h"
#include "tools/vxpp-server/server_context.h"

namespace vxpp_server {

struct ServerOptions {
  std::string bindAddress = "127.0.0.1";
  uint16_t port = 5160;
  // Where the one line per request goes; standard error when empty.
  std::function<void(const std::string&)> log;
  // Connections served at once; more are closed as they come.
  size_t maxConnections = 256;
  // Connections one client address may hold at once; more are closed as
  // they come, so that one host cannot take every place.
  size_t maxConnectionsPerAddress = 16;
  // How long a new connection may take to deliver its first whole request
  // header: a connection that connects and sends nothing gives its place
  // back after this.
  int firstRequestMs = 5000;
  // How long a connection may stay quiet before its next request.
  int idleWaitMs = 30000;
};

class VxppServer {
 public:
  VxppServer(ServerOptions options, ServerContext& context, const CommandTable& table);
  ~VxppServer();

  // False with *error when the address cannot be bound.
  bool Start(std::string* error);
  uint16_t Port() const { return m_port; }
  void Run();
  void Stop();

 private:
  struct Worker;
  void Serve(ServerConnection& connection);
  // Answers one request; false when the connection is to be closed.
  bool Answer(const std::string& block, ServerConnection& connection);
  void Log(const std::string& line);
  void ReapWorkers(bool all);
  // Serves the accepted socket `fd` on a worker of its own, or closes it
  // when the connection caps refuse it.
  void Admit(int fd, const sockaddr_in& peer);
  // Why a new connection from `address` is refused, or null.  Under m_mutex.
  const char* RefusalFor(const std::string& address) const;

  ServerOptions m_options;
  ServerContext& m_context;
  const CommandTable& m_table;
  int m_listener = -1;
  int m_wake[2] = {-1, -1};
  uint16_t m_port = 0;
  std::atomic<bool> m_stopping{false};
  std::mutex m_mutex;
  std::list<std::unique_ptr<Worker>> m_workers;
};

}  // namespace vxpp_server
