#include "pages/system/sys_log_page.h"

#include "lang/translated_string.h"
#include "store/system_log_query_ctrl.h"
#include "ui/message_box.h"
#include "vocabulary/string_table.h"

namespace {

constexpr int kFailToOpenDatabase = 1;
constexpr int kSystemLogTitle = 3;
constexpr int kRemoteSuccess = 1;
constexpr int kRemoteTransportFailure = -1;

}  // namespace

CSysLogPage::CSysLogPage(std::span<const PageColumn> columns)
    : CSearchLogPage(kTemplateId, kLanguageSection,
                     {.typeLabel = "Log Type:", .secondLabel = nullptr, .exportFilter = kExportFilter}),
      m_columns(columns) {
  SetWindowText(LoadStringText(kSystemLogTitle));
}

std::vector<SelectorChoice> CSysLogPage::TypeChoices() {
  std::vector<SelectorChoice> choices;
  for (const SystemLogTypeChoice& choice : LogTypeChoices())
    choices.push_back({LoadTranslatedString(choice.stringNumber), choice.value});
  return choices;
}

void CSysLogPage::RunSearch(const CDateRange& range) {
  std::optional<int32_t> logType;
  const CComboBoxModel& types = TypeSelector();
  const int selected = types.GetCurSel();
  if (selected != CComboBoxModel::kError && types.GetItemData(selected) != kAllSystemLogTypes)
    logType = static_cast<int32_t>(types.GetItemData(selected));
  if (Owner()->Settings().remoteCameraList != 0)
    SearchRemote(logType, range);
  else
    SearchLocal(logType, range);
}

void CSysLogPage::SearchLocal(const std::optional<int32_t>& logType, const CDateRange& range) {
  CVxSystemLogQueryCtrl query;
  if (!query.Initialise(Owner()->LogRoot())) {
    Owner()->AskUser(LoadTranslatedString(kFailToOpenDatabase), LoadTranslatedString(kErrorCaption), CMessageBox::kOk);
    return;
  }
  query.SetFileProgress(
      [&query, this](size_t done, size_t toRead) { ReportProgress(query.GetResults().size(), done, toRead); });
  m_localQuery = &query;
  int count = 0;
  const bool ok = query.Search(logType, range.start, range.end, &count);
  m_localQuery = nullptr;
  // What was read before a failure or a cancel is shown all the same.
  ShowRecords(query.GetResults());
  if (!ok && !SearchCancelled()) TellSearchFailed(query.Files().StopReason(query.LastError()));
}

void CSysLogPage::AbortSearch() {
  if (m_localQuery != nullptr)
    m_localQuery->Interrupt();
  else if (Owner()->Settings().remoteCameraList != 0)
    Client().Abort();
}

void CSysLogPage::SearchRemote(const std::optional<int32_t>& logType, const CDateRange& range) {
  const ViewerSettings& settings = Owner()->Settings();
  std::vector<SystemLogRecord> records;
  const int number = logType.value_or(0);
  const int result = Client().SystemLog(ServerUrl(settings), settings.userSessionNo,
                                      logType ? &number : nullptr, range.start, range.end, records);
  if (SearchCancelled()) {
    Client().ResetAbort();  // the next search runs again; a cancelled one lists nothing
    return;
  }
  if (result == kRemoteSuccess) {
    ShowRecords(records);
  } else if (result == kRemoteTransportFailure) {
    TellServerUnreachable(Owner()->EventHostWindow());
  } else {
    TellSearchFailed();
  }
}

void CSysLogPage::ShowRecords(const std::vector<SystemLogRecord>& records) {
  const CSysLogRowTexts texts;
  const SystemLogStatus switches = Switches();
  m_rows.clear();
  for (const SystemLogRecord& record : records) {
    if (std::optional<SysLogCells> cells = RowOf(record, texts, switches))
      m_rows.push_back(std::make_shared<SysLogCells>(std::move(*cells)));
  }
  ShowRows();
}

std::string CSysLogPage::GetItemText(int row, int column) {
  if (row < 0 || static_cast<size_t>(row) >= m_rows.size()) return {};
  const SysLogCells& cells = *m_rows[static_cast<size_t>(row)];
  return column >= 0 && static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)]
                                                                    : std::string();
}

// Every column sorts by the text it shows: the time and date texts are
// zero-padded, so their text order is time order.
void CSysLogPage::SortRows(int column, int direction) {
  const size_t index = static_cast<size_t>(column);
  StableSortRows(m_rows, [index](const SysLogCells& cells) -> const std::string& { return cells[index]; },
                 direction);
}
