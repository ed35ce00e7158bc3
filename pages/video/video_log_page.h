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

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pages/common/page_row_blocks.h"
#include "pages/common/page_rows.h"
#include "pages/common/row_cells.h"
#include "pages/system/system_log_search_page.h"
#include "pages/video/video_log_rows.h"
#include "pages/video/video_log_types.h"

class CVideoLogPage : public CSystemLogSearchPage {
 public:
  static constexpr int kTemplateId = 5010;
  static constexpr const char* kLanguageSection = "log_viewer.backup";

  // IListItemProvider: cells are served from the rows; rows have no image.
  std::string GetItemText(int row, int column) override;
  std::string_view GetItemTextView(int row, int column, std::string& scratch) override;
  int GetItemImage(int) override { return -1; }

  // A listed row: its cells (the local page's thirteen, the remote page's
  // five) one after another in its block; an event string may be long.
  using VideoLogRow = CellRow<13, uint32_t>;

 protected:
  CVideoLogPage(std::span<const VideoLogType> types, std::span<const PageColumn> columns);

  // Writes the variant's row of a record into `cells`; false when the list
  // does not take the record.
  virtual bool RowOf(const SystemLogRecord& record, CVideoLogRowTexts& texts, RowCells& cells) const = 0;

 private:
  // CSearchLogPage
  std::vector<SelectorChoice> TypeChoices() override;
  std::vector<PageColumn> Columns() const override { return {m_columns.begin(), m_columns.end()}; }
  void RunSearch(const CDateRange& range) override;
  size_t RowCount() const override { return m_rows.size(); }
  void ClearRows() override {
    m_rows.clear();
    m_blocks = {};
  }
  void SortRows(int column, int direction) override;
  // CSystemLogSearchPage
  void ShowRecords(const std::vector<SystemLogRecord>& records) override;

  const std::span<const VideoLogType> m_types;
  const std::span<const PageColumn> m_columns;
  PageRows<VideoLogRow> m_rows;
  PageRowBlocks<VideoLogRow> m_blocks;
};
