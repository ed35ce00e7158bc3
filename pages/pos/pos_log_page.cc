#include "pages/pos/pos_log_page.h"

#include <optional>

#include "lang/translated_string.h"
#include "pages/common/alphabetical_choices.h"
#include "pages/pos/pos_camera_ids.h"
#include "store/event_log_query_ctrl.h"
#include "vocabulary/pos_event_log_basket.h"

namespace {

constexpr int kAllText = 49;
constexpr int kUnknownSourceText = 65;
constexpr int kDeletedSourceText = 78;

// An item value of a selector as the 32-bit number it stands for; "All"
// (-1) means no filter.
std::optional<int64_t> FilterValue(const CComboBoxModel& selector) {
  const int64_t value = selector.GetItemData(selector.GetCurSel());
  return value < 0 ? std::nullopt : std::optional<int64_t>(value);
}

bool InCameraSet(const VxBitset<128>& cameras, uint32_t index) {
  return index < VxBitset<128>::size() && cameras.test(index);
}

}  // namespace

CPosLogPage::CPosLogPage(PosPageVariant variant)
    : CSearchLogPage(kTemplateId, kLanguageSection, {.typeLabel = "Log Type:", .secondLabel = "Metadata:"}),
      m_variant(variant) {}

CPosLogPage::~CPosLogPage() = default;

std::span<const PosColumn> CPosLogPage::PosColumns() const {
  return m_variant == PosPageVariant::kLocal ? LocalPosColumns() : RemotePosColumns();
}

std::vector<PageColumn> CPosLogPage::Columns() const {
  std::vector<PageColumn> columns;
  for (const PosColumn& column : PosColumns()) columns.push_back(column.column);
  return columns;
}

void CPosLogPage::OnCreate() {
  CSearchLogPage::OnCreate();
  List().SetImages(kRowImages);
  OnPosSettingsChanged();
  Connections().push_back(List().OnRowDoubleClicked([this](int row) { OpenRow(PageRowOf(row)); }));
}

std::vector<SelectorChoice> CPosLogPage::TypeChoices() {
  m_types = TranslatedPosLogTypes();
  std::vector<SelectorChoice> choices{{LoadTranslatedString(kAllText), -1}};
  for (const PosLogType& type : m_types) {
    if (m_variant == PosPageVariant::kRemote && type.code > kLastRemotePosLogType) break;
    choices.push_back({type.name, type.code});
  }
  // The selector keeps its entries in alphabetical order, "All" on top.
  SortChoicesAfterFirst(choices);
  return choices;
}

void CPosLogPage::OnPosSettingsChanged() {
  CComboBoxModel& sources = SecondSelector();
  sources.ResetContent();
  for (const SelectorChoice& choice :
       PosSourceChoices(Owner()->PosSettings(), Owner()->Settings().userAccount, LoadTranslatedString(kAllText),
                        LoadTranslatedString(kDeletedSourceText)))
    sources.SetItemData(sources.AddString(choice.text), choice.value);
  sources.SetCurSel(0);
}

CPageControls CPosLogPage::Controls() {
  CPageControls controls = CSearchLogPage::Controls();
  controls.imagesArePlayStates = true;
  return controls;
}

void CPosLogPage::SetLogDateTime(const CDateTime& start, const CDateTime& end) {
  m_host.start = start;
  m_host.end = end;
  Pickers().ShowRange(start, end);
}

void CPosLogPage::SetLogDateTimeAndSearch(const CDateTime& start, const CDateTime& end,
                                          const VxBitset<128>& cameras) {
  SetLogDateTime(start, end);
  m_host.cameras = cameras;
  Search();
}

std::string CPosLogPage::GetItemText(int row, int column) {
  const auto columns = PosColumns();
  if (row < 0 || static_cast<size_t>(row) >= m_rows.size() || column < 0 ||
      static_cast<size_t>(column) >= columns.size())
    return {};
  const PosLogRaw& item = RowAt(static_cast<size_t>(row));
  return std::string(PosFieldText(item, columns[static_cast<size_t>(column)].field,
                                  PosLogTypeName(m_types, item.eventRuleId), m_sourceNames.NameOf(item.posId)));
}

