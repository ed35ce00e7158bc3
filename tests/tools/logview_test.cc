// The logview executable: its usage errors, the failures it reports and the
// outputs of a search, run as a user runs it on a small demo installation.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <sstream>

#include <string>
#include <vector>

#include "program_run.h"
#include "server_process.h"
#include "temp_folder.h"
#include "tests/tools/two_day_demo.h"

namespace {

class LogviewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_folder = new TempFolder;
    ASSERT_EQ(WriteTwoDayDemo(s_folder->File("demo")), "");
  }
  static void TearDownTestSuite() { delete s_folder; }

  static std::string Install() { return s_folder->File("demo"); }

  // Runs logview with `args` (after --install of the demo installation when
  // `install` is set); a run that hangs is ended after a minute.
  Outcome Run(std::vector<std::string> args, bool install = true) {
    if (install) args.insert(args.begin(), {"--install", Install()});
    return RunProgram(LOGVIEW_PATH, std::move(args), m_scratch);
  }

  static TempFolder* s_folder;
  TempFolder m_scratch;
};

TempFolder* LogviewTest::s_folder = nullptr;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

size_t Lines(const std::string& text) {
  size_t lines = 0;
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
  return lines;
}

TEST_F(LogviewTest, UsageErrors) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "logview: no page named; PAGE is one of events, system,"},
      {{"calendar"}, "logview: unknown page \"calendar\""},
      {{"events", "--colour"}, "logview: unknown option --colour"},
      {{"events", "--day"}, "logview: --day needs a value"},
      {{"events", "--day", "2024-02-30"}, "--day takes 'YYYY-MM-DD[ HH:MM:SS]', not '2024-02-30'"},
      {{"events", "--from", "2024-03-05"}, "--from takes 'YYYY-MM-DD HH:MM:SS'"},
      {{"events", "--event-switches", "1,0,1"}, "--event-switches takes 17 numbers"},
      {{"events", "--login", "admin:admin"}, "--login needs --server"},
      {{"events", "--server", "host:99999"}, "--server takes HOST[:PORT]"},
      {{"events", "system"}, "a second page \"system\""},
      {{"events", "--pos-settings", "/nonexistent/pos.ini"}, "--pos-settings: cannot read /nonexistent/pos.ini"},
      {{"events", "--mode", "basic"}, "--mode: the events page has no mode"},
      {{"events", "--type", "Sunshine"}, "--type: no entry \"Sunshine\"; the entries are \"All\", \"General Motion\""},
      {{"events", "--camera", "#99"}, "--camera: no entry \"#99\"; the entries are \"All\", \"[01] "},
      {{"events", "--sort", "4"}, "--sort: there is no column 4; the columns are 0 \"Event Time\", 1 \"Event Type\", "
                                  "2 \"Camera\", 3 \"Description\""},
      // A type that takes every camera leaves the camera selector disabled.
      {{"events", "--type", "Disk Space Exhausted", "--camera", "#1"}, "--camera: the selector cannot be changed"},
      {{"events", "--grep", "x", "--grep-column", "7"}, "--grep-column: there is no column 7; the columns are 0 "},
      {{"events", "--grep-column", "1"}, "--grep-column: give the text to look for with --grep"},
      {{"diagram", "--export-xlsx", "/tmp/x.xlsx"}, "--grep and --export-xlsx: the diagram page has no list"},
  };
  for (const auto& [args, message] : cases) {
    const Outcome outcome = Run(args);
    EXPECT_EQ(outcome.status, 64) << args.size() << " " << outcome.err;
    EXPECT_TRUE(Has(outcome.err, message)) << outcome.err;
    EXPECT_EQ(outcome.out, "");
  }
  const Outcome help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(Has(help.out, "usage: logview [VIEWER OPTIONS] PAGE [PAGE OPTIONS]"));
}

TEST_F(LogviewTest, ListsSelectorsAsStored) {
  Outcome types = Run({"events", "--list-types"});
  EXPECT_EQ(types.status, 0);
  EXPECT_EQ(types.out.substr(0, 24), "-1\tAll\n0\tGeneral Motion\n");
  const Outcome cameras = Run({"events", "--list-cameras", "--generic-cameras", "2"});
  EXPECT_EQ(cameras.out, "-1\tAll\n0\t[01] Camera 1\n1\t[02] Camera 2\n");
  types = Run({"system", "--list-types"});
  EXPECT_EQ(types.out.substr(0, 23), "0\tAll\n1\tVantor Startup\n");
  EXPECT_FALSE(Has(types.out, "\tExecute Backup\n"));
}

