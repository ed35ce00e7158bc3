#include "tools/logview/follow_run.h"

#include <signal.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <csignal>

#include "pages/common/page_export.h"
#include "tools/logview/listed_row.h"
#include "tools/logview/row_follower.h"
#include "ui/button_model.h"
#include "ui/date_time_picker_model.h"

namespace {

volatile std::sig_atomic_t g_stopRequested = 0;

void RequestStop(int) { g_stopRequested = 1; }

// SIGINT and SIGTERM end the follow loop instead of the process.
void CatchStopSignals() {
  struct sigaction action = {};
  action.sa_handler = RequestStop;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

// Waits `ms`, or less when a stop signal comes.
void Pause(int ms) {
  constexpr int kSliceMs = 20;
  for (int waited = 0; waited < ms && !g_stopRequested; waited += kSliceMs) {
    const timespec slice{0, std::min(kSliceMs, ms - waited) * 1000000L};
    nanosleep(&slice, nullptr);
  }
}

// Where the first search began: the next ones start there until a row is shown.
CDateTime FirstSearchStart(const CPageControls& c) {
  if (c.dayPicker != nullptr && c.dayPicker->IsChecked()) return c.dayPicker->GetTime();
  if (c.startPicker != nullptr && c.startPicker->IsChecked()) return c.startPicker->GetTime();
  return CDateTime::Null();
}

class Follow {
 public:
  Follow(const LogviewOptions& options, FILE* out, const SearchedPage& searched)
      : m_options(options), m_out(out), m_c(searched.controls), m_host(searched.host) {}

  int Run() {
    if (m_host.SearchFailed()) return kExitSearchFailed;
    if (m_c.startPicker == nullptr) {
      std::fprintf(stderr, "logview: --follow: the %s page has no start picker\n", m_options.page.c_str());
      return kExitUsage;
    }
    const CDateTime firstStart = FirstSearchStart(m_c);
    m_titles = ColumnTitles(*m_c.list);
    if (!m_options.jsonl) Write(ListTextLine(m_titles));
    Print();
    // Rounds begin every interval, however long a search took.
    auto roundStart = std::chrono::steady_clock::now();
    while (!g_stopRequested) {
      const auto searched =
          std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - roundStart);
      Pause(m_options.intervalMs - static_cast<int>(searched.count()));
      if (g_stopRequested) break;
      roundStart = std::chrono::steady_clock::now();
      const CDateTime last = TimeOfKey(m_follower.LastKey());
      SearchFrom(last.IsValid() ? last : firstStart);
      Print();
    }
    return kExitSearchRan;
  }

 private:
  // Searches from `start` with the end left open; a failed round is told on
  // standard error by the page's own report and the next round tries again.
  void SearchFrom(const CDateTime& start) {
    if (start.IsValid()) {
      m_c.startPicker->UserSetTime(start);
    } else {
      m_c.startPicker->UserSetCheck(false);
      if (m_c.dayPicker != nullptr) m_c.dayPicker->UserSetCheck(false);
    }
    if (m_c.endPicker != nullptr) m_c.endPicker->UserSetCheck(false);
    m_c.searchButton->Click();
    m_host.DeliverPosted();
  }

  void Print() {
    const std::vector<CListRowView> rows =
        m_follower.NewRows(m_c.list->DrawRows(0, m_c.list->GetItemCount()));
    std::string out;
    for (const CListRowView& row : rows)
      out += m_options.jsonl ? JsonRowObject(m_titles, row, m_c.imagesArePlayStates) + "\n" : ListTextLine(row.texts);
    Write(out);
  }

  void Write(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), m_out);
    std::fflush(m_out);
  }

  const LogviewOptions& m_options;
  FILE* const m_out;
  const CPageControls& m_c;
  LogviewHost& m_host;
  std::vector<std::string> m_titles;
  RowFollower m_follower;
};

}  // namespace

ListTaker FollowList(const LogviewOptions& options, FILE* out) {
  CatchStopSignals();
  return [&options, out](const SearchedPage& searched) { return Follow(options, out, searched).Run(); };
}
