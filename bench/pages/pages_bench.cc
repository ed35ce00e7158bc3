// The event page over a generated installation whose searched range holds
// about 1,000,000 events of the kinds the page lists (and the analytics
// events of another page besides), each step measured against what it
// cannot do without (the metadata, edge storage, IVS and export-and-backup
// pages' searches too, over the register records, retrieval steps, analytics
// events and system log records of the same days, each against the engine's
// bare search of its own filter):
//
//   search  the page's search, rows built      vs  the engine's bare search of
//           and counted into the list               the same files (a row
//                                                   callback that keeps nothing),
//                                                   and bare sqlite3_exec of its
//                                                   statement over them
//   sort    a header click on each column      vs  std::stable_sort of a 32-bit
//                                                   index by the same key
//   export  the page's export to CSV           vs  the same bytes written with
//                                                   one buffered stream
//
// Rounds interleave each pair, timed in CPU seconds of the process; medians
// and their ratios are printed, with the peak heap of the page's search per
// listed row.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "bench/common/bare_scan.h"
#include "bench/common/bench_arguments.h"
#include "bench/common/bench_clock.h"
#include "bench/common/bench_report.h"
#include "bench/common/bench_viewer_context.h"
#include "bench/common/heap_meter.h"
#include "config/initial_file.h"
#include "config/pos_settings_ini.h"
#include "lang/vx_trans.h"
#include "pages/edge/edge_record_log_page.h"
#include "pages/ivs/ivs_log_page.h"
#include "pages/event/vantor_event_log_page.h"
#include "pages/pos/vantor_pos_log_page.h"
#include "pages/video/vantor_video_log_page.h"
#include "platform/paths.h"
#include "store/event_log_query_ctrl.h"
#include "store/log_root_folder.h"
#include "store/system_log_query_ctrl.h"
#include "tools/vxpp-server/registry_cameras.h"
#include "ui/edit_model.h"
#include "ui/message_box.h"

