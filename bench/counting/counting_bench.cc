// The counting pages over a year (2023) of basic counting: 16 cameras, each
// reporting every quarter of an hour, one daily file a day -- 560,640
// records.  Each step is measured against what it cannot do without:
//
//   diagram   the year view of one camera: search,   vs  the engine's bare
//             bins and the picture drawn                  collecting search of
//                                                         the same records
//   counting  the counting page's search of every    vs  the engine's bare
//             camera over the year, rows built            search of the same
//             and counted into the list                   files (a row callback
//                                                         that keeps nothing)
//
// Rounds interleave each pair; medians and their ratios are printed.  Times
// are the process's CPU time, not the wall clock: on a shared machine the
// wall clock mostly measures the other programs.
#include <sqlite3.h>

#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/common/bench_clock.h"
#include "bench/common/bench_viewer_context.h"
#include "pages/counting/counter_diagram_page.h"
#include "pages/counting/counter_log_page.h"
#include "platform/env.h"
#include "platform/paths.h"
#include "store/event_log_query_ctrl.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/date_time_picker_model.h"

namespace {

namespace fs = std::filesystem;
using bench::Median;

// CPU seconds this process has used.
double CpuNow() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

constexpr int kCameras = 16;
constexpr int kReportsPerHour = 4;
constexpr const char* kStamp = "counting-year-2023-16x4";
const CDateTime kFirst = CDateTime::FromFields(2023, 1, 1);
const CDateTime kLast = CDateTime::FromFields(2023, 12, 31, 23, 59, 59);

bool Exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

// One daily file per day of 2023, written once and kept while its stamp says so.
bool WriteYear(const std::string& root) {
  const fs::path stamp = fs::path(root) / "stamp";
  std::string text;
  if (platform::Env::Default()->ReadFile(stamp.string(), &text) && text == kStamp) return true;
  fs::remove_all(root);
  fs::create_directories(fs::path(root) / "db/EventLog");
  for (CDateTime day = kFirst; day < kLast; day = day + CDateTime::kTicksPerDay) {
    sqlite3* db = nullptr;
    const std::string path = root + "/db/EventLog/" + day.DailyFileName("EventLog");
    bool ok = sqlite3_open(path.c_str(), &db) == SQLITE_OK &&
              Exec(db, "CREATE TABLE CounterLog (Id INTEGER PRIMARY KEY, LogTime INTEGER, ChannelIndex INTEGER, "
                       "CameraId INTEGER, CountIn INTEGER, CountOut INTEGER); BEGIN;");
    sqlite3_stmt* insert = nullptr;
    ok = ok && sqlite3_prepare_v2(db, "INSERT INTO CounterLog (LogTime, ChannelIndex, CameraId, CountIn, CountOut) "
                                      "VALUES (?, ?, ?, ?, ?);", -1, &insert, nullptr) == SQLITE_OK;
    for (int slot = 0; ok && slot < 24 * kReportsPerHour; ++slot) {
      const CDateTime at = day + int64_t{slot} * 3600 / kReportsPerHour * CDateTime::kTicksPerSecond;
      for (int camera = 0; ok && camera < kCameras; ++camera) {
        sqlite3_bind_int64(insert, 1, at.QueryLiteral());
        sqlite3_bind_int(insert, 2, camera);
        sqlite3_bind_int(insert, 3, camera + 1);
        sqlite3_bind_int(insert, 4, (slot * 7 + camera * 3) % 23);
        sqlite3_bind_int(insert, 5, (slot * 5 + camera) % 19);
        ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
      }
    }
    sqlite3_finalize(insert);
    ok = ok && Exec(db, "COMMIT;");
    sqlite3_close(db);
    if (!ok) return false;
  }
  return platform::Env::Default()->WriteFileAtomic(stamp.string(), kStamp);
}

double BareCollect(const std::string& root, size_t* records) {
  const double start = CpuNow();
  CVxEventLogQueryCtrl<CounterLog> query;
  query.Initialise(root);
  int count = 0;
  query.Search(CounterLogFilter{1}, kFirst, kLast, &count);
  *records = query.GetResults().size();
  return CpuNow() - start;
}

double BareSearch(const std::string& root, size_t* records) {
  const double start = CpuNow();
  CVxEventLogQueryCtrl<CounterLog> query;
  *records = 0;
  query.SetRowCallback([](const CounterLog&, void* count) { ++*static_cast<size_t*>(count); }, records);
  query.Initialise(root);
  int ignored = 0;
  query.Search(CounterLogFilter{}, kFirst, kLast, &ignored);
  return CpuNow() - start;
}

double Click(CButtonModel& button) {
  const double start = CpuNow();
  button.Click();
  return CpuNow() - start;
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = 5;
  std::string root = LOGVIEW_BENCH_CACHE;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--rounds" && i + 1 < argc)
      rounds = std::max(1, std::atoi(argv[++i]));
    else
      root = argv[i];
  }
  if (!WriteYear(root)) {
    std::fprintf(stderr, "could not write the year of counting into %s\n", root.c_str());
    return 1;
  }
  platform::SetInstallFolder(root);  // the diagram reads the installation's own databases
  bench::BenchContext context(root);
  for (int camera = 1; camera <= kCameras; ++camera) {
    context.names.push_back("Camera " + std::to_string(camera));
    context.ids.push_back(static_cast<uint32_t>(camera));
  }

  CCounterDiagramPage diagram;
  diagram.SetOwner(&context);
  diagram.Create();
  diagram.Show(true);
  diagram.ReadCounterLists();
  diagram.PeriodSelector().UserSelect(2);
  diagram.Controls().dayPicker->UserSetTime(CDateTime::FromFields(2023, 6, 15));

  CCounterLogPage counting;
  counting.SetOwner(&context);
  counting.Create();
  counting.Show(true);
  counting.ReadCounterLists();
  const CPageControls c = counting.Controls();
  c.startPicker->UserSetTime(kFirst);
  c.endPicker->UserSetTime(kLast);

  std::vector<double> bareCollect, drawn, bareSearch, listed;
  size_t collected = 0, read = 0;
  for (int round = 0; round < rounds; ++round) {
    bareCollect.push_back(BareCollect(root, &collected));
    drawn.push_back(Click(*diagram.Controls().searchButton));
    bareSearch.push_back(BareSearch(root, &read));
    counting.ClearList();
    listed.push_back(Click(*c.searchButton));
    std::printf("round %d of %d done\n", round + 1, rounds);
  }
  std::printf("\n%zu records read by the bare search, %d listed by the page, %zu of one camera drawn, "
              "%d rounds (medians)\n", read, c.list->GetItemCount(), diagram.Window().basicRecords.size(), rounds);
  const auto report = [](const char* what, double bare, double measured) {
    std::printf("%-28s bare %8.3f s   page %8.3f s   ratio %5.2f  (goal <= 1.3)\n", what, bare, measured,
                measured / bare);
  };
  report("diagram: year of one camera", Median(bareCollect), Median(drawn));
  report("counting: search and rows", Median(bareSearch), Median(listed));
  return 0;
}