bool CPosLogPage::ShowsAnyCamera(const std::vector<uint32_t>& cameras) const {
  for (const uint32_t index : cameras) {
    if (InCameraSet(m_host.cameras, index)) return true;
  }
  return false;
}

int32_t CPosLogPage::LocalRowImage(const PosLogRaw& row) const {
  // The modal local viewer plays whatever the host has; every other viewer
  // plays within the host's window and cameras only.
  const std::vector<uint32_t> cameras = ReadPosCameraText(row.cameraText);
  if (m_variant == PosPageVariant::kLocal && Owner()->Settings().modeless == 0) {
    return !cameras.empty() && m_host.CanPlay(cameras.front(), row.Time()) ? PosLogRaw::kPlayable
                                                                         : PosLogRaw::kNotPlayable;
  }
  return m_host.InTimeWindow(row.Time()) && ShowsAnyCamera(cameras) ? PosLogRaw::kPlayable : PosLogRaw::kNotPlayable;
}

int CPosLogPage::GetItemImage(int row) {
  if (row < 0 || static_cast<size_t>(row) >= m_rows.size()) return -1;
  PosLogRaw& item = *m_rows[static_cast<size_t>(row)];
  if (item.image == PosLogRaw::kPlayUnknown) item.image = LocalRowImage(item);
  return item.image;
}

void CPosLogPage::SortRows(int column, int direction) {
  SortPosRows(m_rows, PosColumns()[static_cast<size_t>(column)].field, m_sourceNames, direction);
}

void CPosLogPage::RunSearch(const CDateRange& range) {
  ClearList();
  m_blocks = {};
  m_sourceNames = PosSourceNames(Owner()->PosSettings(), LoadTranslatedString(kUnknownSourceText));
  if (Owner()->Settings().remoteCameraList != 0)
    SearchRemote(range);
  else
    SearchLocal(range);
  ShowRows();
  m_firstTime = m_rows.empty() ? CDateTime::Null() : m_rows.front()->Time();
  m_lastTime = m_rows.empty() ? CDateTime::Null() : m_rows.back()->Time();
}

void CPosLogPage::ListRecord(const PosEventLogBasket& record, int32_t image) {
  PosLogRaw& row = m_blocks.Next();
  row.SetTime(record.LogTime);
  row.image = image;
  row.eventRuleId = record.EventRuleId;
  row.posId = record.PosId;
  PosCameraText(record.CameraId, m_cameraText);
  row.cameraText = m_blocks.KeepText(m_cameraText);
  row.description = m_blocks.KeepText(record.Description);
  m_blocks.Keep(m_rows);
}

void CPosLogPage::ListLocalRecord(const PosEventLogBasket& record, void* search) {
  auto& page = *static_cast<CPosLogPage*>(search);
  if (!UserMaySeeSource(page.Owner()->Settings().userAccount, record.PosId)) return;
  page.ListRecord(record, PosLogRaw::kPlayUnknown);
  page.ReportRecordRead(page.m_rows.size());
}

void CPosLogPage::AbortSearch() {
  if (!InterruptLocalQuery() && Owner()->Settings().remoteCameraList != 0)
    Client().Abort();
}

void CPosLogPage::SearchLocal(const CDateRange& range) {
  CVxEventLogQueryCtrl<PosEventLogBasket> query;
  query.Initialise(Owner()->LogRoot());  // lists the folder; cannot fail
  PosEventLogFilter filter;
  if (const auto code = FilterValue(TypeSelector())) filter.eventRuleId = static_cast<int32_t>(*code);
  if (const auto posId = FilterValue(SecondSelector())) filter.posId = static_cast<uint32_t>(*posId);
  query.SetRowCallback(&CPosLogPage::ListLocalRecord, this);
  const auto bound = [](const CDateTime& t) { return t.GetStatus() == CDateTime::kNull ? TimeBound() : TimeBound(t); };
  RunLocalQuery(query, [&] {
    int count = 0;
    return query.Search(filter, bound(range.start), bound(range.end), &count);
  });
}

