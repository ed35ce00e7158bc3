// protocol_bench: how fast the client reads a large EVENTLOG answer, binary
// records and text blocks, against a bare reader of the same byte stream
// (one socket, 64 KiB receives, records split but not built).
//
//   protocol_bench [--events-per-day N] [--rounds N] [--keep DIR] [--json FILE]
//
// A demo installation is generated in a temporary folder and served by
// vxpp-server in this process, once as a protocol 1.0 server (binary
// records) and once as 2.0 (text blocks).  Each answer is taken from the
// server once and then replayed from memory over loopback, so the rounds
// time the reading alone; the rounds interleave client and bare reader and
// the medians are printed with their ratio.  Rounds straight against
// vxpp-server (its search included) are printed for orientation.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

#include "bench/common/bench_clock.h"
#include "bench/common/bench_report.h"
#include "platform/paths.h"
#include "protocol/header_reader.h"
#include "protocol/log_record_wire.h"
#include "protocol/vxpp_client.h"
#include "protocol/wire_bytes.h"
#include "store/log_root_folder.h"
#include "tools/logview-demo/demo_installation.h"
#include "tools/vxpp-server/service.h"

namespace {

using bench::Clock;
using bench::Median;
using bench::Seconds;

constexpr size_t kRecvChunk = 64 * 1024;
const char* const kUrl = "vxpp://127.0.0.1/";

int Connect(uint16_t port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    std::perror("connect");
    std::exit(1);
  }
  return fd;
}

void SendAll(int fd, const std::string& bytes) {
  for (size_t sent = 0; sent < bytes.size();) {
    const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
}

// The EVENTLOG request of the client for the whole installation.
std::string EventLogRequest(uint32_t session, const CDateTime& start, const CDateTime& end) {
  return "EVENTLOG " + std::string(kUrl) + " VXPP/1.0\r\nCSeq: 0\r\nUser-Session-No: " + std::to_string(session) +
         "\r\nEvent-Number: -1\r\nChannel-Index: 4294967295\r\nCamera-ID: 4294967295\r\nStart-Date-Time: " +
         start.FormatWire() + "\r\nEnd-Date-Time: " + end.FormatWire() + "\r\nVXPP-Version: 2.0\r\n\r\n";
}

// The whole answer to `request`, as the server sends it.
std::string Capture(uint16_t port, const std::string& request) {
  const int fd = Connect(port);
  SendAll(fd, request);
  std::string answer;
  std::vector<char> chunk(kRecvChunk);
  // The server keeps the connection for another request: stop once the
  // announced records have all come.
  for (;;) {
    const ssize_t n = ::recv(fd, chunk.data(), chunk.size(), 0);
    if (n <= 0) break;
    answer.append(chunk.data(), static_cast<size_t>(n));
    const size_t head = answer.find("\r\n\r\n");
    if (head == std::string::npos) continue;
    int32_t length = 0;
    if (vxpp::HeaderInt(std::string_view(answer).substr(0, head), "Content-Length:", &length) &&
        answer.size() >= head + 4 + static_cast<size_t>(length))
      break;
  }
  ::close(fd);
  return answer;
}

// Answers every connection with the same bytes, after reading its request.
class Replayer {
 public:
  explicit Replayer(std::string answer) : m_answer(std::move(answer)) {
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(m_listener, 4);
    socklen_t size = sizeof address;
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] {
      for (;;) {
        const int fd = ::accept(m_listener, nullptr, nullptr);
        if (fd < 0 || m_stop) {
          if (fd >= 0) ::close(fd);
          return;
        }
        std::string request;
        char c;
        while (request.find("\r\n\r\n") == std::string::npos && ::recv(fd, &c, 1, 0) == 1) request += c;
        SendAll(fd, m_answer);
        ::close(fd);
      }
    });
  }
  ~Replayer() {
    m_stop = true;
    ::close(Connect(m_port));
    m_thread.join();
    ::close(m_listener);
  }
  uint16_t Port() const { return m_port; }

 private:
  std::string m_answer;
  int m_listener = -1;
  uint16_t m_port = 0;
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

