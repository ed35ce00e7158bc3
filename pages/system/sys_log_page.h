// CSysLogPage: the system log page -- what the recording server did and who
// did it -- in the part both variants share: a log type selector, the day or
// start and end pickers, Search, "Export to..." and the virtual list.
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
// Ownership: the viewer dialog owns the page and outlives it; the page owns
// its controls and its rows.  Threads: the user-interface thread only; a
// search blocks it for its duration.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "pages/common/date_range_pickers.h"
#include "pages/common/page_rows.h"
#include "pages/common/tab_page_ex.h"
#include "pages/system/system_log_rows.h"
#include "pages/system/system_log_types.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/log_list_ctrl.h"

class CSysLogPage : public CTabPageEx, private IListItemProvider {
 public:
  static constexpr int kTemplateId = 5002;
  static constexpr const char* kLanguageSection = "log_viewer.system";
  // The save dialog of this page names its first entry after the program
  // the comma-separated file is usually opened with.
  static constexpr const char* kExportFilter = "Excel Files (*.csv)|*.csv|Text Files (*.txt)|*.txt||";

  // A column: string number of its title, width in pixels, alignment.
  struct Column {
    int titleString;
    int width;
    CListColumn::Align align;
  };

  ~CSysLogPage() override;

  // Fills the type selector again from the switches in effect and selects
  // its first entry.  The dialog calls it each time it adds the tab, so that
  // switches the host changed since take effect.
  void RebuildTypeSelector();

  // The search button: reads the filters and runs the search.
  void Search();
  // "Export to...": asks the save dialog for a path, then ExportTo.
  void Export();
  // Writes the list, in its current order, to `path` (".csv" or ".txt").
  bool ExportTo(const std::string& path);

  void ClearList() override;
  CPageControls Controls() override;

 protected:
  explicit CSysLogPage(std::span<const Column> columns);

  // The variant's type selector entries, in order.
  virtual std::vector<SystemLogTypeChoice> TypeChoices() const = 0;
  // The variant's row of a record, or nothing when the list does not take it.
  virtual std::optional<SysLogCells> RowOf(const SystemLogRecord& record, const CSysLogRowTexts& texts,
                                           const SystemLogStatus& switches) const = 0;

  // The switches in effect: all on without an owner.
  SystemLogStatus Switches() const;

  void OnCreate() override;

 private:
  std::string GetItemText(int row, int column) override;
  int GetItemImage(int) override { return -1; }

  void SearchLocal(const std::optional<int32_t>& logType, const CDateRange& range);
  void SearchRemote(const std::optional<int32_t>& logType, const CDateRange& range);
  // Empties the rows, offers each record and sets the list's row count.
  void ShowRecords(const std::vector<SystemLogRecord>& records);
  void Sort(int column, int direction);
  void SendToDialog(platform::UINT message);
  void Lay();

  const std::span<const Column> m_columns;
  CWindowModel m_typeLabel;
  CComboBoxModel m_typeSelector;
  CWindowModel m_dayLabel;
  CWindowModel m_rangeLabel;
  CWindowModel m_toLabel;
  CDateRangePickers m_pickers;
  CButtonModel m_searchButton;
  CButtonModel m_exportButton;
  CLogListCtrl m_list;
  PageRows<SysLogCells> m_rows;
  CConnection m_searchClicked;
  CConnection m_exportClicked;
  CConnection m_sortRequested;
};
