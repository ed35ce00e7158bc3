// Searches of a 30-day installation (100,000 events a day plus the archive)
// measured against bare SQLite: for each file the search opens, a read-only
// open and sqlite3_exec of the same statement with an empty callback.
//
//   (a) bare SQLite   (b) CVxEventLogQueryCtrl with a row callback keeping
//   each record       (c) the same collecting its results
//
// Two searches: a one-hour window of one day (few rows match) and every file
// without a filter (every row matches).  Rounds interleave a, b and c, each
// timed in CPU seconds of the process; medians are printed with the ratios
// and the peak memory per record of (c).
#include <algorithm>
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "bench/common/bare_scan.h"
#include "bench/common/bench_arguments.h"
#include "bench/common/bench_clock.h"
#include "bench/common/bench_report.h"
#include "bench/common/heap_meter.h"
#include "platform/paths.h"
#include "store/event_log_query_ctrl.h"
#include "store/log_root_folder.h"

namespace {

using bench::Median;

constexpr bench::InstallationShape kShape{30, 100000, "2024-01-31"};

struct Search {
  const char* name;
  TimeBound start, end;
};

struct Measured {
  std::vector<double> bare, callback, collect;
  std::vector<std::string> files;
  std::string statement;
  size_t rows = 0;
  double bytesPerRecord = 0;
  double descriptionLength = 0;
};

// (a): what the engine does at the least, file by file.
double Bare(const std::string& folder, const Measured& m) {
  const double start = bench::CpuSeconds();
  bench::BareScan(folder, m.files, m.statement);
  return bench::CpuSeconds() - start;
}

// (b): a page that keeps every record handed to it, in a deque: a vector
// would copy millions of records each time it grows, and time that growth
// rather than the engine.
double WithCallback(const std::string& root, const Search& s, Measured* m) {
  std::deque<EventLogBasket> kept;
  const double start = bench::CpuSeconds();
  {
    CVxEventLogQueryCtrl<EventLogBasket> ctrl;
    ctrl.SetRowCallback([](const EventLogBasket& r, void* c) {
      static_cast<std::deque<EventLogBasket>*>(c)->push_back(r);
    }, &kept);
    ctrl.Initialise(root);
    int count = 0;
    if (!ctrl.Search(EventLogFilter{}, s.start, s.end, &count)) std::printf("search failed: %s\n", ctrl.LastError().c_str());
    m->files = ctrl.Files().FilesOpened();
    m->statement = ctrl.LastStatement();
  }
  const double took = bench::CpuSeconds() - start;
  m->rows = kept.size();
  return took;
}

// (c): the query collects its results; the peak heap of the search is
// divided by the records it holds.
double Collecting(const std::string& root, const Search& s, Measured* m) {
  CVxEventLogQueryCtrl<EventLogBasket> ctrl;
  const bench::HeapMeter heap;
  const double start = bench::CpuSeconds();
  ctrl.Initialise(root);
  int count = 0;
  ctrl.Search(EventLogFilter{}, s.start, s.end, &count);
  const double took = bench::CpuSeconds() - start;
  if (count > 0) {
    size_t text = 0;
    for (const auto& r : ctrl.GetResults()) text += r->Description.size();
    m->descriptionLength = static_cast<double>(text) / count;
    m->bytesPerRecord = static_cast<double>(heap.PeakGrowth()) / count;
  }
  return took;
}

void Report(const Search& s, const Measured& m, double goalCallback, double goalCollect, const std::string& key,
            bench::BenchReport* report) {
  const double a = Median(m.bare), b = Median(m.callback), c = Median(m.collect);
  std::printf("\n%s: %zu rows from %zu files:", s.name, m.rows, m.files.size());
  for (size_t i = 0; i < m.files.size() && i < 4; ++i) std::printf(" %s", m.files[i].c_str());
  if (m.files.size() > 4) std::printf(" ... %s", m.files.back().c_str());
  std::printf("\n  %s\n", m.statement.c_str());
  std::printf("  (a) bare SQLite     %8.1f ms  (%.2f M rows/s handed over)\n", a * 1e3, m.rows / a / 1e6);
  std::printf("  (b) row callback    %8.1f ms  (b)/(a) = %.2f  goal <= %.2f  %s\n", b * 1e3, b / a,
              goalCallback, b / a <= goalCallback ? "met" : "MISSED");
  std::printf("  (c) collecting      %8.1f ms  (c)/(a) = %.2f", c * 1e3, c / a);
  if (goalCollect > 0) std::printf("  goal <= %.2f  %s", goalCollect, c / a <= goalCollect ? "met" : "MISSED");
  std::printf("\n");
  report->Add(key + ".rows", static_cast<double>(m.rows));
  report->Add(key + ".bare_s", a);
  report->Add(key + ".callback_ratio", b / a);
  report->Add(key + ".collecting_ratio", c / a);
  report->Add(key + ".bytes_per_record", m.bytesPerRecord);
  if (m.rows > 0) {
    const double budget = 2 * (sizeof(EventLogBasket) + m.descriptionLength);
    std::printf("  (c) peak heap %.0f bytes per record; goal <= 2 x (%zu + %.1f) = %.0f  %s\n",
                m.bytesPerRecord, sizeof(EventLogBasket), m.descriptionLength, budget,
                m.bytesPerRecord <= budget ? "met" : "MISSED");
  }
}

}  // namespace

int main(int argc, char** argv) {
  const auto arguments = bench::PrepareBench(argc, argv, LOGVIEW_BENCH_CACHE, kShape, LOGVIEW_DEMO_TOOL);
  if (!arguments) return 1;
  const int rounds = arguments->rounds;
  const std::string& root = arguments->folder;
  platform::SetInstallFolder(root);
  const std::string folder = root + "/db/EventLog/";

  const Search searches[] = {
      {"one hour of 2024-01-15", CDateTime::FromFields(2024, 1, 15, 10, 0, 0),
       CDateTime::FromFields(2024, 1, 15, 10, 59, 59)},
      {"every file, no filter", std::nullopt, std::nullopt},
  };
  Measured measured[2];
  bench::BenchReport report("store", arguments->json);
  std::printf("%d rounds, medians of CPU time\n", rounds);
  for (int round = 0; round < rounds; ++round) {
    for (int i = 0; i < 2; ++i) {
      Measured& m = measured[i];
      if (m.files.empty()) WithCallback(root, searches[i], &m);  // learn the files and statement first
      m.bare.push_back(Bare(folder, m));
      m.callback.push_back(WithCallback(root, searches[i], &m));
      m.collect.push_back(Collecting(root, searches[i], &m));
    }
  }
  Report(searches[0], measured[0], 1.0, 0, "one_hour", &report);
  Report(searches[1], measured[1], 1.3, 1.5, "every_file", &report);
  return report.Finish() ? 0 : 1;
}
