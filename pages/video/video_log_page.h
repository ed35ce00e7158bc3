// CVideoLogPage: the export and backup page -- what users and the schedule
// did with recorded video (exports, backups, deletions of file records,
// automatic backups; on a remote recorder also snapshots and log exports) --
// in the part both variants share (CSearchLogPage: a log type selector, the
// pickers, Search, "Export to..." and the list).  These are system log
// records: the page searches the system log and keeps the kinds of its type
// table.  CVantorVideoLogPage takes each local record's event string apart
// into thirteen columns; CNVRVideoLogPage shows a remote recorder's records
// in five.  Whether a search reads the local databases or asks the server
// follows the viewer's remoteCameraList, not the variant; in nvrMode there
// are no local databases to read, and a local search lists nothing.
//
// Searches and their failures: CSystemLogSearchPage; a failed remote search
// leaves the list empty.
//
// Ownership and threads: as CSearchLogPage.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "pages/common/page_rows.h"
#include "pages/system/system_log_search_page.h"
#include "pages/video/video_log_rows.h"
#include "pages/video/video_log_types.h"

class CVideoLogPage : public CSystemLogSearchPage {
 public:
  static constexpr int kTemplateId = 5010;
  static constexpr const char* kLanguageSection = "log_viewer.backup";

  // IListItemProvider: cells are served from the rows; rows have no image.
  std::string GetItemText(int row, int column) override;
  int GetItemImage(int) override { return -1; }

 protected:
  CVideoLogPage(std::span<const VideoLogType> types, std::span<const PageColumn> columns);

  // The variant's row of a record, or nothing when the list does not take it.
  virtual std::optional<VideoLogCells> RowOf(const SystemLogRecord& record, const CVideoLogRowTexts& texts) const = 0;

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

  const std::span<const VideoLogType> m_types;
  const std::span<const PageColumn> m_columns;
  PageRows<VideoLogCells> m_rows;
};
