#include "pages/system/system_log_search_page.h"

#include "store/system_log_query_ctrl.h"

namespace {

constexpr int kRemoteSuccess = 1;
constexpr int kRemoteTransportFailure = -1;

}  // namespace

void CSystemLogSearchPage::SearchSystemLog(const std::optional<int32_t>& type, const CDateRange& range) {
  const ViewerSettings& settings = Owner()->Settings();
  if (settings.remoteCameraList == 0) {
    CVxSystemLogQueryCtrl query;
    query.Initialise(Owner()->LogRoot());  // lists the folder; cannot fail
    query.SetFileProgress(
        [&query, this](size_t done, size_t toRead) { ReportFilesRead(query.GetResults().size(), done, toRead); });
    m_localQuery = &query;
    int count = 0;
    const bool ok = query.Search(type, range.start, range.end, &count);
    m_localQuery = nullptr;
    // What was read before a failure or a cancel is shown all the same.
    ShowRecords(query.GetResults());
    if (!ok && !SearchCancelled()) TellSearchFailed(query.Files().StopReason(query.LastError()));
    return;
  }
  std::vector<SystemLogRecord> records;
  const int number = type.value_or(0);
  const int result = Client().SystemLog(ServerUrl(settings), settings.userSessionNo, type ? &number : nullptr,
                                        range.start, range.end, records);
  if (SearchCancelled()) {
    Client().ResetAbort();  // the next search runs again; what came before the cancel is listed
    ShowRecords(records);
  } else if (result == kRemoteSuccess) {
    ShowRecords(records);
  } else if (result == kRemoteTransportFailure) {
    TellServerUnreachable(Owner()->EventHostWindow());
  } else {
    TellSearchFailed();
  }
}

void CSystemLogSearchPage::AbortSearch() {
  if (m_localQuery != nullptr)
    m_localQuery->Interrupt();
  else if (Owner()->Settings().remoteCameraList != 0)
    Client().Abort();
}
