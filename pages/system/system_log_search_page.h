// CSystemLogSearchPage: a search page whose rows are system log records --
// the system log page, and the export and backup page, which keeps the
// kinds of its own type table.  It owns the search both share: the
// installation's system log databases (progress after each file; Cancel
// stops after the current file, the records read so far stay) or, with
// remoteCameraList, the server's system log (Cancel aborts the command and
// lists nothing).
//
// A failed local search shows the records read so far and sends
// kMsgSearchFailed to the dialog; a remote search that could not reach the
// server posts kMsgRemoteRequestFailed to the local event page's host
// window, any other remote failure sends kMsgSearchFailed.  Both leave the
// rows as they were: a page that wants them gone clears them first.
//
// Ownership and threads: as CSearchLogPage.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pages/common/search_log_page.h"
#include "vocabulary/system_log_record.h"

class CVxSystemLogQueryCtrl;

class CSystemLogSearchPage : public CSearchLogPage {
 protected:
  using CSearchLogPage::CSearchLogPage;

  // Searches records of `type` (any when none) in `range` and hands what
  // was found to ShowRecords.
  void SearchSystemLog(const std::optional<int32_t>& type, const CDateRange& range);
  // Empties the rows, offers each record and sets the list's row count.
  virtual void ShowRecords(const std::vector<SystemLogRecord>& records) = 0;

 private:
  void AbortSearch() override;

  CVxSystemLogQueryCtrl* m_localQuery = nullptr;  // while a local search runs
};
