#include "pages/counting/counter_log_page.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "lang/translated_string.h"
#include "pages/common/camera_selector.h"
#include "store/event_log_query_ctrl.h"
#include "vocabulary/string_table.h"

namespace {

using Align = CListColumn::Align;

constexpr int kCountingTitle = 4;
constexpr int kAll = 49;
constexpr int kCameraText = 50;
constexpr int kDeletedText = 78;
constexpr int kRemoteSuccess = 1;
constexpr int kRemoteTransportFailure = -1;

constexpr PageColumn kBasicColumns[] = {
    {13, 150, Align::kCentre}, {14, 170, Align::kLeft}, {15, 60, Align::kLeft}, {16, 60, Align::kLeft}};
constexpr PageColumn kIvsColumns[] = {
    {13, 150, Align::kCentre}, {108, 170, Align::kLeft}, {111, 170, Align::kLeft}, {112, 60, Align::kRight}};
constexpr PageColumn kCombinedColumns[] = {{13, 150, Align::kCentre}, {111, 170, Align::kLeft}, {112, 60, Align::kRight}};

// The columns that hold numbers: "In" and "Out", or "Result".
bool IsNumericColumn(CounterMode mode, int column) {
  switch (mode) {
    case CounterMode::kBasic:
      return column == 2 || column == 3;
    case CounterMode::kIvs:
      return column == 3;
    case CounterMode::kCombined:
      return column == 2;
  }
  return false;
}

// A text ordered by the collation of the system's locale.
struct CollatedText {
  std::string_view text;
  friend bool operator<(const CollatedText& a, const CollatedText& b) {
    return std::strcoll(std::string(a.text).c_str(), std::string(b.text).c_str()) < 0;
  }
};

// The decimal value a cell starts with (a leading "-" allowed); 0 when it
// starts with no number.
int64_t DecimalOf(std::string_view cell) {
  int64_t value = 0;
  std::from_chars(cell.data(), cell.data() + cell.size(), value);
  return value;
}

}  // namespace

CCounterLogPage::CCounterLogPage()
    : CSearchLogPage(kTemplateId, kLanguageSection, {.typeLabel = "Mode:", .secondLabel = "Channel:"}) {
  SetWindowText(LoadStringText(kCountingTitle));
}

CounterMode CCounterLogPage::Mode() const {
  return static_cast<CounterMode>(SelectedValue(TypeSelector(), 0));
}

void CCounterLogPage::ReadCounterLists() {
  m_lists = LoadCounterLists(*Owner(), Owner()->Settings().nvrMode != 0 ? &Client() : nullptr);
  RebuildTypeSelector();
}

std::vector<SelectorChoice> CCounterLogPage::TypeChoices() { return ModeChoices(m_lists.combinedAvailable); }

std::vector<PageColumn> CCounterLogPage::Columns() const {
  switch (Mode()) {
    case CounterMode::kIvs:
      return {std::begin(kIvsColumns), std::end(kIvsColumns)};
    case CounterMode::kCombined:
      return {std::begin(kCombinedColumns), std::end(kCombinedColumns)};
    case CounterMode::kBasic:
      break;
  }
  return {std::begin(kBasicColumns), std::end(kBasicColumns)};
}

void CCounterLogPage::OnTypeChosen() {
  OnCameraListLoaded();
  CLogListCtrl& list = List();
  list.SetItemCount(0);
  while (list.GetColumnCount() > 0) list.DeleteColumn(0);
  for (const PageColumn& column : Columns())
    list.InsertColumn(list.GetColumnCount(), LoadTranslatedString(column.titleString), column.align,
                      column.width);
}

