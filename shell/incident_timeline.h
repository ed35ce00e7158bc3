// CIncidentTimeline: every kind of record of a time range in one list, in
// time order -- the unusual events, the system log, the metadata log, the
// analytics events, the export and backup log and the edge storage steps.
//
// It lists nothing of its own: it works the viewer dialog's pages as a
// person would (the type selector's first entry, the start and end pickers,
// Search, for camera pages one search per chosen camera), reads the rows
// each page lists and merges them.  A row keeps the page's texts: its time,
// the kind (the page's tab title) and the page's other cells as
// "Title: text" joined by "; ".  Only the pages the dialog shows as tabs take
// part, in the variant it shows (local or remote).
//
// A row's time is the page's first cell in the list form
// "YYYY/MM/DD HH:MM:SS", or a date cell followed by a clock cell (the remote
// pages' Date and Time columns).  Rows of equal time keep the kind order
// above, then the page's own order.
//
// Opening a row (a double click in the list) opens it on its page, so the
// host gets the request the page would send; when the page has listed
// other rows since, the page searches again first.
//
// Ownership: lives no longer than the dialog whose pages it works.  Threads:
// the user-interface thread only; a search blocks it as a page's does.
#pragma once

#include <string>
#include <vector>

#include "shell/log_viewer_dlg.h"
#include "ui/log_list_ctrl.h"
#include "vocabulary/date_time.h"

enum class TimelineKind { kEvents, kSystem, kMetadata, kIvs, kBackup, kEdge };

struct TimelineRow {
  CDateTime time;
  TimelineKind kind;
  int cameraEntry;  // the page's second-selector entry searched; 0 for "All"
  int pageRow;      // the row's index in the page's list after that search
  std::string details;
};

class CIncidentTimeline : public IListItemProvider {
 public:
  // The list's columns.
  static constexpr int kTimeColumn = 0;
  static constexpr int kKindColumn = 1;
  static constexpr int kDetailsColumn = 2;
  static constexpr const char* kColumnTitles[] = {"Time", "Kind", "Details"};

  explicit CIncidentTimeline(CLogViewerDlg& dialog);
  ~CIncidentTimeline() override;
  CIncidentTimeline(const CIncidentTimeline&) = delete;
  CIncidentTimeline& operator=(const CIncidentTimeline&) = delete;

  // Searches [from, to] on every page taking part.  `cameras` (camera
  // indexes, as the host's camera set counts them) narrows the pages that
  // select by camera (events, edge storage) to those cameras; the other
  // pages list all their rows.  Returns an empty text, or what was wrong
  // with `cameras` (nothing is searched then).  A page's failed search is
  // reported by the page as ever; the others still list.
  std::string Search(const CDateTime& from, const CDateTime& to, const std::vector<int>& cameras);

  const std::vector<TimelineRow>& Rows() const { return m_rows; }
  CLogListCtrl& List() { return m_list; }
  // The kind's text in the Kind column (the page's tab title, translated).
  static std::string KindText(TimelineKind kind);

  // Opens row `row` on its page (see above).  False when the row is not
  // listed, its page is gone, or the page no longer lists the record.
  bool Open(int row);

  // IListItemProvider
  std::string GetItemText(int row, int column) override;
  int GetItemImage(int) override { return -1; }

 private:
  struct Part {
    TimelineKind kind;
    CSearchLogPage* page;
    bool byCamera;
  };
  std::vector<Part> Parts();
  // Searches `part` with second-selector entry `entry` and appends its rows.
  void SearchPart(const Part& part, int entry, std::vector<TimelineRow>* rows);
  void RunPageSearch(const Part& part, int entry);
  bool PageListsRow(const Part& part, const TimelineRow& row);

  CLogViewerDlg& m_dialog;
  CLogListCtrl m_list;
  CConnection m_doubleClick;
  std::vector<TimelineRow> m_rows;
  CDateTime m_from, m_to;
};
