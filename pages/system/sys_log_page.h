// CSysLogPage: the system log page -- what the recording server did and who
// did it -- in the part both variants share (CSearchLogPage: a log type
// selector, the pickers, Search, "Export to..." and the list).
// CVantorSysLogPage shows the local log types, CNVRSysLogPage (nvrMode) those
// of a remote recorder; the variant decides the type selector, the columns
// and how a record becomes a row.  Whether a search reads the local
// databases or asks the server follows the viewer's remoteCameraList, not
// the variant.
//
// A failed local search shows the records read so far and sends
// kMsgSearchFailed to the dialog; a remote one that could not reach the
// server posts kMsgRemoteRequestFailed to the local event page's host
// window; any other remote failure sends kMsgSearchFailed.
//
// Ownership and threads: as CSearchLogPage.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "pages/common/page_rows.h"
#include "pages/common/search_log_page.h"
#include "pages/system/system_log_rows.h"
#include "pages/system/system_log_types.h"

class CVxSystemLogQueryCtrl;

class CSysLogPage : public CSearchLogPage {
 public:
  static constexpr int kTemplateId = 5002;
  static constexpr const char* kLanguageSection = "log_viewer.system";
  // The save dialog of this page names its first entry after the program
  // the comma-separated file is usually opened with.
  static constexpr const char* kExportFilter = "Excel Files (*.csv)|*.csv|Text Files (*.txt)|*.txt||";

  // IListItemProvider: cells are served from the rows; rows have no image.
  std::string GetItemText(int row, int column) override;
  int GetItemImage(int) override { return -1; }

 protected:
  explicit CSysLogPage(std::span<const PageColumn> columns);

  // The variant's type selector entries, in order.
  virtual std::vector<SystemLogTypeChoice> LogTypeChoices() const = 0;
  // The variant's row of a record, or nothing when the list does not take it.
  virtual std::optional<SysLogCells> RowOf(const SystemLogRecord& record, const CSysLogRowTexts& texts,
                                           const SystemLogStatus& switches) const = 0;

  // The switches in effect.
  SystemLogStatus Switches() const { return Owner()->SystemSwitches(); }

 private:
  // CSearchLogPage
  std::vector<SelectorChoice> TypeChoices() override;
  std::vector<PageColumn> Columns() const override { return {m_columns.begin(), m_columns.end()}; }
  void RunSearch(const CDateRange& range) override;
  size_t RowCount() const override { return m_rows.size(); }
  void ClearRows() override { m_rows.clear(); }
  void SortRows(int column, int direction) override;
  void AbortSearch() override;

  void SearchLocal(const std::optional<int32_t>& logType, const CDateRange& range);
  void SearchRemote(const std::optional<int32_t>& logType, const CDateRange& range);
  // Empties the rows, offers each record and sets the list's row count.
  void ShowRecords(const std::vector<SystemLogRecord>& records);

  const std::span<const PageColumn> m_columns;
  PageRows<SysLogCells> m_rows;
  CVxSystemLogQueryCtrl* m_localQuery = nullptr;  // while a local search runs
};
