#include "pages/ivs/ivs_log_page.h"

#include <algorithm>

#include "config/ivs_configuration.h"
#include "lang/translated_string.h"
#include "lang/vx_trans.h"
#include "pages/ivs/ivs_rule_types.h"
#include "store/event_log_query_ctrl.h"
#include "vocabulary/string_table.h"
#include "vocabulary/user_account.h"

namespace {

using Align = CListColumn::Align;

constexpr int kIVSEventTitle = 113;
constexpr int kAllText = 49;
constexpr int kDeletedText = 78;
constexpr int32_t kFirstIVSEvent = 10000;
constexpr int32_t kLastIVSEvent = 19999;
constexpr int kRemoteSuccess = 1;
constexpr int kRemoteTransportFailure = -1;
// Row images: bitmap 5006 in 16-pixel images, light grey transparent.
constexpr CListImages kRowImages{5006, 16, 0xC0C0C0};

constexpr PageColumn kColumns[] = {
    {115, 150, Align::kCentre},  // Event Time
    {116, 190, Align::kLeft},    // Rule Type
    {117, 100, Align::kLeft},    // Device Name
    {118, 400, Align::kLeft},    // Description
};

// A selector's value as a filter: "All" (4294967295, -1 as 32 bits) is none.
std::optional<int32_t> FilterValue(const CComboBoxModel& selector) {
  const int selected = selector.GetCurSel();
  if (selected == CComboBoxModel::kError) return std::nullopt;
  const auto value = static_cast<int32_t>(selector.GetItemData(selected));
  return value < 0 ? std::nullopt : std::optional<int32_t>(value);
}

TimeBound Bound(const CDateTime& t) { return t.GetStatus() == CDateTime::kNull ? TimeBound() : TimeBound(t); }

}  // namespace

CIVSLogPage::CIVSLogPage()
    : CSearchLogPage(kTemplateId, kLanguageSection, {.typeLabel = "Rule Type:", .secondLabel = "Device:"}) {
  SetWindowText(LoadStringText(kIVSEventTitle));
}

CIVSLogPage::~CIVSLogPage() = default;

void CIVSLogPage::OnCreate() {
  CSearchLogPage::OnCreate();
  List().SetImages(kRowImages);
  FillDeviceSelector();
  Connections().push_back(List().OnRowDoubleClicked([this](int row) { OpenRow(PageRowOf(row)); }));
}

CPageControls CIVSLogPage::Controls() {
  CPageControls controls = CSearchLogPage::Controls();
  controls.imagesArePlayStates = true;
  return controls;
}

std::vector<PageColumn> CIVSLogPage::Columns() const { return {std::begin(kColumns), std::end(kColumns)}; }

// The offered rule types in alphabetical order, under "All".
std::vector<SelectorChoice> CIVSLogPage::TypeChoices() {
  const CVxTrans trans;
  std::vector<SelectorChoice> choices;
  m_ruleTexts.clear();
  for (int32_t type = 0; type < kIVSRuleTypeCount; ++type) {
    m_ruleTexts.push_back(trans.Translated(IVSRuleTypeText(type)));
    if (IsIVSRuleTypeOffered(type)) choices.push_back({m_ruleTexts.back(), type});
  }
  std::stable_sort(choices.begin(), choices.end(),
                   [](const SelectorChoice& a, const SelectorChoice& b) { return a.text < b.text; });
  choices.insert(choices.begin(), SelectorChoice{LoadTranslatedString(kAllText), kAll});
  return choices;
}

void CIVSLogPage::OnCameraListLoaded() { FillDeviceSelector(); }

bool CIVSLogPage::MayView(uint32_t id) const {
  const CUserAccount* user = Owner()->Settings().userAccount;
  return user == nullptr || (user->RightsOfCamera(id) & 1u) != 0;
}

