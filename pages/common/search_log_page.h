// CSearchLogPage: the base of every log page that searches and lists: a type
// selector, an optional second selector (camera, channel, device ...), the
// day or start and end pickers, "Search", "Export to...", "Export to Excel
// workbook...", the find box that narrows the list (list_narrowing.h) and
// the virtual list whose cells the page serves, by page row.  The base builds and links these
// controls, connects their signals (once, when the page is created), sends
// header clicks to the page's sort rule, exports the list by the chosen
// extension and reports failed searches; a page supplies its type choices,
// its columns, a search that fills its rows, the cells and the sort rule.
//
// Where controls lie on screen is the window binding's business: the page
// only names them.
//
// Ownership: the viewer dialog owns the page, must be set as its owner
// before Create and outlives it; the page owns its controls, its rows and
// the protocol client it makes on first use, through the owner.
// Long searches: a search runs on the user-interface thread.  While it runs
// the page disables what must not be started again (the selectors, the
// pickers, Search, Export), shows its progress text and a Cancel button, and
// tells the owner of its progress at most every kProgressInterval
// (IViewerContext::SearchProgressed), where a window front end lets its
// events run.  Cancel, from there, ends the search soon; the rows read so
// far stay listed and the progress text says the search was cancelled.
// Without a front end nothing runs during a search and nothing differs.
//
// Threads: the user-interface thread only; a search blocks it.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pages/common/date_range_pickers.h"
#include "pages/common/list_narrowing.h"
#include "pages/common/page_client.h"
#include "pages/common/page_column.h"
#include "pages/common/page_export.h"
#include "pages/common/page_workbook.h"
#include "pages/common/similar_rows.h"
#include "pages/common/tab_page_ex.h"
#include "protocol/ivxpp_client.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/log_list_ctrl.h"

// An entry of a selector: the text shown (translated) and its item value.
struct SelectorChoice {
  std::string text;
  int64_t value;
};

class CSearchLogPage : public CTabPageEx, public IListItemProvider {
 public:
  static constexpr const char* kExportFilter = "CSV Files (*.csv)|*.csv|Text Files (*.txt)|*.txt||";
  static constexpr const char* kExportExtension = "csv";
  static constexpr const char* kWorkbookFilter = "Excel Workbooks (*.xlsx)|*.xlsx||";
  static constexpr const char* kWorkbookExtension = "xlsx";
  // The box of an export that did not write its file: "Cannot write PATH:
  // REASON" under this caption (string 80, "Error").
  static constexpr int kErrorCaption = 80;

  // The fixed texts that differ from page to page.
  struct Texts {
    const char* typeLabel;            // "Event Type:", "Log Type:" ...
    const char* secondLabel;          // "Camera:" ...; null: no second selector
    const char* exportFilter = kExportFilter;
  };

  ~CSearchLogPage() override;

  static constexpr std::chrono::milliseconds kProgressInterval{30};

  // "Search": with a valid range the page's search runs; a start after the
  // end empties the list and searches nothing.  Ignored while a search runs.
  void Search();
  bool IsSearching() const { return m_searching; }
  // Ends the running search at its next step (safe from within the owner's
  // SearchProgressed); nothing when none runs.
  void CancelSearch();
  // "Export to...": asks the owner's save dialog for a path, then ExportTo.
  void Export();
  // Writes the list, in its current order, to `path` in the form
  // ExportFormFor gives (by default ".csv" or ".txt", any case; any other
  // extension writes nothing).  A file that could not be
  // written is reported to the user through the owner.  False when nothing
  // or not all was written.
  bool ExportTo(const std::string& path);
  // "Export to Excel workbook...": asks the owner's save dialog for an .xlsx
  // path, then ExportWorkbookTo.
  void ExportWorkbook();
  // Writes the list, as it is listed, and where its rows came from to `path`
  // as a workbook (page_workbook.h); a file not written is reported as
  // ExportTo reports it.
  bool ExportWorkbookTo(const std::string& path);
  // What the workbook's "Source" sheet says: where the page searched, the
  // page, its selectors, the find text, the range, the rows and when.
  std::vector<WorkbookFact> WorkbookSource() const;

  // The row menu's entry `item` chosen on the list's row `listRow` (the
  // entries SimilarChoices gives for ShowSimilarColumns): sets the
  // selectors to the row's entries, as the user would, and searches.  False,
  // searching nothing, when a selector has no entry shown as the row's text.
  bool ShowSimilar(int listRow, int item);

  // Fills the type selector again from TypeChoices() and selects its first
  // entry.  The dialog calls it each time it adds the tab, so that switches
  // the host changed since take effect.
  void RebuildTypeSelector();

  // CTabPageEx
  void ClearList() override;
  CPageControls Controls() override;

 protected:
  CSearchLogPage(int templateId, std::string languageSection, Texts texts);

  // The type selector's entries, in order (the first is selected).
  virtual std::vector<SelectorChoice> TypeChoices() = 0;
  // The list's columns, in order.
  virtual std::vector<PageColumn> Columns() const = 0;
  // Searches `range` and shows what it found (ShowRows).
  virtual void RunSearch(const CDateRange& range) = 0;
  virtual size_t RowCount() const = 0;
  virtual void ClearRows() = 0;
  // Sorts the rows by the column at `column` (a valid index), smaller keys
  // first for direction 0.
  virtual void SortRows(int column, int direction) = 0;
  // After the type selector changed (by the user or by a rebuild).
  virtual void OnTypeChosen() {}
  // The columns that show the entries of the type and second selectors, for
  // "Show similar"; by default none (the page offers no row menu).
  virtual SimilarColumns ShowSimilarColumns() const { return {}; }
  // The index of the entry of `selector` that the page's row `pageRow` shows
  // in `column`, for "Show similar"; -1 for none.  By default the entry shown
  // as the cell's text.
  virtual int SimilarEntry(const CComboBoxModel& selector, int pageRow, int column) {
    return FindShown(selector, GetItemText(pageRow, column));
  }
  // The form an export to `path` writes; the base goes by the extension.
  virtual ExportForm ExportFormFor(const std::string& path) const { return ExportFormOf(path); }