void CCounterLogPage::OnCameraListLoaded() {
  std::vector<SelectorChoice> choices{{LoadTranslatedString(kAll), kNoCounterItem}};
  std::vector<SelectorChoice> entries;
  switch (Mode()) {
    case CounterMode::kBasic:
      FillCameraSelector(SecondSelector(), Owner()->CameraNames(), Owner()->CameraIds());
      return;
    case CounterMode::kIvs:
      entries = DeviceChoices(m_lists.devices, Owner()->Settings().userAccount);
      break;
    case CounterMode::kCombined:
      entries = CounterChoices(m_lists.counters);
      break;
  }
  choices.insert(choices.end(), entries.begin(), entries.end());
  FillSelector(SecondSelector(), choices);
}

CPageControls CCounterLogPage::Controls() {
  CPageControls controls = CSearchLogPage::Controls();
  controls.modeSelector = controls.typeSelector;
  controls.typeSelector = nullptr;
  return controls;
}

void CCounterLogPage::ClearRows() {
  for (PageRows<CounterRow>& rows : m_rows) rows.clear();
  m_blocks = {};
}

void CCounterLogPage::RunSearch(const CDateRange& range) {
  const int64_t value = SelectedValue(SecondSelector());
  std::optional<uint32_t> id;
  if (value != kNoCounterItem && value >= 0) id = static_cast<uint32_t>(value);
  std::optional<int32_t> channelIndex;
  if (SecondSelector().GetCurSel() > 0) channelIndex = SecondSelector().GetCurSel() - 1;
  ClearList();
  if (Owner()->Settings().nvrMode != 0)
    SearchRemote(id, channelIndex, range);
  else
    SearchLocal(id, channelIndex, range);
  ShowRows();
}

CounterRowContext CCounterLogPage::RowContext(std::optional<int32_t> channelIndex) {
  if (m_deletedText.empty()) m_deletedText = LoadTranslatedString(kDeletedText);
  const ViewerSettings& settings = Owner()->Settings();
  CounterRowContext context;
  context.cameraIds = &Owner()->CameraIds();
  context.user = settings.userAccount;
  context.genericCameraNames = settings.genericCameraNames != 0;
  context.channelIndex = channelIndex;
  context.deletedText = m_deletedText;
  context.cameraText = LoadTranslatedString(kCameraText);
  return context;
}

namespace {

// Runs one local counter query, handing each record to `row`.
template <class Record, class Filter, class Row>
bool QueryLocal(const std::string& root, const Filter& filter, const CDateRange& range, Row row) {
  CVxEventLogQueryCtrl<Record> query;
  query.Initialise(root);
  query.SetRowCallback([](const Record& record, void* context) { (*static_cast<Row*>(context))(record); }, &row);
  int count = 0;
  return query.Search(filter, range.start, range.end, &count);
}

}  // namespace

void CCounterLogPage::SearchLocal(std::optional<uint32_t> id, std::optional<int32_t> channelIndex,
                                  const CDateRange& range) {
  const std::string root = Owner()->LogRoot();
  // Generic camera names number the cameras anew: their ids filter nothing.
  if (Owner()->Settings().genericCameraNames != 0) id.reset();
  const CounterRowContext context = RowContext(channelIndex);
  PageRows<CounterRow>& rows = Rows();
  bool ok = false;
  switch (Mode()) {
    case CounterMode::kBasic:
      ok = QueryLocal<CounterLog>(root, CounterLogFilter{id}, range, [&](const CounterLog& record) {
        if (LocalBasicRow(record, context, m_cells)) KeepCellRow(m_cells, m_blocks, rows);
      });
      break;
    case CounterMode::kIvs:
      ok = QueryLocal<IVSCounterLog>(root, IVSCounterLogFilter{id}, range, [&](const IVSCounterLog& record) {
        if (LocalIvsRow(record, m_lists.devices, context, m_cells)) KeepCellRow(m_cells, m_blocks, rows);
      });
      break;
    case CounterMode::kCombined:
      ok = QueryLocal<CombinedCounterLog>(root, CombinedCounterLogFilter{id}, range,
                                          [&](const CombinedCounterLog& record) {
                                            CombinedRow(record, m_lists.counters, m_cells);
                                            KeepCellRow(m_cells, m_blocks, rows);
                                          });
      break;
  }
  if (!ok) TellSearchFailed();
}

