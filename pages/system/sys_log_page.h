// CSysLogPage: the system log page -- what the recording server did and who
// did it -- in the part both variants share (CSearchLogPage: a log type
// selector, the pickers, Search, "Export to..." and the list).
// CVantorSysLogPage shows the local log types, CNVRSysLogPage (nvrMode) those
// of a remote recorder; the variant decides the type selector, the columns
// and how a record becomes a row.  Whether a search reads the local
// databases or asks the server follows the viewer's remoteCameraList, not
// the variant.
//
// Searches and their failures: CSystemLogSearchPage.
//
// Ownership and threads: as CSearchLogPage.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "pages/common/page_rows.h"
#include "pages/system/system_log_rows.h"
#include "pages/system/system_log_search_page.h"
#include "pages/system/system_log_types.h"

class CSysLogPage : public CSystemLogSearchPage {
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
  // CSystemLogSearchPage
  void ShowRecords(const std::vector<SystemLogRecord>& records) override;

  const std::span<const PageColumn> m_columns;
  PageRows<SysLogCells> m_rows;
};
