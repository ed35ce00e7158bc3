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
// Ownership and threads: as CSearchLogPage.  The host window is the host's.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "pages/common/host_link.h"
#include "pages/common/page_rows.h"
#include "pages/common/search_log_page.h"
#include "pages/event/event_columns.h"
#include "pages/event/event_list_item.h"
#include "pages/event/event_row_rules.h"
#include "pages/event/event_types.h"
#include "vocabulary/playback_request.h"

struct EventLogBasket;

class CEventLogPage : public CSearchLogPage, public IHostLinkedPage {
 public:
  static constexpr int kTemplateId = 5003;
  static constexpr const char* kLanguageSection = "log_viewer.unusual";
  // Row images: bitmap 5006 in 16-pixel images, light grey transparent; the
  // image of a row is its play state.
  static constexpr CListImages kRowImages{5006, 16, 0xC0C0C0};

  ~CEventLogPage() override;

  // Search (CSearchLogPage) empties the list, then fills it with the events
  // found.  A failed search keeps the rows read so far and tells the dialog
  // (32786), or the host (32789) when the server could not be reached.

  // The user opens row `row` (double click).
  void OpenRow(int row);

  // The rows, in list order.
  size_t RowCount() const override { return m_rows.size(); }
  const EventListItem& RowAt(size_t listRow) const { return *m_rows[listRow]; }

  // CTabPageEx
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
  std::string_view GetItemTextView(int row, int column, std::string& scratch) override;
  int GetItemImage(int row) override;

 protected:
  explicit CEventLogPage(EventPageVariant variant);

  void OnCreate() override;

  // The variant's type selector entries (built when the page is created).
  virtual std::vector<EventTypeChoice> EventTypeChoices() = 0;
  // The edge events the variant can name; null when it knows none.
  virtual const EdgeEventNames* KnownEdgeEvents() const = 0;

 private:
  // CSearchLogPage
  std::vector<SelectorChoice> TypeChoices() override;
  std::vector<PageColumn> Columns() const override;
  // The type and camera columns of the variant.
  SimilarColumns ShowSimilarColumns() const override;
  // The camera entry by the row's camera; the type entry by its text.
  int SimilarEntry(const CComboBoxModel& selector, int pageRow, int column) override;
  void RunSearch(const CDateRange& range) override;
  void ClearRows() override { m_rows.clear(); }
  void SortRows(int column, int direction) override;
  void OnTypeChosen() override;
  void AbortSearch() override;

  std::span<const EventColumn> EventColumns() const;
  // The translated name of an event number, looked up once per number.
  const std::string& TypeText(int eventNumber);

  EventRowSettings RowSettings(EventSearchSource source) const;
  void SearchLocal(const CDateRange& range);
  void SearchRemote(const CDateRange& range);
  static void ListLocalRecord(const EventLogBasket& record, void* search);

  const EventPageVariant m_variant;

  CHostLink m_host;
  // How far ahead of a reader going down the list its rows are fetched.
  static constexpr size_t kRowsFetchedAhead = 16;
  PageRows<EventListItem> m_rows;  // in list order
  std::unordered_map<int, std::string> m_typeTexts;
  // What the last open action handed the host; posted messages point here.
  CDateTime m_selectedTime;
  PlaybackRequest m_playback;
};
