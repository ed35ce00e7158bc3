// PageDriver: works one page of the viewer as a person would, through the
// controls the page names (CPageControls): picks selector entries, sets the
// pickers, presses Search, clicks column headers, draws every row, and
// prints the page's selector entries or list -- or runs its own export.
//
// Used on the main thread while the page and the host live.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "pages/common/tab_page_ex.h"
#include "pages/counting/counter_diagram_page.h"
#include "tools/logview/logview_host.h"
#include "tools/logview/logview_options.h"

// A page after its search (and header clicks), for what takes its list over.
struct SearchedPage {
  CTabPageEx& page;
  const CPageControls& controls;
  LogviewHost& host;
};
// Takes the list over instead of printing it (following it, handing it to
// another process); returns the exit status.
using ListTaker = std::function<int(const SearchedPage&)>;

// Writes the list as one JSON array to `file`: a member per column title
// and "state", the row's image when `withStates`, else null.
void WriteListJson(CLogListCtrl& list, bool withStates, FILE* file);

class PageDriver {
 public:
  PageDriver(const LogviewOptions& options, LogviewHost& host, FILE* out, FILE* err, ListTaker taker = {});

  // Runs the page options in their fixed order and prints the result.
  // Returns the exit status.
  int Run(CTabPageEx& page);

 private:
  int Usage(const std::string& why);
  // The diagram page: its own options, then its bins or its picture.
  int RunDiagram(CCounterDiagramPage& page);
  std::string CheckDiagramOptions() const;
  void PrintBins(CCounterWnd& window);
  // Checks that every option names something the page has, before any
  // control is touched.  Empty when all do.
  std::string CheckOptions(const CPageControls& controls) const;
  int Select(CComboBoxModel& selector, const std::string& item, const char* option);
  void SetPickers(const CPageControls& controls);
  int PrintEntries(const CComboBoxModel& selector);

  const LogviewOptions& m_options;
  LogviewHost& m_host;
  FILE* const m_out;
  FILE* const m_err;
  const ListTaker m_taker;
};