// The bare reader: 64 KiB receives, records split off by their lengths or
// their empty lines, nothing built.  Returns the records split.
uint64_t BareRead(uint16_t port, const std::string& request, bool text) {
  const int fd = Connect(port);
  SendAll(fd, request);
  std::vector<char> buffer(kRecvChunk * 2);
  size_t filled = 0, at = 0;
  bool headDone = false;
  uint64_t due = 0, split = 0;
  for (;;) {
    if (filled == buffer.size()) {  // keep the unsplit tail at the front
      std::memmove(buffer.data(), buffer.data() + at, filled - at);
      filled -= at;
      at = 0;
      if (filled == buffer.size()) buffer.resize(buffer.size() * 2);
    }
    const ssize_t n = ::recv(fd, buffer.data() + filled, std::min(kRecvChunk, buffer.size() - filled), 0);
    if (n <= 0) break;
    filled += static_cast<size_t>(n);
    const std::string_view bytes(buffer.data(), filled);
    if (!headDone) {
      const size_t end = bytes.find("\r\n\r\n");
      if (end == std::string_view::npos) continue;
      uint32_t count = 0;
      vxpp::HeaderU32(bytes.substr(0, end), "Log-Count:", &count);
      due = count;
      at = end + 4;
      headDone = true;
    }
    for (;;) {
      const std::string_view rest = bytes.substr(at);
      size_t size = 0;
      if (text) {
        const size_t end = rest.find("\r\n\r\n");
        if (end != std::string_view::npos) size = end + 4;
      } else if (rest.size() >= vxpp::kEventHeadBytes + 4) {
        const size_t total = vxpp::kEventHeadBytes + 4 + static_cast<size_t>(vxpp::GetI32(rest.data() + vxpp::kEventHeadBytes));
        if (rest.size() >= total) size = total;
      }
      if (size == 0) break;
      at += size;
      ++split;
    }
    if (split == due) break;
  }
  ::close(fd);
  return split;
}

// The client's records; the caller frees them after its clock has stopped,
// so that a round times the reading and not the freeing.
EventLogRecords ClientRead(uint16_t port, uint32_t session, const CDateTime& start, const CDateTime& end) {
  CVXPPClient client;
  client.SetPort(port);
  EventLogRecords records;
  int text = 0;
  if (client.EventLog(kUrl, session, nullptr, nullptr, start, end, records, nullptr, &text) != 1) {
    std::fprintf(stderr, "protocol_bench: EVENTLOG failed\n");
    std::exit(1);
  }
  return records;
}

// Seconds `read` took, and how many records it gave.  The records are
// freed after the clock has stopped, and a pause before each read lets the
// system finish with the memory the last one freed.
template <typename Read>
double Time(Read read, uint64_t* records) {
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const auto start = Clock::now();
  auto result = read();
  const double seconds = Seconds(start);
  if constexpr (std::is_integral_v<decltype(result)>)
    *records = result;
  else
    *records = result.size();
  return seconds;
}

struct Form {
  const char* name;
  const char* version;
  bool text;
  CDateTime start, end;
};

struct Timing {
  std::vector<double> client, bare;
  uint64_t records = 0;
};

