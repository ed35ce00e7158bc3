#include "tools/logview/logview_options.h"

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <map>

#include "tools/common/command_line_values.h"
#include "tools/logview/sites_file.h"

namespace {

constexpr const char* kPages[] = {"events", "system", "backup", "metadata",
                                  "edge",   "counting", "diagram", "ivs", "timeline"};

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

// A whole decimal number (or, with `hex`, 0x-prefixed hexadecimal) in range.
bool ReadNumber(const std::string& text, long long low, long long high, long long* out,
                bool hex = false) {
  if (text.empty()) return false;
  const bool isHex = hex && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, isHex ? 16 : 10);
  if (errno != 0 || *end != '\0' || value < low || value > high) return false;
  *out = value;
  return true;
}

bool ReadList(const std::string& text, long long low, long long high, std::vector<long long>* out) {
  out->clear();
  for (const std::string& part : Split(text, ',')) {
    long long value = 0;
    if (!ReadNumber(part, low, high, &value)) return false;
    out->push_back(value);
  }
  return true;
}

class Parser {
 public:
  Parser(int argc, char** argv, LogviewOptions* options)
      : m_argc(argc), m_argv(argv), m_o(*options) {}

  ParseResult Run(std::string* error) {
    for (m_next = 1; m_next < m_argc;) {
      const std::string word = m_argv[m_next++];
      if (word == "--help" || word == "-h") return ParseResult::kHelp;
      if (!(word.starts_with("--") ? Option(word) : Page(word))) {
        *error = m_error;
        return ParseResult::kUsageError;
      }
    }
    if (m_o.page.empty()) {
      *error = "no page named; PAGE is one of events, system, backup, metadata, edge, counting, "
               "diagram, ivs, timeline";
      return ParseResult::kUsageError;
    }
    if (m_o.login && !m_o.serverHost && !m_o.sites) {
      *error = "--login needs --server";
      return ParseResult::kUsageError;
    }
    if (const std::string problem = CheckManyServers(); !problem.empty()) {
      *error = problem;
      return ParseResult::kUsageError;
    }
    if (const std::string problem = CheckFollow(); !problem.empty()) {
      *error = problem;
      return ParseResult::kUsageError;
    }
    return ParseResult::kRun;
  }

 private:
  std::string CheckManyServers() const {
    if (!m_o.SearchesManyServers()) return {};
    if (m_o.servers.empty()) return "--sites: " + *m_o.sites + " names no server";
    if (!m_o.sort.empty() || m_o.follow)
      return "--sort and --follow take one server; the rows of several are merged in time order";
    if (m_o.listTypes || m_o.listCameras) return "--list-types and --list-cameras take one server";
    if (m_o.page == "diagram") return "the diagram page takes one server";
    return {};
  }
  std::string CheckFollow() const {
    if (m_o.jsonl && !m_o.follow) return "--jsonl goes with --follow";
    if (!m_o.follow) return {};
    if (m_o.to || !m_o.sort.empty() || m_o.exportPath || m_o.json || m_o.listTypes || m_o.listCameras)
      return "--follow prints the rows as they come: not with --to, --sort, --export, --json or a listing";
    if (m_o.page == "diagram") return "--follow: the diagram page has no list";
    return {};
  }

  bool Fail(const std::string& why) {
    m_error = why;
    return false;
  }

  bool Page(const std::string& word) {
    if (!m_o.page.empty()) return Fail("a second page \"" + word + "\" after \"" + m_o.page + "\"");
    for (const char* page : kPages) {
      if (word == page) {
        m_o.page = word;
        return true;
      }
    }
    return Fail("unknown page \"" + word +
                "\"; PAGE is one of events, system, backup, metadata, edge, counting, diagram, ivs, timeline");
  }

  bool Value(const std::string& option, std::string* value) {
    if (m_next >= m_argc) return Fail(option + " needs a value");
    *value = m_argv[m_next++];
    return true;
  }

