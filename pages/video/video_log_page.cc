#include "pages/video/video_log_page.h"

#include <algorithm>

#include "lang/translated_string.h"
#include "vocabulary/string_table.h"

namespace {

constexpr int kExportAndBackupTitle = 81;

}  // namespace

CVideoLogPage::CVideoLogPage(std::span<const VideoLogType> types, std::span<const PageColumn> columns)
    : CSystemLogSearchPage(kTemplateId, kLanguageSection, {.typeLabel = "Log Type:", .secondLabel = nullptr}),
      m_types(types),
      m_columns(columns) {
  SetWindowText(LoadStringText(kExportAndBackupTitle));
}

// The selector keeps its entries in alphabetical order.
std::vector<SelectorChoice> CVideoLogPage::TypeChoices() {
  std::vector<SelectorChoice> choices;
  for (const VideoLogType& type : m_types)
    choices.push_back({LoadTranslatedString(type.stringNumber), type.eventNumber});
  std::stable_sort(choices.begin(), choices.end(),
                   [](const SelectorChoice& a, const SelectorChoice& b) { return a.text < b.text; });
  return choices;
}

void CVideoLogPage::RunSearch(const CDateRange& range) {
  std::optional<int32_t> eventNumber;
  const CComboBoxModel& types = TypeSelector();
  const int selected = types.GetCurSel();
  if (selected != CComboBoxModel::kError && types.GetItemData(selected) != 0)
    eventNumber = static_cast<int32_t>(types.GetItemData(selected));
  const ViewerSettings& settings = Owner()->Settings();
  if (settings.remoteCameraList == 0 && settings.nvrMode != 0) {
    ClearList();  // in nvrMode there are no local databases to read
    return;
  }
  if (settings.remoteCameraList != 0) ClearList();  // a failed remote search leaves the list empty
  SearchSystemLog(eventNumber, range);
}

void CVideoLogPage::ShowRecords(const std::vector<SystemLogRecord>& records) {
  CVideoLogRowTexts texts;
  RowCells cells;
  ClearRows();
  for (const SystemLogRecord& record : records) {
    if (RowOf(record, texts, cells)) KeepCellRow(cells, m_blocks, m_rows);
  }
  ShowRows();
}

std::string CVideoLogPage::GetItemText(int row, int column) {
  std::string scratch;
  return std::string(GetItemTextView(row, column, scratch));
}

std::string_view CVideoLogPage::GetItemTextView(int row, int column, std::string&) {
  if (row < 0 || static_cast<size_t>(row) >= m_rows.size() || column < 0 ||
      static_cast<size_t>(column) >= m_columns.size())
    return {};
  return m_rows[static_cast<size_t>(row)]->Cell(static_cast<size_t>(column));
}

// Every column sorts by the text it shows, byte by byte.
void CVideoLogPage::SortRows(int column, int direction) {
  const size_t index = static_cast<size_t>(column);
  StableSortRows(m_rows, [index](const VideoLogRow& row) { return row.Cell(index); }, direction);
}