void CCounterLogPage::SearchRemote(std::optional<uint32_t> id, std::optional<int32_t> channelIndex,
                                   const CDateRange& range) {
  const ViewerSettings& settings = Owner()->Settings();
  const std::string url = ServerUrl(settings);
  const uint32_t* idFilter = id ? &*id : nullptr;
  const uint32_t channel = channelIndex ? static_cast<uint32_t>(*channelIndex) : 0;
  const uint32_t* channelFilter = channelIndex ? &channel : nullptr;
  const CounterRowContext context = RowContext(channelIndex);
  PageRows<CounterRow>& rows = Rows();
  IVXPPClient& client = Client();
  int cameraIds = 0;
  int result = kRemoteSuccess;
  switch (Mode()) {
    case CounterMode::kBasic: {
      std::vector<CounterLog> records;
      result = client.CountingLog(url, settings.userSessionNo, idFilter, range.start, range.end, records,
                                  channelFilter, &cameraIds);
      if (result != kRemoteSuccess) break;
      for (const CounterLog& record : records) {
        RemoteBasicRow(record, cameraIds != 0, context, m_cells);
        KeepCellRow(m_cells, m_blocks, rows);
      }
      return;
    }
    case CounterMode::kIvs: {
      std::vector<IVSCounterLog> records;
      result = client.IVSCountingLog(url, settings.userSessionNo, idFilter, range.start, range.end, records,
                                     channelFilter, &cameraIds);
      if (result != kRemoteSuccess) break;
      std::vector<uint32_t> ids, watched;
      std::vector<std::string> names;
      client.GetIVSDeviceInfo(url, settings.userSessionNo, ids, names, watched);
      for (const IVSCounterLog& record : records) {
        RemoteIvsRow(record, cameraIds != 0, ids, names, context.deletedText, m_cells);
        KeepCellRow(m_cells, m_blocks, rows);
      }
      return;
    }
    case CounterMode::kCombined: {
      std::vector<CombinedCounterLog> records;
      if (client.CombinedCountingLog(url, settings.userSessionNo, idFilter, range.start, range.end, records) !=
          kRemoteSuccess) {
        TellSearchFailed();
        return;
      }
      for (const CombinedCounterLog& record : records) {
        CombinedRow(record, m_lists.counters, m_cells);
        KeepCellRow(m_cells, m_blocks, rows);
      }
      return;
    }
  }
  if (result == kRemoteTransportFailure)
    TellServerUnreachable(Owner()->EventHostWindow());
  else
    TellSearchFailed();
}

std::string CCounterLogPage::GetItemText(int row, int column) {
  const PageRows<CounterRow>& rows = Rows();
  if (row < 0 || static_cast<size_t>(row) >= rows.size() || column < 0 ||
      static_cast<size_t>(column) >= RowCells::kMaxCells)
    return {};
  return std::string(rows[static_cast<size_t>(row)]->Cell(static_cast<size_t>(column)));
}

void CCounterLogPage::SortRows(int column, int direction) {
  const size_t index = static_cast<size_t>(column);
  PageRows<CounterRow>& rows = Rows();
  if (IsNumericColumn(Mode(), column)) {
    StableSortRows(rows, [index](const CounterRow& row) { return DecimalOf(row.Cell(index)); }, direction);
  } else if (Mode() == CounterMode::kCombined) {
    StableSortRows(rows, [index](const CounterRow& row) { return CollatedText{row.Cell(index)}; }, direction);
  } else {
    StableSortRows(rows, [index](const CounterRow& row) { return row.Cell(index); }, direction);
  }
}

ExportForm CCounterLogPage::ExportFormFor(const std::string& path) const {
  // Comma-separated whatever the extension, as long as the name has one.
  return path.find('.') != std::string::npos ? ExportForm::kCsv : ExportForm::kNone;
}