TEST_F(LogviewTest, SearchOutputs) {
  const std::vector<std::string> day = {"events", "--day", "2024-03-05"};
  const Outcome text = Run(day);
  EXPECT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out.substr(0, 45), "Event Time, Event Type, Camera, Description\r\n");
  EXPECT_TRUE(Has(text.out, "\r\n2024/03/05 "));
  EXPECT_FALSE(Has(text.out, "2024/03/04 "));
  // Every row is drawn, so the host is asked about each local row.
  EXPECT_TRUE(Has(text.err, "host: 32792 ")) << text.err;

  // The same rows as JSON, playable inside the host's window and cameras.
  std::vector<std::string> json = day;
  json.insert(json.end(), {"--json", "--playable", "all", "--cameras", "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15",
                           "--window", "2024-03-05 00:00:00", "2024-03-05 23:59:59"});
  const Outcome rows = Run(json);
  EXPECT_EQ(rows.status, 0) << rows.err;
  EXPECT_EQ(rows.out.substr(0, 17), "[\n{\"Event Time\": ");
  EXPECT_TRUE(Has(rows.out, "\"state\": 0}"));
  EXPECT_FALSE(Has(rows.out, "\"state\": -1"));

  // The export writes the file and nothing to standard output; a second
  // CSV export appends under the one title row.
  std::vector<std::string> exported = day;
  exported.insert(exported.end(), {"--export", m_scratch.File("day.csv")});
  EXPECT_EQ(Run(exported).status, 0);
  const Outcome again = Run(exported);
  EXPECT_EQ(again.out, "");
  const std::string csv = ReadWholeFile(m_scratch.File("day.csv"));
  EXPECT_EQ(csv.find("Event Time,Event Type,Camera,Description,\r\n"), 0u);
  EXPECT_EQ(csv.find("Event Time,", 1), std::string::npos);
  EXPECT_EQ(Lines(csv), 1 + 2 * (Lines(text.out) - 1)) << "each export adds its rows";
  // A file that cannot be written is a failure the user is told of.
  const std::string lost = m_scratch.File("missing/day.txt");
  exported.back() = lost;
  const Outcome failed = Run(exported);
  EXPECT_EQ(failed.status, 2);
  EXPECT_TRUE(Has(failed.err, "message: Error: Cannot write " + lost + ": ")) << failed.err;

  // Sorting by the type column twice puts the largest event number first.
  std::vector<std::string> sorted = day;
  sorted.insert(sorted.end(), {"--sort", "1,1"});
  const Outcome reversed = Run(sorted);
  EXPECT_EQ(reversed.status, 0);
  EXPECT_NE(reversed.out, text.out);
  EXPECT_EQ(reversed.out.size(), text.out.size());
}

// The rows of a text output whose line holds `part` in any case, below its title line.
std::string LinesHolding(const std::string& text, std::string part) {
  const auto lower = [](std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
  };
  std::string kept;
  for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
    const std::string line = text.substr(at, end + 2 - at);
    if (at == 0 || Has(lower(line), lower(part))) kept += line;
  }
  return kept;
}

TEST_F(LogviewTest, GrepNarrowsTheListedRowsInTheirSort) {
  std::vector<std::string> sorted = {"events", "--day", "2024-03-05", "--sort", "2,2"};
  const Outcome all = Run(sorted);
  sorted.insert(sorted.end(), {"--grep", "MoTiOn"});
  const Outcome motion = Run(sorted);
  EXPECT_EQ(motion.status, 0) << motion.err;
  EXPECT_EQ(motion.out, LinesHolding(all.out, "motion"));
  EXPECT_GT(Lines(motion.out), 1u);
  EXPECT_LT(Lines(motion.out), Lines(all.out));
  // The time column never names a type.
  sorted.insert(sorted.end(), {"--grep-column", "0"});
  EXPECT_EQ(Lines(Run(sorted).out), 1u);
}

