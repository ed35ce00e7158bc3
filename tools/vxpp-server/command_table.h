// CommandTable: the server's commands by their request word.  Each entry
// names the protocol text its answer's status line carries (the client
// looks for a fixed one per command) and a handler that fills the answer.
// Built once at start-up, then only read, from any thread.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "tools/vxpp-server/server_connection.h"
#include "tools/vxpp-server/vxpp_request.h"

namespace vxpp_server {

// A handler may read further bytes of the request (binary payloads) from
// the connection.  It returns whether the connection can carry another
// request; the answer is written either way.
using CommandHandler = std::function<bool(const VxppRequest&, ServerConnection&, VxppResponse&)>;

struct CommandEntry {
  // "VXPP/1.0" or "VXPP/2.0"; empty: the protocol text of the request.
  std::string answerVersion;
  CommandHandler handler;
};

class CommandTable {
 public:
  void Add(const std::string& word, std::string answerVersion, CommandHandler handler);
  // Null for an unknown word.
  const CommandEntry* Find(const std::string& word) const;

 private:
  std::map<std::string, CommandEntry> m_entries;
};

}  // namespace vxpp_server