void Report(const char* what, const char* form, const Timing& t, double goal, bench::BenchReport* report) {
  const double client = Median(t.client), bare = Median(t.bare);
  const std::string key = std::string(what) + "." + form;
  report->Add(key + ".client_s", client);
  report->Add(key + ".bare_s", bare);
  report->Add(key + ".ratio", client / bare);
  report->Add(key + ".client_records_per_s", t.records / client);
  std::printf("%-9s %-12s %9llu records  client %7.3f s (%10.0f records/s)  bare %7.3f s (%10.0f records/s)  "
              "ratio %5.2f",
              what, form, static_cast<unsigned long long>(t.records), client, t.records / client, bare,
              t.records / bare, client / bare);
  if (goal > 0) std::printf("  (goal <= %.1f: %s)", goal, client / bare <= goal ? "met" : "NOT met");
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  int eventsPerDay = 100000, rounds = 5;
  std::string keep, json;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--events-per-day") eventsPerDay = std::atoi(argv[i + 1]);
    else if (option == "--rounds") rounds = std::max(1, std::atoi(argv[i + 1]));
    else if (option == "--keep") keep = argv[i + 1];
    else if (option == "--json") json = argv[i + 1];
  }
  bench::BenchReport report("protocol", json);
  std::string site = keep;
  if (site.empty()) {
    char pattern[] = "/tmp/protocol-bench-XXXXXX";
    site = std::string(mkdtemp(pattern)) + "/site";
  }
  DemoOptions demo;
  demo.days = 12;
  demo.eventsPerDay = eventsPerDay;
  demo.endDate = CDateTime::FromFields(2024, 3, 12);
  demo.folder = site;
  std::string error;
  const auto written = Clock::now();
  if (!WriteDemoInstallation(demo, [](const std::string&) {}, &error)) {
    std::fprintf(stderr, "protocol_bench: %s\n", error.c_str());
    return 1;
  }
  std::printf("installation: %d days of %d events in %s (%.1f s)\n", demo.days, eventsPerDay, site.c_str(),
              Seconds(written));
  platform::SetInstallFolder(site);
  ResetRecordFileMarker();

  // Binary: the whole installation; text: its last two days.
  const std::vector<Form> forms = {
      {"binary", "1.0", false, CDateTime::Null(), CDateTime::Null()},
      {"text", "2.0", true, demo.endDate - CDateTime::kTicksPerDay,
       demo.endDate + CDateTime::kTicksPerDay - CDateTime::kTicksPerSecond}};
  for (const Form& form : forms) {
    std::string problems;
    vxpp_server::ServerSettings settings;
    settings.Load(site);
    settings.vxppVersion = form.version;
    vxpp_server::UserStore users;
    users.Load(site);
    vxpp_server::Service service(site, settings, users);
    vxpp_server::ServerOptions options;
    options.port = 0;
    options.log = [](const std::string&) {};
    if (!service.Start(options, &error)) {
      std::fprintf(stderr, "protocol_bench: %s\n", error.c_str());
      return 1;
    }
    std::thread server([&] { service.Run(); });
    CVXPPClient login;
    login.SetPort(service.Port());
    uint32_t session = 0;
    LoginInfo info;
    UserPrivileges privileges;
    if (login.UserLogin(kUrl, "admin", "admin", "", false, false, session, info, privileges) != 0) {
      std::fprintf(stderr, "protocol_bench: login failed\n");
      return 1;
    }
    const std::string request = EventLogRequest(session, form.start, form.end);

    // Straight against the server, its search included.
    Timing live;
    uint64_t split = 0;
    for (int round = 0; round < std::min(rounds, 3); ++round) {
      live.client.push_back(Time([&] { return ClientRead(service.Port(), session, form.start, form.end); }, &live.records));
      live.bare.push_back(Time([&] { return BareRead(service.Port(), request, form.text); }, &split));
    }

    // The same answer replayed from memory: the reading alone.
    const std::string answer = Capture(service.Port(), request);
    service.Stop();
    server.join();
    Replayer replay(answer);
    Timing replayed;
    for (int round = 0; round < rounds; ++round) {
      // Alternate which goes first, so neither always meets a warm cache.
      for (int turn = 0; turn < 2; ++turn) {
        if ((turn + round) % 2 == 0)
          replayed.client.push_back(
              Time([&] { return ClientRead(replay.Port(), session, form.start, form.end); }, &replayed.records));
        else
          replayed.bare.push_back(Time([&] { return BareRead(replay.Port(), request, form.text); }, &split));
      }
    }
    if (split != replayed.records || live.records != replayed.records) {
      std::fprintf(stderr, "protocol_bench: the client read %llu records, the bare reader split %llu\n",
                   static_cast<unsigned long long>(replayed.records), static_cast<unsigned long long>(split));
      return 1;
    }
    std::printf("answer of %s EVENTLOG: %.1f MB\n", form.name, answer.size() / 1e6);
    Report("replayed", form.name, replayed, form.text ? 2.0 : 1.5, &report);
    Report("live", form.name, live, form.text ? 3.0 : 1.3, &report);
  }
  if (keep.empty()) std::filesystem::remove_all(std::filesystem::path(site).parent_path());
  return report.Finish() ? 0 : 1;
}