void CPosLogPage::SearchRemote(const CDateRange& range) {
  const ViewerSettings& viewer = Owner()->Settings();
  std::optional<int> code;
  std::optional<uint32_t> posId;
  if (const auto value = FilterValue(TypeSelector())) code = static_cast<int>(*value);
  if (const auto value = FilterValue(SecondSelector())) posId = static_cast<uint32_t>(*value);
  std::vector<PosEventLogBasket> records;
  const bool ok = Client().PosEventLog(ServerUrl(viewer), viewer.userSessionNo, code ? &*code : nullptr,
                                       posId ? &*posId : nullptr, range.start, range.end, records);
  if (SearchCancelled())
    Client().ResetAbort();  // the next search runs again; what came before the cancel is listed
  else if (!ok)
    return;  // nothing listed, nothing said
  m_rows.reserve(records.size());
  for (const PosEventLogBasket& record : records) {
    // Rows of a modal viewer count as inside the host's window.
    const bool shown = m_host.noTimeWindow || m_host.InTimeWindow(record.LogTime);
    ListRecord(record, shown && ShowsAnyCamera(ParsePosCameraIds(record.CameraId)) ? PosLogRaw::kPlayable
                                                                             : PosLogRaw::kNotPlayable);
  }
}

CDateRange CPosLogPage::OpenWindow() {
  CDateRangePickers& pickers = Pickers();
  if (pickers.Day().IsChecked()) {
    const CDateTime start = pickers.Day().GetTime();
    return {start, start + CDateTime::kTicksPerDay};
  }
  return {pickers.Start().IsChecked() ? pickers.Start().GetTime() : m_firstTime - kOpenWindowMargin,
          pickers.End().IsChecked() ? pickers.End().GetTime() : m_lastTime + kOpenWindowMargin};
}

void CPosLogPage::OpenRow(int row) {
  if (row < 0 || static_cast<size_t>(row) >= m_rows.size()) return;
  const PosLogRaw& item = RowAt(static_cast<size_t>(row));
  // What the list shows is read back, as the user sees the row; the remote
  // page shows no cameras.
  const std::string moment(item.MomentText());
  CDateTime time;
  if (!CDateTime::ParseListCell(moment.c_str(), time) || item.image != PosLogRaw::kPlayable ||
      static_cast<int32_t>(item.posId) < 0)
    return;
  const std::vector<uint32_t> cameras =
      m_variant == PosPageVariant::kLocal ? ReadPosCameraText(item.cameraText) : std::vector<uint32_t>();
  m_selectedTime = time;
  if (Owner()->Settings().modeless == 0 && !cameras.empty()) {
    if (m_host.window != nullptr)
      m_host.window->SendMessage(platform::kMsgPlayModal, cameras.front(),
                                 reinterpret_cast<platform::LPARAM>(&m_selectedTime));
    return;
  }
  if (m_host.window == nullptr) return;
  const bool shown = m_host.InTimeWindow(m_selectedTime);
  if (shown && ShowsAnyCamera(cameras)) {
    m_host.window->PostMessage(platform::kMsgSeekPlayback, reinterpret_cast<platform::WPARAM>(&m_selectedTime));
    return;
  }
  const CDateRange window = shown ? CDateRange{m_host.start, m_host.end} : OpenWindow();
  VxBitset<128> cameraSet;
  for (const uint32_t index : cameras) {
    if (index < VxBitset<128>::size()) cameraSet.set(index);
  }
  // Every event and metadata page moves to the window, this one included.
  Owner()->SetLogDateTimeAndSearch(window.start, window.end, cameraSet);
  m_playback = PlaybackRequest{window.start, window.end, m_selectedTime, cameraSet};
  m_host.window->PostMessage(platform::kMsgStartPlayback, reinterpret_cast<platform::WPARAM>(&m_playback));
}
