// CEventLogPage: the unusual event page, the part its two variants share.
// The user picks an event type, a camera and a time range and searches; the
// page lists the events, marks those the host can play, sorts by any
// column, exports the list and asks the host to play the event the user
// opens.  CVantorEventLogPage is the page of a local recorder (its own
// catalogue and the device's edge events), CNVREventLogPage the page of a
// remote recorder; which search runs, the local databases or the server,
// follows the viewer's remoteCameraList setting, not the variant.
//
// Host messages: 32792 (can the host play a row; asked when a local row is
// first drawn, and while a remote search lists its rows), 32791 and 32793
// sent; 32787, 32789 and 32790 posted to the host window; 32786 sent to the
// dialog when a search fails.
//
// Ownership: the dialog owns the page and must be set as its owner before
// Create; the page owns its controls and rows.  The host window is the
// host's.  Threads: the user-interface thread only; searches block it.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "pages/common/date_range_pickers.h"
#include "pages/common/host_link.h"
#include "pages/common/page_rows.h"
#include "pages/common/tab_page_ex.h"
#include "pages/event/event_columns.h"
#include "pages/event/event_list_item.h"
#include "pages/event/event_row_rules.h"
#include "pages/event/event_types.h"
#include "vocabulary/playback_request.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/log_list_ctrl.h"

struct EventLogBasket;

class CEventLogPage : public CTabPageEx, public IListItemProvider, public IHostLinkedPage {
 public:
  static constexpr int kTemplateId = 5003;
  static constexpr const char* kLanguageSection = "log_viewer.unusual";
  // Row images: bitmap 5006 in 16-pixel images, light grey transparent; the
  // image of a row is its play state.
  static constexpr CListImages kRowImages{5006, 16, 0xC0C0C0};
  static constexpr const char* kExportFilter = "CSV Files (*.csv)|*.csv|Text Files (*.txt)|*.txt||";

  ~CEventLogPage() override;

  // Searches with the selectors and pickers as they are: the list is
  // emptied, then filled with the events found.  A start after the end
  // leaves it empty; a failed search keeps the rows read so far and tells
  // the dialog (32786), or the host (32789) when the server could not be
  // reached.
  void Search();
  // Writes the list to `path` (".csv" or ".txt").
  bool Export(const std::string& path);
  // The user opens row `row` (double click).
  void OpenRow(int row);

  // The rows, in list order.
  size_t RowCount() const { return m_rows.size(); }
  const EventListItem& RowAt(size_t listRow) const { return *m_rows[listRow]; }

  // CTabPageEx
  void ClearList() override;
  void OnCameraListLoaded() override;
  CPageControls Controls() override;

  // IHostLinkedPage
  CHostLink& HostLink() override { return m_host; }
  void SetLogDateTime(const CDateTime& start, const CDateTime& end) override;
  void SetLogDateTimeAndSearch(const CDateTime& start, const CDateTime& end,
                               const VxBitset<128>& cameras) override;

  // IListItemProvider: cells are served from the rows' texts; a row's image
  // is its play state, decided the first time it is drawn.
  std::string GetItemText(int row, int column) override;
  int GetItemImage(int row) override;

 protected:
  explicit CEventLogPage(EventPageVariant variant);

  void OnCreate() override;

  // The variant's type selector entries (built when the page is created).
  virtual std::vector<EventTypeChoice> TypeChoices() = 0;
  // The edge events the variant can name; null when it knows none.
  virtual const EdgeEventNames* KnownEdgeEvents() const = 0;

 private:
  std::span<const EventColumn> Columns() const;
  void BuildTypeSelector();
  void OnTypeChosen();
  void SortRows(int column, int direction);
  // The translated name of an event number, looked up once per number.
  const std::string& TypeText(int eventNumber);

  EventRowSettings RowSettings(EventSearchSource source) const;
  void SearchLocal(const CDateRange& range);
  void SearchRemote(const CDateRange& range);
  static void ListLocalRecord(const EventLogBasket& record, void* search);

  // The modeless viewer's open action for camera index `camera`.
  void OpenInModelessViewer(int camera);

  const EventPageVariant m_variant;

  CWindowModel m_typeLabel;
  CComboBoxModel m_typeSelector;
  CWindowModel m_cameraLabel;
  CComboBoxModel m_cameraSelector;
  CDateRangePickers m_pickers;
  CButtonModel m_searchButton;
  CButtonModel m_exportButton;
  CLogListCtrl m_list;
  std::vector<CConnection> m_connections;

  CHostLink m_host;
  PageRows<EventListItem> m_rows;  // in list order
  std::unordered_map<int, std::string> m_typeTexts;
  // What the last open action handed the host; posted messages point here.
  CDateTime m_selectedTime;
  PlaybackRequest m_playback;
};
