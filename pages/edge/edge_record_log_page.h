// CEdgeRecordLogPage: the edge storage page.  Cameras that record on their
// own storage have that video retrieved by the recording server, which logs
// each step; the user picks a step, a channel and a time range, and the page
// lists the steps, sorts by any column and exports the list.
// CVantorEdgeRecordLogPage is its one variant, the page of a local recorder;
// whether a search reads the local databases or asks the server follows the
// viewer's remoteCameraList setting.
//
// No entry point hands this page a time window or a camera set, so no row is
// ever playable: every row shows the no-video image and opening one does
// nothing.
//
// A failed local search keeps the rows read so far and sends 32786 to the
// dialog; a remote one that could not reach the server posts 32789 to the
// local event page's host window, any other remote failure sends 32786.
//
// Ownership and threads: as CSearchLogPage.
#pragma once

#include <string>
#include <vector>

#include "pages/common/page_row_blocks.h"
#include "pages/common/page_rows.h"
#include "pages/common/search_log_page.h"
#include "pages/edge/edge_record_row.h"

struct EdgeRecordLogBasket;

class CEdgeRecordLogPage : public CSearchLogPage {
 public:
  static constexpr int kTemplateId = 5003;
  static constexpr const char* kLanguageSection = "log_viewer.edge";
  // Row images: bitmap 5006 in 16-pixel images, light grey transparent.
  static constexpr CListImages kRowImages{5006, 16, 0xC0C0C0};

  ~CEdgeRecordLogPage() override;

  // The rows, in list order.
  size_t RowCount() const override { return m_rows.size(); }
  const EdgeRecordLogRaw& RowAt(size_t listRow) const { return *m_rows[listRow]; }

  // CTabPageEx
  void OnCameraListLoaded() override;

  // IListItemProvider: every row shows the no-video image.
  std::string GetItemText(int row, int column) override;
  static constexpr int kNoVideoImage = 2;
  int GetItemImage(int) override { return kNoVideoImage; }

 protected:
  CEdgeRecordLogPage();

  void OnCreate() override;

 private:
  class RowMaker;

  // CSearchLogPage
  std::vector<SelectorChoice> TypeChoices() override;
  std::vector<PageColumn> Columns() const override;
  void RunSearch(const CDateRange& range) override;
  void ClearRows() override { m_rows.clear(); }
  void SortRows(int column, int direction) override;
  void AbortSearch() override;

  void SearchLocal(const CDateRange& range, RowMaker& maker);
  void SearchRemote(const CDateRange& range, RowMaker& maker);
  static void ListLocalRecord(const EdgeRecordLogBasket& record, void* page);

  PageRows<EdgeRecordLogRaw> m_rows;  // in list order
  RowMaker* m_maker = nullptr;  // while a local search runs
};

class CVantorEdgeRecordLogPage : public CEdgeRecordLogPage {
 public:
  CVantorEdgeRecordLogPage() = default;
};