namespace {

namespace fs = std::filesystem;
using Clock = bench::CpuClock;
using bench::Median;
using bench::Seconds;

// Ten days of 118,000 events, of which some 100,000 a day are of the kinds
// the page lists: the search covers all ten days.
constexpr bench::InstallationShape kShape{10, 118000, "2024-01-31"};
const CDateTime kFirstDay = CDateTime::FromFields(2024, 1, 22);
const CDateTime kLastMoment = CDateTime::FromFields(2024, 1, 31, 23, 59, 59);

// The engine alone: every row of the range read and handed to a callback
// that keeps nothing.  `scan`, when given, learns its files and statement.
template <class Record>
double BareSearch(const std::string& root, size_t* records, bench::BareScanOf* scan = nullptr,
                  const typename LogTable<Record>::Filter& filter = {}) {
  const auto start = Clock::now();
  CVxEventLogQueryCtrl<Record> query;
  query.SetRowCallback([](const Record&, void* count) { ++*static_cast<size_t*>(count); }, records);
  query.Initialise(root);
  int ignored = 0;
  query.Search(filter, kFirstDay, kLastMoment, &ignored);
  const double took = Seconds(start);
  if (scan != nullptr) *scan = {query.Files().FilesOpened(), query.LastStatement()};
  return took;
}

// The system log engine alone, collecting its records as the pages that
// list them do.
double BareSystemLogSearch(const std::string& root, size_t* records) {
  const auto start = Clock::now();
  CVxSystemLogQueryCtrl query;
  query.Initialise(root);
  int count = 0;
  query.Search(std::nullopt, kFirstDay, kLastMoment, &count);
  *records = query.GetResults().size();
  return Seconds(start);
}

double PageSearch(CSearchLogPage& page, double* bytesPerRow) {
  page.ClearList();
  const bench::HeapMeter heap;
  const auto start = Clock::now();
  page.Controls().searchButton->Click();
  const double took = Seconds(start);
  *bytesPerRow = double(heap.PeakGrowth()) / double(std::max(page.Controls().list->GetItemCount(), 1));
  return took;
}

// The key each column sorts by, read from a row.
template <class Compare>
void SortIndex(std::vector<uint32_t>& index, const std::vector<const EventListItem*>& rows, int column, Compare less) {
  switch (column) {
    case 0:
      std::stable_sort(index.begin(), index.end(),
                       [&](uint32_t a, uint32_t b) { return less(rows[a]->MomentText(), rows[b]->MomentText()); });
      break;
    case 1:
      std::stable_sort(index.begin(), index.end(),
                       [&](uint32_t a, uint32_t b) { return less(rows[a]->eventNumber, rows[b]->eventNumber); });
      break;
    case 2:
      std::stable_sort(index.begin(), index.end(),
                       [&](uint32_t a, uint32_t b) { return less(rows[a]->cameraText, rows[b]->cameraText); });
      break;
    default:
      std::stable_sort(index.begin(), index.end(),
                       [&](uint32_t a, uint32_t b) { return less(rows[a]->description, rows[b]->description); });
      break;
  }
}

// A std::stable_sort of a 32-bit index over the page's rows in their
// present order, by `column`'s key in `direction`.
double BareSort(const CVantorEventLogPage& page, int column, int direction) {
  std::vector<const EventListItem*> rows;
  rows.reserve(page.RowCount());
  for (size_t i = 0; i < page.RowCount(); ++i) rows.push_back(&page.RowAt(i));
  std::vector<uint32_t> index(rows.size());
  std::iota(index.begin(), index.end(), 0u);
  const auto start = Clock::now();
  if (direction == 0)
    SortIndex(index, rows, column, [](const auto& a, const auto& b) { return a < b; });
  else
    SortIndex(index, rows, column, [](const auto& a, const auto& b) { return b < a; });
  return Seconds(start);
}

double PageSort(CVantorEventLogPage& page, int column) {
  const auto start = Clock::now();
  page.Controls().list->ClickHeader(column);
  return Seconds(start);
}

// The direction the next click on `column` sorts in.
int NextDirection(CLogListCtrl& list, int column) {
  return list.GetSortColumn() == column ? 1 - list.GetSortDirection() : 0;
}

// The bytes the page's CSV export writes, from the rows' own texts, through
// one buffered stream.
double BareExport(const CVantorEventLogPage& page, const std::unordered_map<int, std::string>& typeTexts,
                  const std::string& path) {
  fs::remove(path);
  const auto start = Clock::now();
  std::ofstream out(path, std::ios::binary);
  out << "Event Time,Event Type,Camera,Description,\r\n";
  for (size_t i = 0; i < page.RowCount(); ++i) {
    const EventListItem& row = page.RowAt(i);
    const std::string& type = typeTexts.at(row.eventNumber);
    const std::string_view description = row.eventNumber == 9 ? std::string_view(type) : row.description;
    for (std::string_view field : {row.MomentText(), std::string_view(type), row.cameraText, description}) {
      out.write(field.data(), static_cast<std::streamsize>(field.size()));
      out.put(',');
    }
    out.write("\r\n", 2);
  }
  out.close();
  return Seconds(start);
}

double PageExport(CVantorEventLogPage& page, const std::string& path) {
  fs::remove(path);
  const auto start = Clock::now();
  page.ExportTo(path);
  return Seconds(start);
}

// The word typed into the find box, one letter a keystroke: an event type
// and a word of many descriptions.
constexpr std::string_view kTypedWord = "motion";

// Every row's cells searched for `typed` (lower case), ASCII case ignored:
// what narrowing cannot do without, from the rows' own texts.
double BareNarrow(const CVantorEventLogPage& page, const std::unordered_map<int, std::string>& typeTexts,
                  std::string_view typed, size_t* kept) {
  const auto holds = [typed](std::string_view cell) {
    return std::search(cell.begin(), cell.end(), typed.begin(), typed.end(), [](char a, char b) {
             return std::tolower(static_cast<unsigned char>(a)) == b;
           }) != cell.end();
  };
  const auto start = Clock::now();
  *kept = 0;
  for (size_t i = 0; i < page.RowCount(); ++i) {
    const EventListItem& row = page.RowAt(i);
    if (holds(row.MomentText()) || holds(typeTexts.at(row.eventNumber)) || holds(row.cameraText) ||
        holds(row.description))
      ++*kept;
  }
  return Seconds(start);
}

// One keystroke in the find box.
double PageNarrow(CVantorEventLogPage& page, std::string_view typed) {
  const auto start = Clock::now();
  page.Controls().findBox->UserSetText(std::string(typed));
  return Seconds(start);
}

}  // namespace