  bool DateTimeValue(const std::string& option, bool dateAlone, std::optional<LogviewDateTime>* out) {
    std::string text;
    if (!Value(option, &text)) return false;
    LogviewDateTime t;
    if (!ReadCalendarTime(text, dateAlone, &t))
      return Fail(option + " takes 'YYYY-MM-DD" + (dateAlone ? "[ HH:MM:SS]'" : " HH:MM:SS'") +
                  ", not '" + text + "'");
    *out = t;
    return true;
  }

  bool Switches(const std::string& option, size_t count, std::optional<std::vector<int32_t>>* out) {
    std::string text;
    std::vector<long long> values;
    if (!Value(option, &text)) return false;
    if (!ReadList(text, INT32_MIN, INT32_MAX, &values) || values.size() != count)
      return Fail(option + " takes " + std::to_string(count) + " numbers separated by commas");
    *out = std::vector<int32_t>(values.begin(), values.end());
    return true;
  }

  bool Option(const std::string& option) {
    static const std::map<std::string, std::function<bool(Parser&, const std::string&)>> kOptions = {
        {"--install", [](Parser& p, const std::string& o) { return p.Text(o, &p.m_o.install); }},
        {"--registry", [](Parser& p, const std::string& o) { return p.Text(o, &p.m_o.registry); }},
        {"--root", [](Parser& p, const std::string& o) { return p.Value(o, &p.m_o.root); }},
        {"--server", [](Parser& p, const std::string& o) { return p.Server(o); }},
        {"--session",
         [](Parser& p, const std::string& o) {
           long long value = 0;
           std::string text;
           if (!p.Value(o, &text)) return false;
           if (!ReadNumber(text, 0, UINT32_MAX, &value)) return p.Fail(o + " takes a number");
           p.m_o.session = static_cast<unsigned long>(value);
           return true;
         }},
        {"--login", [](Parser& p, const std::string& o) { return p.Login(o); }},
        {"--command-limit",
         [](Parser& p, const std::string& o) {
           long long value = 0;
           std::string text;
           if (!p.Value(o, &text)) return false;
           if (!ReadNumber(text, 1, UINT32_MAX / 1000, &value)) return p.Fail(o + " takes a number of seconds");
           p.m_o.commandLimitSeconds = static_cast<uint32_t>(value);
           return true;
         }},
        {"--nvr", [](Parser& p, const std::string&) { return p.m_o.nvr = true; }},
        {"--generic-cameras",
         [](Parser& p, const std::string& o) {
           long long value = 0;
           std::string text;
           if (!p.Value(o, &text)) return false;
           if (!ReadNumber(text, 0, 100000, &value)) return p.Fail(o + " takes a number of cameras");
           p.m_o.genericCameras = static_cast<int>(value);
           return true;
         }},
        {"--modal", [](Parser& p, const std::string&) { return p.m_o.modal = true; }},
        {"--remote-mode", [](Parser& p, const std::string&) { return p.m_o.remoteMode = true; }},
        {"--event-switches",
         [](Parser& p, const std::string& o) {
           return p.Switches(o, LogviewOptions::kEventSwitchCount, &p.m_o.eventSwitches);
         }},
        {"--system-switches",
         [](Parser& p, const std::string& o) {
           return p.Switches(o, LogviewOptions::kSystemSwitchCount, &p.m_o.systemSwitches);
         }},
        {"--lang",
         [](Parser& p, const std::string& o) {
           long long value = 0;
           std::string text;
           if (!p.Value(o, &text)) return false;
           if (!ReadNumber(text, 0, UINT32_MAX, &value)) return p.Fail(o + " takes a language number");
           p.m_o.lang = static_cast<unsigned long>(value);
           return true;
         }},
        {"--lang-folder", [](Parser& p, const std::string& o) { return p.Text(o, &p.m_o.langFolder); }},
        {"--user", [](Parser& p, const std::string& o) { return p.Text(o, &p.m_o.user); }},
        {"--rights", [](Parser& p, const std::string& o) { return p.Rights(o); }},
        {"--pos-settings", [](Parser& p, const std::string& o) { return p.Text(o, &p.m_o.posSettings); }},
        {"--cameras",
         [](Parser& p, const std::string& o) {
           std::string text;
           std::vector<long long> values;
           if (!p.Value(o, &text)) return false;
           if (!ReadList(text, 0, 127, &values))
             return p.Fail(o + " takes camera indexes from 0 to 127 separated by commas");
           p.m_o.cameras = std::vector<int>(values.begin(), values.end());
           return true;
         }},
        {"--window", [](Parser& p, const std::string& o) { return p.Window(o); }},
        {"--playable",
         [](Parser& p, const std::string& o) {
           std::string text;
           if (!p.Value(o, &text)) return false;
           if (text != "all" && text != "none") return p.Fail(o + " takes all or none");
           p.m_o.playable = text == "all";
           return true;
         }},
        {"--type", [](Parser& p, const std::string& o) { return p.Text(o, &p.m_o.type); }},
        {"--camera", [](Parser& p, const std::string& o) { return p.Text(o, &p.m_o.camera); }},
        {"--mode",
         [](Parser& p, const std::string& o) {
           return p.Choice(o, {"basic", "ivs", "combined"}, &p.m_o.mode);
         }},
        {"--period",
         [](Parser& p, const std::string& o) { return p.Choice(o, {"day", "month", "year"}, &p.m_o.period); }},
        {"--date", [](Parser& p, const std::string& o) { return p.DateTimeValue(o, true, &p.m_o.date); }},
        {"--hours", [](Parser& p, const std::string& o) { return p.Text(o, &p.m_o.hours); }},
        {"--counters", [](Parser& p, const std::string& o) { return p.Text(o, &p.m_o.counters); }},
        {"--day", [](Parser& p, const std::string& o) { return p.DateTimeValue(o, true, &p.m_o.day); }},
        {"--from", [](Parser& p, const std::string& o) { return p.DateTimeValue(o, false, &p.m_o.from); }},
        {"--to", [](Parser& p, const std::string& o) { return p.DateTimeValue(o, false, &p.m_o.to); }},
        {"--sort",
         [](Parser& p, const std::string& o) {
           std::string text;
           std::vector<long long> values;
           if (!p.Value(o, &text)) return false;
           if (!ReadList(text, 0, 1000, &values)) return p.Fail(o + " takes column numbers separated by commas");
           p.m_o.sort.insert(p.m_o.sort.end(), values.begin(), values.end());
           return true;
         }},
        {"--list-types", [](Parser& p, const std::string&) { return p.m_o.listTypes = true; }},
        {"--list-cameras", [](Parser& p, const std::string&) { return p.m_o.listCameras = true; }},
        {"--export", [](Parser& p, const std::string& o) { return p.Text(o, &p.m_o.exportPath); }},
        {"--json", [](Parser& p, const std::string&) { return p.m_o.json = true; }},
        {"--grep", [](Parser& p, const std::string& o) { return p.Text(o, &p.m_o.grep); }},
        {"--grep-column",
         [](Parser& p, const std::string& o) {
           long long value = 0;
           std::string text;
           if (!p.Value(o, &text)) return false;
           if (!ReadNumber(text, 0, 1000, &value)) return p.Fail(o + " takes a column number");
           p.m_o.grepColumn = static_cast<int>(value);
           return true;
         }},
        {"--export-xlsx", [](Parser& p, const std::string& o) { return p.Text(o, &p.m_o.workbookPath); }},
        {"--print-bins", [](Parser& p, const std::string&) { return p.m_o.printBins = true; }},
        {"--size", [](Parser& p, const std::string& o) { return p.Size(o); }},
        {"--sites", [](Parser& p, const std::string& o) { return p.Sites(o); }},
        {"--parallel",
         [](Parser& p, const std::string& o) {
           long long value = 0;
           std::string text;
           if (!p.Value(o, &text)) return false;
           if (!ReadNumber(text, 1, 256, &value)) return p.Fail(o + " takes a number from 1 to 256");
           p.m_o.parallel = static_cast<int>(value);
           return true;
         }},
        {"--follow", [](Parser& p, const std::string&) { return p.m_o.follow = true; }},
        {"--interval",
         [](Parser& p, const std::string& o) {
           std::string text;
           if (!p.Value(o, &text)) return false;
           char* end = nullptr;
           const double seconds = std::strtod(text.c_str(), &end);
           if (text.empty() || *end != '\0' || !(seconds >= 0.05 && seconds <= 86400))
             return p.Fail(o + " takes a number of seconds from 0.05 to 86400");
           p.m_o.intervalMs = static_cast<int>(seconds * 1000);
           return true;
         }},
        {"--jsonl", [](Parser& p, const std::string&) { return p.m_o.jsonl = true; }},
    };
    const auto found = kOptions.find(option);
    if (found == kOptions.end()) return Fail("unknown option " + option + " (see logview --help)");
    return found->second(*this, option);
  }