void CIVSLogPage::FillDeviceSelector() {
  CComboBoxModel& devices = SecondSelector();
  devices.ResetContent();
  devices.SetItemData(devices.AddString(LoadTranslatedString(kAllText)), kAll);
  const ViewerSettings& settings = Owner()->Settings();
  if (settings.nvrMode != 0) {
    std::vector<uint32_t> ids, cameraIds;
    std::vector<std::string> names;
    Client().GetIVSDeviceInfo(ServerUrl(settings), settings.userSessionNo, ids, names, cameraIds);
    for (size_t i = 0; i < ids.size() && i < names.size(); ++i) devices.SetItemData(devices.AddString(names[i]), ids[i]);
  } else {
    for (const auto& server : InstallationIVSConfiguration(Owner()->InstallFolder(), Owner()->LogRootIsBackup())) {
      for (const IVSConfigDevice& device : server) {
        if (MayView(device.ivsDeviceId)) devices.SetItemData(devices.AddString(device.name), device.ivsDeviceId);
      }
    }
  }
  devices.SetCurSel(0);
}

void CIVSLogPage::SetLogDateTime(const CDateTime& start, const CDateTime& end) {
  m_host.start = start;
  m_host.end = end;
  Pickers().ShowRange(start, end);
}

void CIVSLogPage::SetLogDateTimeAndSearch(const CDateTime& start, const CDateTime& end,
                                          const VxBitset<128>& cameras) {
  m_host.cameras = cameras;
  SetLogDateTime(start, end);
  Search();
}

void CIVSLogPage::RunSearch(const CDateRange& range) {
  ClearList();
  m_blocks = {};
  m_deletedText = LoadTranslatedString(kDeletedText);
  m_deviceNames.clear();
  const CComboBoxModel& devices = SecondSelector();
  for (int i = 1; i < devices.GetCount(); ++i)  // past "All"
    m_deviceNames.try_emplace(devices.GetItemData(i), devices.GetLBText(i));
  const std::optional<int32_t> ruleType = FilterValue(TypeSelector());
  const std::optional<int32_t> device = FilterValue(SecondSelector());
  if (Owner()->Settings().nvrMode != 0)
    SearchRemote(device, ruleType, range);
  else
    SearchLocal(device, ruleType, range);
  ShowRows();
}

void CIVSLogPage::ListLocalRecord(const EventLogBasket& record, void* page) {
  auto& self = *static_cast<CIVSLogPage*>(page);
  if (self.AddRow(ViewOf(record))) self.ReportRecordRead(self.m_rows.size());
}

void CIVSLogPage::AbortSearch() {
  if (!InterruptLocalQuery() && Owner()->Settings().nvrMode != 0)
    Client().Abort();
}

void CIVSLogPage::SearchLocal(std::optional<int32_t> device, std::optional<int32_t> ruleType,
                              const CDateRange& range) {
  CVxEventLogQueryCtrl<EventLogBasket> query;
  query.Initialise(Owner()->LogRoot());  // lists the folder; cannot fail
  EventLogFilter filter;
  filter.event = EventNumberFilter{kFirstIVSEvent, device.value_or(-1)};
  if (ruleType) filter.cameraId = static_cast<uint32_t>(*ruleType);
  query.SetRowCallback(&CIVSLogPage::ListLocalRecord, this);
  RunLocalQuery(query, [&] {
    int count = 0;
    return query.Search(filter, Bound(range.start), Bound(range.end), &count);
  });
}

void CIVSLogPage::SearchRemote(std::optional<int32_t> device, std::optional<int32_t> ruleType,
                               const CDateRange& range) {
  const ViewerSettings& settings = Owner()->Settings();
  std::optional<uint32_t> deviceId;
  if (device) deviceId = static_cast<uint32_t>(*device);
  EventLogRecords records;
  int textFormat = 0;
  const int result = Client().IVSEventLog(ServerUrl(settings), settings.userSessionNo, deviceId ? &*deviceId : nullptr,
                                        ruleType ? &*ruleType : nullptr, range.start, range.end, records, &textFormat);
  const bool cancelled = SearchCancelled();
  if (cancelled) Client().ResetAbort();  // the next search runs again; what came before the cancel is listed
  // Only a server that sends text records (protocol 2.0 on) sends what a
  // row needs; the rows delivered before a failure or a cancel are kept.
  if (textFormat == 1) {
    for (const EventLogView& record : records) {
      if (AddRow(record)) m_rows.back()->playState = RemoteIVSPlayState(*m_rows.back(), m_host);
    }
  }
  if (cancelled) return;
  if (result == kRemoteTransportFailure)
    TellServerUnreachable(m_host.window);
  else if (result != kRemoteSuccess)
    TellSearchFailed();
}

