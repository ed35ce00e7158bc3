#include "tools/logview/sites_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/common/command_line_values.h"

bool ReadServerAddress(const std::string& text, LogviewServer* server) {
  return ReadHostPort(text, &server->host, &server->port);
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
    std::pair<std::string, std::string> login;
    if (!account.empty() && ReadAccount(account, &login)) server.login = login;
    if (servers->size() >= kMaxServers) {
      *error = path + " names more than " + std::to_string(kMaxServers) + " servers";
      return false;
    }
    servers->push_back(server);
  }
  return true;
}