  bool Text(const std::string& option, std::optional<std::string>* out) {
    std::string text;
    if (!Value(option, &text)) return false;
    *out = text;
    return true;
  }

  bool Choice(const std::string& option, std::initializer_list<const char*> choices,
              std::optional<std::string>* out) {
    std::string text, names;
    if (!Value(option, &text)) return false;
    for (const char* choice : choices) {
      if (text == choice) {
        *out = text;
        return true;
      }
      names += names.empty() ? choice : std::string(", ") + choice;
    }
    return Fail(option + " takes one of " + names + ", not '" + text + "'");
  }

  bool Server(const std::string& option) {
    std::string text;
    if (!Value(option, &text)) return false;
    LogviewServer server;
    if (!ReadServerAddress(text, &server)) return Fail(option + " takes HOST[:PORT] with a port from 1 to 65535");
    m_o.serverHost = server.host;
    m_o.serverPort = server.port;
    m_o.servers.push_back(server);
    return true;
  }
  bool Sites(const std::string& option) {
    if (!Text(option, &m_o.sites)) return false;
    std::string error;
    if (!ReadSitesFile(*m_o.sites, &m_o.servers, &error)) return Fail(option + ": " + error);
    return true;
  }

  bool Login(const std::string& option) {
    std::string text;
    if (!Value(option, &text)) return false;
    std::pair<std::string, std::string> account;
    if (!ReadAccount(text, &account)) return Fail(option + " takes USER[:PASSWORD]");
    m_o.login = account;
    return true;
  }

