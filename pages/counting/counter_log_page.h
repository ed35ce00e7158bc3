// CCounterLogPage: the people-counting page, "Counting Application".  It
// lists the results of one of three kinds of counter, chosen by its mode
// selector: basic counting per camera, counting by the analytics devices,
// and combined counters (only when the server answers its combined counters,
// or locally when the databases are not a backup copy).  The second
// selector follows the mode: cameras, analytics devices or combined
// counters, each after "All".
//
// In nvrMode the page asks the server; otherwise it reads the local
// databases below the viewer's log root.  A local search that fails keeps
// the rows read so far and sends kMsgSearchFailed to the dialog; a remote
// basic or analytics search that cannot reach the server posts
// kMsgRemoteRequestFailed to the host window, any other remote failure sends
// kMsgSearchFailed, and no rows are shown.
//
// Each mode keeps its own rows until the next search; changing the mode
// empties the list and shows the new mode's columns.  "In", "Out" and
// "Result" sort by their numbers, the other columns by their texts.
// "Export to..." writes comma-separated lines whatever the extension of the
// file chosen, as long as it has one.
//
// Ownership and threads: as CSearchLogPage.
#pragma once

#include <array>
#include <string>

#include "pages/common/page_row_blocks.h"
#include "pages/common/page_rows.h"
#include "pages/common/row_cells.h"
#include "pages/common/search_log_page.h"
#include "pages/counting/counter_choices.h"
#include "pages/counting/counter_rows.h"

class CCounterLogPage : public CSearchLogPage {
 public:
  static constexpr int kTemplateId = 5004;
  static constexpr const char* kLanguageSection = "log_viewer.counting";

  CCounterLogPage();

  CounterMode Mode() const;
  // Reads the analytics devices and the combined counters again (from the
  // server in nvrMode) and rebuilds the mode selector.  The dialog calls it
  // each time it adds the tab; until then the page offers no device and no
  // combined mode.
  void ReadCounterLists();

  // IListItemProvider
  std::string GetItemText(int row, int column) override;
  int GetItemImage(int) override { return -1; }

  // CTabPageEx
  void OnCameraListLoaded() override;
  CPageControls Controls() override;

 private:
  // CSearchLogPage
  std::vector<SelectorChoice> TypeChoices() override;
  std::vector<PageColumn> Columns() const override;
  void RunSearch(const CDateRange& range) override;
  size_t RowCount() const override { return Rows().size(); }
  void ClearRows() override;
  void SortRows(int column, int direction) override;
  void OnTypeChosen() override;
  ExportForm ExportFormFor(const std::string& path) const override;

  // A listed row: time, camera or device, then the counts or the counter
  // and its result.
  using CounterRow = TimedCellRow<4>;

  PageRows<CounterRow>& Rows() { return m_rows[static_cast<size_t>(Mode())]; }
  const PageRows<CounterRow>& Rows() const { return m_rows[static_cast<size_t>(Mode())]; }
  CounterRowContext RowContext(std::optional<int32_t> channelIndex);
  void SearchLocal(std::optional<uint32_t> id, std::optional<int32_t> channelIndex, const CDateRange& range);
  void SearchRemote(std::optional<uint32_t> id, std::optional<int32_t> channelIndex, const CDateRange& range);

  CounterLists m_lists;
  std::array<PageRows<CounterRow>, 3> m_rows;
  PageRowBlocks<CounterRow> m_blocks;
  RowCells m_cells;  // the row being made
  std::string m_deletedText;  // loaded on first use
};
