// CIVSLogPage: the IVS event page -- the events that analytics devices
// raised under their rules (event numbers 10000-19999 of the event log, the
// device as channel index and the rule type as camera id) -- with a rule
// type selector, a device selector, the pickers, Search, "Export to..." and
// a list of Event Time, Rule Type, Device Name and Description.  The user
// can open a row to play the camera the device watches.
//
// Without nvrMode the page reads the local event databases and offers the
// devices of the installation's analytics configuration (the registry, or
// "IVSConfigForBackup.ini" for a backup copy of the logs), only those the
// user may see; in nvrMode it asks the server for its devices and for the
// events (rows only from a server that sends text records).  A failed
// search keeps the rows read so far and sends kMsgSearchFailed to the
// dialog, or posts kMsgRemoteRequestFailed to the host window when the
// server could not be reached.
//
// Ownership and threads: as CSearchLogPage.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "pages/common/host_link.h"
#include "pages/common/page_row_blocks.h"
#include "pages/common/page_rows.h"
#include "pages/common/search_log_page.h"
#include "pages/ivs/ivs_event_rows.h"
#include "vocabulary/event_log_records.h"

class CIVSLogPage : public CSearchLogPage, public IHostLinkedPage {
 public:
  static constexpr int kTemplateId = 5011;
  static constexpr const char* kLanguageSection = "log_viewer.ivs";
  // The item value of "All" in both selectors.
  static constexpr int64_t kAll = 4294967295;

  CIVSLogPage();
  ~CIVSLogPage() override;

  // The user opens row `row` (double click): a playable row is played, in
  // the modal viewer by the host (32793), in the modeless one by the open
  // action of the host link.
  void OpenRow(int row);

  size_t RowCount() const override { return m_rows.size(); }
  const IVSListRow& RowAt(size_t listRow) const { return *m_rows[listRow]; }

  // CTabPageEx: the device selector follows the viewer's camera list.
  void OnCameraListLoaded() override;
  CPageControls Controls() override;

  // IHostLinkedPage
  CHostLink& HostLink() override { return m_host; }
  void SetLogDateTime(const CDateTime& start, const CDateTime& end) override;
  void SetLogDateTimeAndSearch(const CDateTime& start, const CDateTime& end,
                               const VxBitset<128>& cameras) override;

  // IListItemProvider: a row's image is its play state, decided the first
  // time it is drawn.
  std::string GetItemText(int row, int column) override;
  int GetItemImage(int row) override;

 protected:
  void OnCreate() override;

 private:
  // CSearchLogPage
  std::vector<SelectorChoice> TypeChoices() override;
  std::vector<PageColumn> Columns() const override;
  void RunSearch(const CDateRange& range) override;
  void ClearRows() override { m_rows.clear(); }
  void SortRows(int column, int direction) override;
  void AbortSearch() override;

  void FillDeviceSelector();
  void SearchLocal(std::optional<int32_t> device, std::optional<int32_t> ruleType, const CDateRange& range);
  void SearchRemote(std::optional<int32_t> device, std::optional<int32_t> ruleType, const CDateRange& range);
  static void ListLocalRecord(const EventLogBasket& record, void* page);
  // Adds the row of an event, unless the user may not see its device.
  bool AddRow(const EventLogView& record);
  // The name a row shows for a device: its entry in the device selector as
  // the search began, or the deleted text.
  const std::string& DeviceName(const EventLogView& record) const;
  bool MayView(uint32_t id) const;

  CHostLink m_host;
  PageRows<IVSListRow> m_rows;
  PageRowBlocks<IVSListRow> m_blocks;
  std::unordered_map<int64_t, std::string> m_deviceNames;  // by item value, for the search under way
  std::vector<std::string> m_ruleTexts;  // translated, by rule type
  std::string m_deletedText;
  // What the last open action handed the host; posted messages point here.
  CDateTime m_selectedTime;
  PlaybackRequest m_playback;
};