  bool Rights(const std::string& option) {
    std::string text;
    if (!Value(option, &text)) return false;
    for (const std::string& pair : Split(text, ',')) {
      const size_t equals = pair.find('=');
      long long id = 0, word = 0;
      if (equals == std::string::npos || !ReadNumber(pair.substr(0, equals), 0, UINT32_MAX, &id) ||
          !ReadNumber(pair.substr(equals + 1), 0, UINT32_MAX, &word, /*hex=*/true))
        return Fail(option + " takes ID=WORD pairs separated by commas (WORD decimal or 0x hex)");
      m_o.rights.emplace_back(static_cast<uint32_t>(id), static_cast<uint32_t>(word));
    }
    return true;
  }

  bool Window(const std::string& option) {
    std::optional<LogviewDateTime> from, to;
    if (!DateTimeValue(option, false, &from) || !DateTimeValue(option, false, &to)) return false;
    m_o.window = {*from, *to};
    return true;
  }

  bool Size(const std::string& option) {
    std::string text;
    if (!Value(option, &text)) return false;
    const size_t x = text.find('x');
    long long width = 0, height = 0;
    if (x == std::string::npos || !ReadNumber(text.substr(0, x), 1, 10000, &width) ||
        !ReadNumber(text.substr(x + 1), 1, 10000, &height))
      return Fail(option + " takes WIDTHxHEIGHT");
    m_o.size = {static_cast<int>(width), static_cast<int>(height)};
    return true;
  }

  const int m_argc;
  char** const m_argv;
  LogviewOptions& m_o;
  int m_next = 1;
  std::string m_error;
};

}  // namespace