TEST_F(LogviewTest, FailuresEndWithStatusTwo) {
  // Nothing listens on port 1: the remote search cannot reach the server.
  const Outcome remote = Run({"--server", "127.0.0.1:1", "events", "--day", "2024-03-05"});
  EXPECT_EQ(remote.status, 2);
  EXPECT_TRUE(Has(remote.err, "host: 32789 0 0")) << remote.err;

  const Outcome login = Run({"--server", "127.0.0.1:1", "--login", "admin:admin", "events"});
  EXPECT_EQ(login.status, 2);
  EXPECT_TRUE(Has(login.err, "login: 600")) << login.err;

  // A daily file that is no database fails the local search; the dialog
  // tells the user.
  const std::string broken = m_scratch.File("broken");
  m_scratch.Write("broken/db/EventLog/EventLog_20240305.db", "not a database at all");
  const Outcome local = Run({"--root", broken, "events", "--day", "2024-03-05"});
  EXPECT_EQ(local.status, 2);
  EXPECT_TRUE(Has(local.err, "message: Error: Log viewer database is now occupied")) << local.err;
  EXPECT_TRUE(Has(local.err, "results. (" + broken + "/db/EventLog/EventLog_20240305.db: file is not a database)"))
      << local.err;
}

TEST_F(LogviewTest, RemoteSearchListsTheLocalRows) {
  ServerProcess server(Install());
  ASSERT_NE(server.Port(), 0u);
  const std::string address = "127.0.0.1:" + std::to_string(server.Port());
  // The pages, and the remote recorder's pages whose columns differ.
  const std::string sources = Install() + "/vxpp-pos.ini";
  const std::vector<std::vector<std::string>> searches = {
      {"events", "--day", "2024-03-05"},
      {"events", "--day", "2024-03-04", "--type", "General Motion"},
      {"events", "--from", "2024-03-04 12:00:00", "--to", "2024-03-05 06:00:00", "--camera", "[02] Lobby"},
      {"events", "--day", "2024-03-05", "--type", "Signal Lost", "--sort", "2"},
      {"events", "--from", "2024-03-05 08:00:00", "--sort", "3,3"},
      {"events", "--day", "2024-03-05", "--type", "Digital Input Triggered"},
      {"events", "--day", "2024-03-05", "--type", "Edge Tripwire"},
      {"system", "--day", "2024-03-05"},
      {"system", "--day", "2024-03-04", "--type", "User Login"},
      {"--nvr", "system", "--day", "2024-03-05"},
      {"--pos-settings", sources, "metadata", "--day", "2024-03-05", "--sort", "2"},
      {"--pos-settings", sources, "metadata", "--day", "2024-03-04", "--type", "Open Cash Drawer", "--camera", "#2"},
      {"--nvr", "--pos-settings", sources, "metadata", "--from", "2024-03-04 18:00:00", "--sort", "3,3"},
  };
  for (const std::vector<std::string>& search : searches) {
    std::vector<std::string> remote = {"--server", address, "--login", "admin:admin"};
    remote.insert(remote.end(), search.begin(), search.end());
    const Outcome here = Run(search), there = Run(remote);
    EXPECT_EQ(here.status, 0) << here.err;
    EXPECT_EQ(there.status, 0) << there.err;
    std::string named;
    for (const std::string& word : search) named += word + " ";
    EXPECT_GT(Lines(here.out), 1u) << named;
    EXPECT_EQ(there.out, here.out) << named;
  }
  // Edge retrievals: the server sends no description, the rest is the same.
  const auto withoutDescriptions = [](std::string text) {
    std::string kept;
    for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
      const std::string line = text.substr(at, end - at);
      kept += line.substr(0, line.rfind(", ")) + "\n";
    }
    return kept;
  };
  const Outcome edge = Run({"edge", "--day", "2024-03-05"});
  EXPECT_TRUE(Has(edge.out, ", [Deleted], ")) << edge.out;
  EXPECT_EQ(withoutDescriptions(Run({"--server", address, "--login", "admin:admin", "edge", "--day", "2024-03-05"}).out),
            withoutDescriptions(edge.out));
  // The camera list comes from the server.
  EXPECT_EQ(Run({"--server", address, "--login", "admin:admin", "events", "--list-cameras"}).out,
            Run({"events", "--list-cameras"}).out);
}

