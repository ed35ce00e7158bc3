#include "pages/system/sys_log_page.h"

#include "lang/translated_string.h"
#include "vocabulary/string_table.h"

namespace {

constexpr int kSystemLogTitle = 3;

}  // namespace

CSysLogPage::CSysLogPage(std::span<const PageColumn> columns)
    : CSystemLogSearchPage(kTemplateId, kLanguageSection,
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
  SearchSystemLog(logType, range);
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
