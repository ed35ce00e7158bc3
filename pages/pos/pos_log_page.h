// CPosLogPage: the metadata page, the part its two variants share.  The
// user picks a log type, a metadata source and a time range and searches;
// the page lists the events the point-of-sale and other metadata sources
// raised, marks those whose video the host can play, sorts by any column,
// exports the list and asks the host to play the cameras of the row the
// user opens.  CVantorPosLogPage is the page of a local recorder (all
// fourteen types, the time in one column), CNVRPosLogPage that of a remote
// recorder (types up to rule 07, date and time in two columns); which
// search runs, the local databases or the server, follows the viewer's
// remoteCameraList setting, not the variant.
//
// The sources come from the viewer (IViewerContext::PosSettings); the
// dialog calls OnPosSettingsChanged after each hand-over.
//
// Host messages: 32792 sent (can the host play a camera; asked when a row
// of the local page in the modal viewer is first drawn), 32793 sent, 32787
// and 32790 posted to the host window; 32786 sent to the dialog when a
// local search fails.  A failed remote search shows an empty list.
//
// Ownership and threads: as CSearchLogPage.  The host window is the host's.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "pages/common/host_link.h"
#include "pages/common/page_row_blocks.h"
#include "pages/common/page_rows.h"
#include "pages/common/search_log_page.h"
#include "pages/pos/pos_columns.h"
#include "pages/pos/pos_log_row.h"
#include "pages/pos/pos_log_types.h"
#include "pages/pos/pos_sources.h"
#include "vocabulary/playback_request.h"

struct PosEventLogBasket;

enum class PosPageVariant { kLocal, kRemote };

class CPosLogPage : public CSearchLogPage, public IHostLinkedPage {
 public:
  static constexpr int kTemplateId = 5009;
  static constexpr const char* kLanguageSection = "log_viewer.metadata";
  // Row images: bitmap 5006 in 16-pixel images, light grey transparent;
  // 0 = video available, 2 = no video.
  static constexpr CListImages kRowImages{5006, 16, 0xC0C0C0};
  // How far the window the open action makes reaches past the listed rows.
  static constexpr int64_t kOpenWindowMargin = 60 * CDateTime::kTicksPerSecond;

  ~CPosLogPage() override;

  // The user opens row `row` (double click): the host plays the row's
  // cameras at its time, moving every page to a window around it when the
  // host does not show that time yet.  Only a row marked playable acts.
  void OpenRow(int row);

  // The rows, in list order.
  size_t RowCount() const override { return m_rows.size(); }
  const PosLogRaw& RowAt(size_t listRow) const { return *m_rows[listRow]; }

  // The viewer's metadata sources changed: the "Metadata:" selector lists
  // them anew, "All" selected.
  void OnPosSettingsChanged();

  // CTabPageEx
  CPageControls Controls() override;

  // IHostLinkedPage
  CHostLink& HostLink() override { return m_host; }
  void SetLogDateTime(const CDateTime& start, const CDateTime& end) override;
  void SetLogDateTimeAndSearch(const CDateTime& start, const CDateTime& end,
                               const VxBitset<128>& cameras) override;

  // IListItemProvider: a row's image is decided the first time it is drawn.
  std::string GetItemText(int row, int column) override;
  int GetItemImage(int row) override;

 protected:
  explicit CPosLogPage(PosPageVariant variant);

  void OnCreate() override;

 private:
  // CSearchLogPage
  std::vector<SelectorChoice> TypeChoices() override;
  std::vector<PageColumn> Columns() const override;
  void RunSearch(const CDateRange& range) override;
  void ClearRows() override { m_rows.clear(); }
  void SortRows(int column, int direction) override;
  void AbortSearch() override;

  std::span<const PosColumn> PosColumns() const;
  // Whether any of `cameras` is in the host's camera set.
  bool ShowsAnyCamera(const std::vector<uint32_t>& cameras) const;
  // The image of a local row, from the cameras its camera text shows.
  int32_t LocalRowImage(const PosLogRaw& row) const;
  void SearchLocal(const CDateRange& range);
  void SearchRemote(const CDateRange& range);
  static void ListLocalRecord(const PosEventLogBasket& record, void* search);
  // Appends the row of `record` with `image`.
  void ListRecord(const PosEventLogBasket& record, int32_t image);
  // Where the open action moves the pages when the host does not show `time`.
  CDateRange OpenWindow();

  const PosPageVariant m_variant;

  CHostLink m_host;
  std::vector<PosLogType> m_types;
  PosSourceNames m_sourceNames;
  PageRows<PosLogRaw> m_rows;  // in list order
  PageRowBlocks<PosLogRaw> m_blocks;
  std::string m_cameraText;  // the camera text of the record being listed
  // The times of the first and the last row of the last search.
  CDateTime m_firstTime, m_lastTime;
  // What the last open action handed the host; posted messages point here.
  CDateTime m_selectedTime;
  PlaybackRequest m_playback;
};