ParseResult ParseLogviewOptions(int argc, char** argv, LogviewOptions* options, std::string* error) {
  *options = LogviewOptions{};
  return Parser(argc, argv, options).Run(error);
}

const char* LogviewUsage() {
  return R"(usage: logview [VIEWER OPTIONS] PAGE [PAGE OPTIONS]
PAGE: events | system | backup | metadata | edge | counting | diagram | ivs | timeline

Sets the log viewer up as a host application does, drives one page through its
controls and prints what the page lists.

Viewer options:
  --install DIR             installation folder (default $LOGVIEW_INSTALL, else from the executable)
  --registry FILE           registry file (default $LOGVIEW_REGISTRY, else registry.reg of the installation)
  --root DIR                database root folder of a local search
  --server HOST[:PORT]      search a remote recording server (port 5160 by default)
  --session N               the host's session number on the server
  --login USER[:PASSWORD]   log in first, use that session, log out at the end
  --command-limit SECONDS   the longest one server command may take (default 900)
  --nvr                     the remote (NVR) page variants
  --generic-cameras N       cameras "Camera 1" .. "Camera N"
  --modal                   run the page in a modal viewer
  --remote-mode             SetRemoteMode(true): the switches below take effect
  --event-switches A,B,...  EnableEventLog with 17 values
  --system-switches A,...   EnableSystemLog with 9 values
  --lang N                  language number (ResetLogViewerLanguage)
  --lang-folder DIR         folder of the language pack, passed as given (end it with "/")
  --user NAME               the host's user account
  --rights ID=WORD,...      the account's rights word per camera id and metadata source (decimal or 0x hex)
  --pos-settings FILE       metadata sources: an ini file, one section per source
  --cameras I,J,...         SetCameras with these camera indexes
  --window 'FROM' 'TO'      SetLogDateTime with this time window ('YYYY-MM-DD HH:MM:SS')
  --playable all|none       the host's answer to "can you play this" (default none)
  --sites FILE              servers to search at once, one 'HOST[:PORT] [USER[:PASSWORD]]' a line
                            ('-': standard input); --server given more than once does the same
  --parallel N              at most N servers searched at a time (default 8)
  --help, --version         this text; the version

Page options:
  --type ITEM               pick the type selector's entry shown as ITEM (#N: item value N)
  --camera ITEM             the same for the second selector (camera, channel, device ...)
  --mode basic|ivs|combined counting and diagram pages
  --period day|month|year, --date 'YYYY-MM-DD', --hours FROM-TO, --counters I,I,I, --size WxH
                            diagram page
  --day 'YYYY-MM-DD[ HH:MM:SS]'   check the day picker and set it
  --from 'YYYY-MM-DD HH:MM:SS', --to '...'   check the start / end picker and set it
  --sort N[,N...]           click these column headers in order
  --list-types, --list-cameras   print a selector's entries (item value, tab, text) and stop
  --export PATH             run the page's export to PATH (.csv or .txt)
  --json                    print the list as a JSON array
  --grep TEXT               narrow the list to rows holding TEXT (any case), without searching again
  --grep-column N           look for the --grep text in column N only
  --export-xlsx PATH        run "Export to Excel workbook..." to PATH
  --print-bins              diagram: print the value axis and the bins
  --follow                  after the search, print newer rows as they come, until SIGINT or SIGTERM
  --interval SECONDS        how often --follow asks (default 1)
  --jsonl                   with --follow: one JSON object per row and line
With several servers the rows are merged in time order behind a "Server" column,
and standard error gets a line per server: "server: HOST:PORT ok ROWS",
"server: HOST:PORT failed: REASON" or "server: HOST:PORT no data for this range".

timeline --from ... --to ... [--cameras I,J] [--json | --export PATH]: every log kind
of the range in one time-ordered list (see docs/logview.md)

Standard error gets one line per message box ("message: CAPTION: TEXT", a failed
search's reason in brackets after it) and per
message to the host window ("host: NUMBER WPARAM LPARAM").
Exit status: 0 the search ran, 2 the search, the login or the export failed,
64 usage error.
)";
}