  // Builds the controls; a page that extends it calls it first.
  void OnCreate() override;

  // Lists the rows held (narrowed by the find box's text).
  void ShowRows();
  // The page's row shown at the list's row `listRow`: a row the list
  // reports (a double click, a menu choice) is a list row.
  int PageRowOf(int listRow) const { return m_narrowing.PageRow(listRow); }
  // What a search has read so far: rows, with the files done of files to
  // read that ReportFilesRead last gave (0 of 0 when the search reads no
  // files).  Changes the progress text and tells the owner, at most every
  // kProgressInterval.
  void ReportProgress(size_t rowsRead);
  // The same after a file: the files figures are kept for later reports.
  void ReportFilesRead(size_t rowsRead, size_t filesDone, size_t filesToRead);
  // The same from a local search's row callback, once per record: the
  // clock is read on the first call of a search and on every
  // kRecordsPerClockRead-th after, since reading it costs more than making
  // a row does.
  void ReportRecordRead(size_t rowsRead) {
    if (m_recordsRead++ % kRecordsPerClockRead == 0) ReportProgress(rowsRead);
  }
  // Runs `search`, a local query's Search: the query's file progress is
  // reported with RowCount() rows, Cancel interrupts it (InterruptLocalQuery),
  // and a failure that was not a cancel is told with the file and SQLite's
  // reason.  `Query` is a CVxEventLogQueryCtrl.
  template <class Query>
  void RunLocalQuery(Query& query, const std::function<bool()>& search) {
    query.SetFileProgress([this](size_t done, size_t toRead) { ReportFilesRead(RowCount(), done, toRead); });
    m_interruptLocalQuery = [&query] { query.Interrupt(); };
    const bool ok = search();
    m_interruptLocalQuery = nullptr;
    if (!ok && !SearchCancelled()) TellSearchFailed(query.Files().StopReason(query.LastError()));
  }
  // Interrupts the query RunLocalQuery runs; false when none runs.
  bool InterruptLocalQuery();
  // Stops the page's running search at its next step (the store's query,
  // the client's command); called by CancelSearch.  The base stops nothing:
  // the search then ends by itself.
  virtual void AbortSearch() {}
  // Whether the search under way (or the last one) was cancelled: a page
  // does not report a cancelled search as failed.
  bool SearchCancelled() const { return m_cancelled; }
  // The failed-search path: a search that failed tells the dialog
  // (kMsgSearchFailed, sent; lParam points to `reason` when there is one,
  // such as the database's own error); one that could not reach the server
  // tells `host` (kMsgRemoteRequestFailed, posted), when there is one.
  void TellSearchFailed(const std::string& reason = std::string());
  void TellServerUnreachable(platform::CWnd* host);

  // The page's protocol client, on the settings' port, ticking the owner's
  // SearchProgressed while it waits.  Made once (again only when the
  // viewer's nvrMode changed).
  IVXPPClient& Client();

  CComboBoxModel& TypeSelector() { return m_typeSelector; }
  const CComboBoxModel& TypeSelector() const { return m_typeSelector; }
  // Only for a page with a second selector.
  CComboBoxModel& SecondSelector() { return m_secondSelector; }
  const CComboBoxModel& SecondSelector() const { return m_secondSelector; }
  CDateRangePickers& Pickers() { return m_pickers; }
  CLogListCtrl& List() { return m_list; }
  std::vector<CConnection>& Connections() { return m_connections; }

 private:
  // Disables the controls that start or change a search, shows the progress
  // text and Cancel; EndSearch undoes that and, after a cancel, says so.
  void BeginSearch();
  void EndSearch();
  std::vector<CWindowModel*> SearchInputs();

  const Texts m_texts;
  CWindowModel m_typeLabel;
  CComboBoxModel m_typeSelector;
  CWindowModel m_secondLabel;
  CComboBoxModel m_secondSelector;
  CWindowModel m_dayLabel;
  CWindowModel m_rangeLabel;
  CWindowModel m_toLabel;
  CDateRangePickers m_pickers;
  CButtonModel m_searchButton;
  CButtonModel m_exportButton;
  CButtonModel m_workbookButton;
  CWindowModel m_progressText;
  CButtonModel m_cancelButton;
  CLogListCtrl m_list;
  CListNarrowing m_narrowing;
  std::vector<CConnection> m_connections;
  CPageClient m_client;
  bool m_searching = false;
  bool m_cancelled = false;
  std::vector<bool> m_enabledBeforeSearch;  // SearchInputs() as they were
  std::chrono::steady_clock::time_point m_lastProgress;
  size_t m_filesDone = 0, m_filesToRead = 0;  // as ReportFilesRead last gave them
  static constexpr size_t kRecordsPerClockRead = 64;
  size_t m_recordsRead = 0;  // ReportRecordRead calls of this search
  std::function<void()> m_interruptLocalQuery;  // while RunLocalQuery runs
};