int main(int argc, char** argv) {
  const auto arguments = bench::PrepareBench(argc, argv, LOGVIEW_BENCH_CACHE, kShape, LOGVIEW_DEMO_TOOL);
  if (!arguments) return 1;
  const int rounds = arguments->rounds;
  const std::string& folder = arguments->folder;
  platform::SetInstallFolder(folder);
  const std::string root = LogRootFolder(folder);
  const std::string csv = folder + "/.bench-export.csv";
  const std::string bareCsv = folder + "/.bench-export-bare.csv";

  bench::BenchContext context(root);
  for (const auto& camera : vxpp_server::ReadRegistryCameras(root)) {
    context.names.push_back(camera.name);
    context.ids.push_back(camera.id);
  }
  CInitialFile sources;
  if (sources.Load(folder + "/vxpp-pos.ini")) context.posSettings = PosSettingsFromIni(sources);
  CVantorEventLogPage page;
  CVantorPosLogPage posPage;
  CVantorEdgeRecordLogPage edgePage;
  CIVSLogPage ivsPage;
  CVantorVideoLogPage videoPage;
  for (CSearchLogPage* each :
       std::initializer_list<CSearchLogPage*>{&page, &posPage, &edgePage, &ivsPage, &videoPage}) {
    each->SetOwner(&context);
    each->Create();
    each->Controls().startPicker->UserSetTime(kFirstDay);
    each->Controls().endPicker->UserSetTime(kLastMoment);
  }

  bench::BenchReport report("pages", arguments->json);
  bench::BareScanOf scan;
  std::vector<double> bareExec, bareSearch, pageSearch, bareExport, pageExport, barePos, pagePos, bareEdge, pageEdge;
  size_t posRecords = 0, edgeRecords = 0, ivsRecords = 0, systemRecords = 0;
  double posBytesPerRow = 0, edgeBytesPerRow = 0, ivsBytesPerRow = 0, videoBytesPerRow = 0;
  std::vector<double> bareIvs, pageIvs, bareVideo, pageVideo;
  EventLogFilter ivsEvents;  // the analytics events of every device, as the page asks for them
  ivsEvents.event = EventNumberFilter{10000, -1};
  std::vector<std::vector<double>> bareSort(4), pageSort(4);
  size_t records = 0;
  double bytesPerRow = 0;
  std::unordered_map<int, std::string> typeTexts;
  std::vector<double> bareNarrow, pageNarrow;
  size_t narrowed = 0;
  for (int round = 0; round < rounds; ++round) {
    records = 0;
    bareSearch.push_back(BareSearch<EventLogBasket>(root, &records, &scan));
    const auto execStart = Clock::now();
    bench::BareScan(root + "/db/EventLog/", scan.files, scan.statement);
    bareExec.push_back(Seconds(execStart));
    pageSearch.push_back(PageSearch(page, &bytesPerRow));
    if (typeTexts.empty()) {
      // The type names as the page shows them, for the bare export.
      for (size_t i = 0; i < page.RowCount(); ++i)
        typeTexts.try_emplace(page.RowAt(i).eventNumber, page.GetItemText(static_cast<int>(i), 1));
    }
    for (int column = 0; column < 4; ++column) {
      bareSort[column].push_back(BareSort(page, column, NextDirection(*page.Controls().list, column)));
      pageSort[column].push_back(PageSort(page, column));
    }
    for (size_t letters = 1; letters <= kTypedWord.size(); ++letters) {
      bareNarrow.push_back(BareNarrow(page, typeTexts, kTypedWord.substr(0, letters), &narrowed));
      pageNarrow.push_back(PageNarrow(page, kTypedWord.substr(0, letters)));
    }
    if (static_cast<size_t>(page.Controls().list->GetItemCount()) != narrowed)
      std::printf("warning: the find box kept %d rows, the bare search %zu\n", page.Controls().list->GetItemCount(),
                  narrowed);
    page.Controls().findBox->UserSetText("");
    bareExport.push_back(BareExport(page, typeTexts, bareCsv));
    pageExport.push_back(PageExport(page, csv));
    posRecords = edgeRecords = 0;
    barePos.push_back(BareSearch<PosEventLogBasket>(root, &posRecords));
    pagePos.push_back(PageSearch(posPage, &posBytesPerRow));
    bareEdge.push_back(BareSearch<EdgeRecordLogBasket>(root, &edgeRecords));
    pageEdge.push_back(PageSearch(edgePage, &edgeBytesPerRow));
    ivsRecords = 0;
    bareIvs.push_back(BareSearch<EventLogBasket>(root, &ivsRecords, nullptr, ivsEvents));
    pageIvs.push_back(PageSearch(ivsPage, &ivsBytesPerRow));
    bareVideo.push_back(BareSystemLogSearch(root, &systemRecords));
    pageVideo.push_back(PageSearch(videoPage, &videoBytesPerRow));
    std::printf("round %d of %d done\n", round + 1, rounds);
    std::fflush(stdout);
  }
  const bool sameBytes = fs::file_size(csv) == fs::file_size(bareCsv);
  fs::remove(csv);
  fs::remove(bareCsv);

  std::printf("\n%d events stored in range, %zu of them read by the search, %zu rows listed, %d rounds (medians)\n",
              kShape.days * kShape.eventsPerDay, records, page.RowCount(), rounds);
  const auto line = [&report](const char* what, double bare, double measured, double goal) {
    report.Add(std::string(what) + " ratio", measured / bare);
    std::printf("%-22s bare %8.3f s   page %8.3f s   ratio %5.2f  (goal <= %.1f)\n", what, bare, measured,
                measured / bare, goal);
  };
  line("search and rows", Median(bareSearch), Median(pageSearch), 1.8);
  line("search vs bare SQLite", Median(bareExec), Median(pageSearch), 1.5);
  const char* const columns[] = {"sort Event Time", "sort Event Type", "sort Camera", "sort Description"};
  for (int column = 0; column < 4; ++column)
    line(columns[column], Median(bareSort[column]), Median(pageSort[column]), 1.2);
  line("export to CSV", Median(bareExport), Median(pageExport), 1.5);
  std::printf("%-22s bare %8.3f s   page %8.3f s   ratio %5.2f  (goal: page <= 0.100 s; \"%s\" keeps %zu rows)\n",
              "narrow per keystroke", Median(bareNarrow), Median(pageNarrow), Median(pageNarrow) / Median(bareNarrow),
              std::string(kTypedWord).c_str(), narrowed);
  std::printf("peak heap of the search per listed row: %.0f bytes\n", bytesPerRow);
  std::printf("\n%zu register records and %zu edge retrieval steps in range\n", posRecords, edgeRecords);
  line("metadata search, rows", Median(barePos), Median(pagePos), 1.3);
  line("edge search, rows", Median(bareEdge), Median(pageEdge), 1.3);
  std::printf("peak heap per listed row: metadata %.0f bytes, edge %.0f bytes\n", posBytesPerRow, edgeBytesPerRow);
  std::printf("\n%zu analytics events, %zu system log records (%zu of them export and backup rows) in range\n",
              ivsRecords, systemRecords, static_cast<size_t>(videoPage.Controls().list->GetItemCount()));
  line("IVS search, rows", Median(bareIvs), Median(pageIvs), 1.3);
  line("backup search, rows", Median(bareVideo), Median(pageVideo), 1.3);
  std::printf("peak heap per listed row: IVS %.0f bytes, backup %.0f bytes\n", ivsBytesPerRow, videoBytesPerRow);
  if (!sameBytes) std::printf("warning: the page's export and the bare export differ in size\n");
  return report.Finish() ? 0 : 1;
}
