// The command line of logview: what it asks of the viewer and of the page.
// Parsed before the first call into the viewer, so that the installation
// folder and registry file are known when the viewer starts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tools/common/command_line_values.h"

using LogviewDateTime = CalendarTime;

// A recording server to search: from --server or a line of --sites.
struct LogviewServer {
  std::string host;
  int port = 5160;
  std::optional<std::pair<std::string, std::string>> login;  // its own; else --login
};

struct LogviewOptions {
  static constexpr int kEventSwitchCount = 17;
  static constexpr int kSystemSwitchCount = 9;

  // Viewer options.
  std::optional<std::string> install;
  std::optional<std::string> registry;
  std::string root;
  std::optional<std::string> serverHost;
  int serverPort = 5160;
  unsigned long session = 0;
  std::optional<std::pair<std::string, std::string>> login;  // user, password
  std::optional<uint32_t> commandLimitSeconds;  // ceiling of one server command
  bool nvr = false;
  std::optional<int> genericCameras;
  bool modal = false;
  bool remoteMode = false;
  std::optional<std::vector<int32_t>> eventSwitches;
  std::optional<std::vector<int32_t>> systemSwitches;
  std::optional<unsigned long> lang;
  std::optional<std::string> langFolder;
  std::optional<std::string> user;
  std::vector<std::pair<uint32_t, uint32_t>> rights;  // camera id, rights word
  std::optional<std::string> posSettings;
  std::optional<std::vector<int>> cameras;
  std::optional<std::pair<LogviewDateTime, LogviewDateTime>> window;
  bool playable = false;
  // Every --server in order, then the lines of --sites: several (or --sites)
  // search them all at once, at most `parallel` at a time.
  std::vector<LogviewServer> servers;
  std::optional<std::string> sites;
  int parallel = 8;

  // The page and its options.
  std::string page;
  std::optional<std::string> type;
  std::optional<std::string> camera;
  std::optional<std::string> mode;
  std::optional<std::string> period;
  std::optional<LogviewDateTime> date;
  std::optional<std::string> hours;
  std::optional<std::string> counters;
  std::optional<LogviewDateTime> day;
  std::optional<LogviewDateTime> from;
  std::optional<LogviewDateTime> to;
  std::vector<int> sort;
  bool listTypes = false;
  bool listCameras = false;
  std::optional<std::string> exportPath;
  bool json = false;
  std::optional<std::string> grep;
  std::optional<int> grepColumn;
  std::optional<std::string> workbookPath;
  bool printBins = false;
  std::optional<std::pair<int, int>> size;
  // After the search, keep listing newer records every `intervalMs`.
  bool follow = false;
  int intervalMs = 1000;
  bool jsonl = false;  // the rows as one JSON object a line

  // Whether the page's search runs on several servers at once.
  bool SearchesManyServers() const { return servers.size() > 1 || sites.has_value(); }
};

enum class ParseResult { kRun, kHelp, kUsageError };

// Reads argv[1..]; on kUsageError `error` says what is wrong.
ParseResult ParseLogviewOptions(int argc, char** argv, LogviewOptions* options, std::string* error);

// The usage text of --help.
const char* LogviewUsage();

// Exit statuses.
constexpr int kExitSearchRan = 0;
constexpr int kExitSearchFailed = 2;
constexpr int kExitUsage = 64;