TEST_F(LogviewTest, CountingPagesAndTheirOptions) {
  // The counting page follows nvrMode: a server search needs --nvr too.
  ServerProcess server(Install());
  const std::vector<std::string> combined = {"counting", "--mode", "combined", "--day", "2024-03-05", "--sort", "2"};
  std::vector<std::string> remote = {"--server", "127.0.0.1:" + std::to_string(server.Port()), "--login",
                                     "admin:admin", "--nvr"};
  remote.insert(remote.end(), combined.begin(), combined.end());
  const Outcome here = Run(combined);
  EXPECT_TRUE(here.out.starts_with("Event Time, Counter, Result\r\n")) << here.err;
  EXPECT_GT(Lines(here.out), 24u);
  EXPECT_EQ(Run(remote).out, here.out);

  // A year: 12 months per series; the analytics day keeps to its hours.
  Outcome year = Run({"diagram", "--period", "year", "--date", "2024-03-05"});
  EXPECT_EQ(year.status, 0) << year.err;
  EXPECT_TRUE(year.out.starts_with("axis 0 ")) << year.out;
  EXPECT_TRUE(Has(year.out, "\nIn\t")) << year.out;
  const Outcome ivs =
      Run({"diagram", "--mode", "ivs", "--date", "2024-03-05", "--hours", "8-18", "--counters", "Entrance In"});
  std::istringstream line(ivs.out.substr(ivs.out.find('\t') + 1));
  std::vector<int> bins{std::istream_iterator<int>(line), std::istream_iterator<int>()};
  ASSERT_GE(bins.size(), 24u) << ivs.out;
  int outside = 0, inside = 0;
  for (size_t hour = 0; hour < 24; ++hour) (hour >= 8 && hour < 18 ? inside : outside) += bins[hour] != 0;
  EXPECT_EQ(outside, 0) << ivs.out;
  EXPECT_GT(inside, 0) << ivs.out;

  const Outcome sorted = Run({"diagram", "--sort", "1"});
  EXPECT_EQ(sorted.status, 64);
  EXPECT_TRUE(Has(sorted.err, "the diagram page has no list")) << sorted.err;
}

