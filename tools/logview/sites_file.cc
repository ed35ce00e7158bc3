#include "tools/logview/sites_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

bool ReadServerAddress(const std::string& text, LogviewServer* server) {
  const size_t colon = text.rfind(':');
  server->host = text.substr(0, colon);
  server->port = 5160;
  if (colon != std::string::npos) {
    const std::string port = text.substr(colon + 1);
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(port.c_str(), &end, 10);
    if (port.empty() || *end != '\0' || errno != 0 || value < 1 || value > 65535) return false;
    server->port = static_cast<int>(value);
  }
  return !server->host.empty();
}

namespace {
// More servers than any site has: a file past it is not a list of servers.
constexpr size_t kMaxServers = 4096;
}  // namespace

bool ReadSitesFile(const std::string& path, std::vector<LogviewServer>* servers, std::string* error) {
  std::ifstream named;
  if (path != "-") named.open(path);
  std::istream& file = path == "-" ? std::cin : named;
  if (!file) {
    *error = "cannot read " + path + ": " + std::strerror(errno);
    return false;
  }
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string address, account, extra;
    if (!(words >> address) || address[0] == '#') continue;
    LogviewServer server;
    const bool ok = ReadServerAddress(address, &server) && !(words >> account >> extra);
    if (!ok) {
      *error = path + " line " + std::to_string(number) + ": not 'HOST[:PORT] [USER[:PASSWORD]]': " + line;
      return false;
    }
    if (!account.empty()) {
      const size_t colon = account.find(':');
      server.login.emplace(account.substr(0, colon), colon == std::string::npos ? "" : account.substr(colon + 1));
    }
    if (servers->size() >= kMaxServers) {
      *error = path + " names more than " + std::to_string(kMaxServers) + " servers";
      return false;
    }
    servers->push_back(server);
  }
  return true;
}