const std::string& CIVSLogPage::DeviceName(const EventLogView& record) const {
  if (record.EventNumber < kFirstIVSEvent || record.EventNumber > kLastIVSEvent) return m_deletedText;
  const auto found = m_deviceNames.find(static_cast<int64_t>(static_cast<uint32_t>(record.ChannelIndex)));
  return found != m_deviceNames.end() ? found->second : m_deletedText;
}

bool CIVSLogPage::AddRow(const EventLogView& record) {
  if (!MayView(static_cast<uint32_t>(record.ChannelIndex))) return false;
  IVSListRow& row = m_blocks.Next();
  row.SetTime(record.LogTime);
  row.playState = IVSListRow::kPlayUnknown;
  row.eventNumber = record.EventNumber;
  row.deviceName = m_blocks.KeepText(DeviceName(record));
  const SplitDescription description = SplitAssociatedCamera(record.Description, Owner()->CameraIds());
  row.description = m_blocks.KeepText(description.text);
  row.cameraPosition = description.cameraPosition;
  row.ruleType = static_cast<int32_t>(record.CameraId);
  m_blocks.Keep(m_rows);
  return true;
}

// A rule type outside the table shows no text.
std::string CIVSLogPage::GetItemText(int row, int column) {
  const IVSListRow& item = RowAt(static_cast<size_t>(row));
  switch (column) {
    case 0:
      return std::string(item.MomentText());
    case 1:
      return item.ruleType >= 0 && static_cast<size_t>(item.ruleType) < m_ruleTexts.size()
                 ? m_ruleTexts[static_cast<size_t>(item.ruleType)]
                 : std::string();
    case 2:
      return std::string(item.deviceName);
    case 3:
      return std::string(item.description);
    default:
      return {};
  }
}

int CIVSLogPage::GetItemImage(int row) {
  IVSListRow& item = *m_rows[static_cast<size_t>(row)];
  if (item.playState == IVSListRow::kPlayUnknown)
    item.playState = LocalIVSPlayState(item, m_host, Owner()->Settings().modeless != 0);
  return item.playState;
}

// The rule-type column sorts by number, the others by the text shown.
void CIVSLogPage::SortRows(int column, int direction) {
  switch (column) {
    case 0:
      return StableSortRows(m_rows, [](const IVSListRow& r) { return r.MomentText(); }, direction);
    case 1:
      return StableSortRows(m_rows, [](const IVSListRow& r) { return r.ruleType; }, direction);
    case 2:
      return StableSortRows(m_rows, [](const IVSListRow& r) { return r.deviceName; }, direction);
    default:
      return StableSortRows(m_rows, [](const IVSListRow& r) { return r.description; }, direction);
  }
}

void CIVSLogPage::OpenRow(int row) {
  if (m_host.window == nullptr || row < 0 || static_cast<size_t>(row) >= RowCount()) return;
  const IVSListRow& item = RowAt(static_cast<size_t>(row));
  CDateTime selected;
  if (!CDateTime::ParseListCell(std::string(item.MomentText()).c_str(), selected) || item.playState != IVSListRow::kPlayable) return;
  m_selectedTime = selected;
  if (Owner()->Settings().modeless == 0) {
    m_host.window->SendMessage(platform::kMsgPlayModal, static_cast<platform::WPARAM>(item.cameraPosition),
                               reinterpret_cast<platform::LPARAM>(&m_selectedTime));
    return;
  }
  m_host.OpenInModelessViewer(*Owner(), item.cameraPosition, m_selectedTime, m_playback);
}