// The timeline: every page's rows of the range, merged by time with the
// page's texts; the same from the server; narrowed to cameras on the camera
// pages only.
TEST_F(LogviewTest, TimelineMergesThePagesRowsByTime) {
  const std::vector<std::string> range = {"--from", "2024-03-05 08:00:00", "--to", "2024-03-05 12:00:00"};
  const std::vector<std::string> sources = {"--pos-settings", Install() + "/vxpp-pos.ini"};
  const auto run = [&](std::vector<std::string> before, const std::string& page, std::vector<std::string> after) {
    before.insert(before.end(), sources.begin(), sources.end());
    before.push_back(page);
    before.insert(before.end(), range.begin(), range.end());
    before.insert(before.end(), after.begin(), after.end());
    return Run(before);
  };
  const Outcome timeline = run({}, "timeline", {});
  ASSERT_EQ(timeline.status, 0) << timeline.err;
  ASSERT_TRUE(timeline.out.starts_with("Time, Kind, Details\r\n")) << timeline.out.substr(0, 200);

  // Each kind holds exactly its page's rows, searched with the same viewer
  // options; times never go back, and equal times keep the kind order.
  const std::vector<std::pair<std::string, std::string>> kinds = {
      {"events", "Unusual Event"}, {"system", "System Log"}, {"metadata", "Metadata Log"},
      {"ivs", "IVS Event"},        {"backup", "Export and Backup Log"}, {"edge", "Edge Storage"}};
  // The rows after the title line: each starts with its date; a receipt's
  // lines inside a cell do not.
  const auto rowsOf = [](const std::string& text) {
    std::vector<std::string> rows;
    for (size_t at = text.find("\r\n"), end;
         at != std::string::npos && (end = text.find("\r\n", at + 2)) != std::string::npos; at = end) {
      const std::string line = text.substr(at + 2, end - at - 2);
      if (rows.empty() || (line.size() > 4 && line[4] == '/'))
        rows.push_back(line);
      else
        rows.back() += "\r\n" + line;
    }
    return rows;
  };
  const auto expectMerged = [&](const std::vector<std::string>& viewer, const std::string& merged) {
    std::string previous;
    size_t previousKind = 0;
    std::vector<size_t> counts(kinds.size());
    for (const std::string& row : rowsOf(merged)) {
      const std::string time = row.substr(0, 19), kindText = row.substr(21, row.find(", ", 21) - 21);
      size_t kind = 0;
      while (kind < kinds.size() && kinds[kind].second != kindText) ++kind;
      if (kind == kinds.size()) {
        ADD_FAILURE() << row;
        continue;
      }
      ++counts[kind];
      EXPECT_TRUE(previous < time || (previous == time && previousKind <= kind)) << previous << " then " << row;
      previous = time;
      previousKind = kind;
    }
    for (size_t kind = 0; kind < kinds.size(); ++kind)
      EXPECT_EQ(counts[kind], rowsOf(run(viewer, kinds[kind].first, {}).out).size()) << kinds[kind].first;
    return counts;
  };
  for (const size_t count : expectMerged({}, timeline.out)) EXPECT_GT(count, 0u);
  EXPECT_TRUE(Has(timeline.out, ", Unusual Event, Event Type: General Motion; Camera: ")) << timeline.out;

  // From the server: its pages' rows (the IVS page asks a server only in
  // NVR mode), the same records as here.
  ServerProcess server(Install());
  const std::vector<std::string> there = {"--server", "127.0.0.1:" + std::to_string(server.Port()), "--login",
                                          "admin:admin"};
  const Outcome remote = run(there, "timeline", {});
  EXPECT_EQ(remote.status, 0) << remote.err;
  expectMerged(there, remote.out);
  std::vector<std::string> nvr = there;
  nvr.push_back("--nvr");  // the recorder's pages: Date and Time columns
  expectMerged(nvr, run(nvr, "timeline", {}).out);
  const auto rowsOfKind = [&](const std::string& text, const std::string& kind) {
    std::vector<std::string> rows = rowsOf(text);
    std::erase_if(rows, [&](const std::string& row) { return !Has(row, ", " + kind + ", "); });
    return rows;
  };
  for (const char* kind : {"Unusual Event", "System Log", "Metadata Log", "Export and Backup Log"})
    EXPECT_EQ(rowsOfKind(remote.out, kind), rowsOfKind(timeline.out, kind)) << kind;

  // One camera: only its events and edge steps, every other kind whole.
  const Outcome one = run({"--cameras", "4"}, "timeline", {"--json"});
  EXPECT_EQ(one.status, 0) << one.err;
  EXPECT_TRUE(one.out.starts_with("[\n{\"Time\": \"2024/03/05 08:")) << one.out.substr(0, 100);
  EXPECT_TRUE(Has(one.out, "\"Kind\": \"Unusual Event\", \"Details\": \"Event Type: General Motion; Camera: 05;"));
  EXPECT_TRUE(Has(one.out, "\"Kind\": \"Edge Storage\", \"Details\": \"Type: Check Edge Video; Camera: 05;"));
  EXPECT_FALSE(Has(one.out, "Camera: 01;")) << one.out;
  EXPECT_TRUE(Has(one.out, "\"Kind\": \"System Log\"")) << one.out;

  const Outcome exported = run({}, "timeline", {"--export", m_scratch.File("incident.csv")});
  EXPECT_EQ(exported.status, 0) << exported.err;
  const std::string csv = ReadWholeFile(m_scratch.File("incident.csv"));
  EXPECT_TRUE(csv.starts_with("Time,Kind,Details,\r\n")) << csv.substr(0, 100);
  EXPECT_EQ(Lines(csv), Lines(timeline.out));

  for (const auto& [args, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"timeline", "--from", "2024-03-05 00:00:00"}, "the timeline needs --from and --to"},
           {{"timeline", "--day", "2024-03-05"}, "not the selectors, --day or --sort"},
           {{"--cameras", "99", "timeline", "--from", "2024-03-05 00:00:00", "--to", "2024-03-05 01:00:00"},
            "--cameras: no camera 99 in a camera list of 18 cameras"}}) {
    const Outcome wrong = Run(args);
    EXPECT_EQ(wrong.status, 64);
    EXPECT_TRUE(Has(wrong.err, message)) << wrong.err;
  }
}

}  // namespace
