#include "pages/event/event_log_page.h"

#include <cstdio>

#include "lang/translated_string.h"
#include "lang/vx_trans.h"
#include "pages/common/camera_selector.h"
#include "pages/common/page_row_blocks.h"
#include "pages/event/event_play_state.h"
#include "store/event_log_query_ctrl.h"

namespace {

constexpr int kRemoteTransportFailure = -1;
constexpr int kRemoteSuccess = 1;

// An item value of a selector as the 32-bit signed number it stands for;
// "All" (-1) and anything else negative mean no filter.
std::optional<int32_t> FilterValue(const CComboBoxModel& selector) {
  const auto value = static_cast<int32_t>(selector.GetItemData(selector.GetCurSel()));
  return value < 0 ? std::nullopt : std::optional<int32_t>(value);
}

template <class T>
const T* PointerTo(const std::optional<T>& value) {
  return value ? &*value : nullptr;
}

// What one local search hands its row callback.
struct LocalListing {
  CEventLogPage* page;
  const EventRowRules* rules;
  PageRows<EventListItem>* rows;
  PageRowBlocks<EventListItem> blocks;
};

}  // namespace

CEventLogPage::CEventLogPage(EventPageVariant variant)
    : CSearchLogPage(kTemplateId, kLanguageSection, {.typeLabel = "Event Type:", .secondLabel = "Camera:"}),
      m_variant(variant) {}

CEventLogPage::~CEventLogPage() = default;

std::span<const EventColumn> CEventLogPage::EventColumns() const {
  return m_variant == EventPageVariant::kLocal ? LocalEventColumns() : RemoteEventColumns();
}

std::vector<PageColumn> CEventLogPage::Columns() const {
  std::vector<PageColumn> columns;
  for (const EventColumn& column : EventColumns()) columns.push_back(column.column);
  return columns;
}

SimilarColumns CEventLogPage::ShowSimilarColumns() const {
  SimilarColumns similar;
  const std::span<const EventColumn> columns = EventColumns();
  for (size_t i = 0; i < columns.size(); ++i) {
    if (columns[i].field == EventField::kType) similar.type = static_cast<int>(i);
    if (columns[i].field == EventField::kCamera) similar.second = static_cast<int>(i);
  }
  return similar;
}

int CEventLogPage::SimilarEntry(const CComboBoxModel& selector, int pageRow, int column) {
  if (column != ShowSimilarColumns().second) return CSearchLogPage::SimilarEntry(selector, pageRow, column);
  const uint32_t camera = m_rows[static_cast<size_t>(pageRow)]->cameraIndex;
  const std::vector<uint32_t>& ids = Owner()->CameraIds();
  return camera < ids.size() ? FindValue(selector, ids[camera]) : -1;
}

void CEventLogPage::OnCreate() {
  CSearchLogPage::OnCreate();
  List().SetImages(kRowImages);
  OnCameraListLoaded();
  Connections().push_back(List().OnRowDoubleClicked([this](int row) { OpenRow(PageRowOf(row)); }));
}

std::vector<SelectorChoice> CEventLogPage::TypeChoices() {
  const CVxTrans trans;
  std::vector<SelectorChoice> choices;
  for (const EventTypeChoice& choice : EventTypeChoices()) choices.push_back({trans.Translated(choice.text), choice.value});
  m_typeTexts.clear();  // edge event names may have changed
  return choices;
}

void CEventLogPage::OnTypeChosen() {
  const CComboBoxModel& types = TypeSelector();
  const auto value = static_cast<int32_t>(types.GetItemData(types.GetCurSel()));
  const bool takesCamera = TypeTakesCamera(value);
  if (!takesCamera) SecondSelector().SetCurSel(0);
  SecondSelector().Enable(takesCamera);
}

void CEventLogPage::OnCameraListLoaded() {
  FillCameraSelector(SecondSelector(), Owner()->CameraNames(), Owner()->CameraIds());
}

CPageControls CEventLogPage::Controls() {
  CPageControls controls = CSearchLogPage::Controls();
  controls.imagesArePlayStates = true;
  return controls;
}

void CEventLogPage::SetLogDateTime(const CDateTime& start, const CDateTime& end) {
  m_host.start = start;
  m_host.end = end;
  Pickers().ShowRange(start, end);
}

void CEventLogPage::SetLogDateTimeAndSearch(const CDateTime& start, const CDateTime& end,
                                            const VxBitset<128>& cameras) {
  m_host.cameras = cameras;
  SetLogDateTime(start, end);
  Search();
}

const std::string& CEventLogPage::TypeText(int eventNumber) {
  auto [it, added] = m_typeTexts.try_emplace(eventNumber);
  if (added) {
    static const EdgeEventNames kNoEdgeEvents;
    const EdgeEventNames* edge = KnownEdgeEvents();
    it->second = CVxTrans().Translated(EventText(CatalogueOf(m_variant), eventNumber, edge ? *edge : kNoEdgeEvents));
  }
  return it->second;
}

std::string CEventLogPage::GetItemText(int row, int column) {
  const auto columns = EventColumns();
  if (column < 0 || static_cast<size_t>(column) >= columns.size()) return {};
  const EventListItem& item = RowAt(static_cast<size_t>(row));
  return std::string(EventFieldText(item, columns[column].field, TypeText(item.eventNumber)));
}

std::string_view CEventLogPage::GetItemTextView(int row, int column, std::string&) {
  const auto columns = EventColumns();
  if (column < 0 || static_cast<size_t>(column) >= columns.size()) return {};
  // A reader of many cells (the find box, an export) goes down the list: the
  // rows ahead are fetched while this one is read, as they lie scattered
  // once the list is sorted.
  if (column == 0) {
    const size_t ahead = static_cast<size_t>(row) + kRowsFetchedAhead;
    if (ahead < m_rows.size()) __builtin_prefetch(m_rows[ahead].get());
    if (ahead - kRowsFetchedAhead / 2 < m_rows.size())
      __builtin_prefetch(m_rows[ahead - kRowsFetchedAhead / 2]->description.data());
  }
  const EventListItem& item = RowAt(static_cast<size_t>(row));
  const EventField field = columns[column].field;
  static const std::string kNoType;
  const bool showsType = field == EventField::kType || field == EventField::kDescriptionOrType;
  return EventFieldText(item, field, showsType ? TypeText(item.eventNumber) : kNoType);
}

int CEventLogPage::GetItemImage(int row) {
  EventListItem& item = *m_rows[static_cast<size_t>(row)];
  if (item.playState == EventListItem::kPlayUnknown)
    item.playState = LocalSearchPlayState(item, m_host, Owner()->Settings().modeless != 0,
                                          m_variant == EventPageVariant::kRemote);
  return item.playState;
}

void CEventLogPage::SortRows(int column, int direction) {
  SortEventRows(m_rows, EventColumns()[static_cast<size_t>(column)].field, direction);
}

EventRowSettings CEventLogPage::RowSettings(EventSearchSource source) const {
  const ViewerSettings& viewer = Owner()->Settings();
  EventRowSettings settings;
  settings.variant = m_variant;
  settings.source = source;
  settings.nvrMode = viewer.nvrMode != 0;
  settings.genericCameraNames = viewer.genericCameraNames != 0;
  if (SecondSelector().GetCurSel() > 0) settings.cameraPosition = static_cast<uint32_t>(SecondSelector().GetCurSel() - 1);
  settings.switches = Owner()->EventSwitches();
  settings.user = viewer.userAccount;
  settings.edgeEvents = KnownEdgeEvents();
  settings.deletedCameraText = LoadTranslatedString(kDeletedCameraText);
  return settings;
}

void CEventLogPage::RunSearch(const CDateRange& range) {
  ClearList();
  m_typeTexts.clear();  // the language may have changed since the last search
  if (Owner()->Settings().remoteCameraList != 0)
    SearchRemote(range);
  else
    SearchLocal(range);
  ShowRows();
}

void CEventLogPage::ListLocalRecord(const EventLogBasket& record, void* search) {
  auto& listing = *static_cast<LocalListing*>(search);
  listing.rules->List(ViewOf(record), listing.blocks, *listing.rows);
  listing.page->ReportRecordRead(listing.rows->size());
}

void CEventLogPage::AbortSearch() {
  if (!InterruptLocalQuery() && Owner()->Settings().remoteCameraList != 0)
    Client().Abort();
}

void CEventLogPage::SearchLocal(const CDateRange& range) {
  const ViewerSettings& viewer = Owner()->Settings();
  CVxEventLogQueryCtrl<EventLogBasket> query;
  query.Initialise(Owner()->LogRoot());  // lists the folder; cannot fail
  EventLogFilter filter;
  if (const auto number = FilterValue(TypeSelector())) filter.event = EventNumberFilter{*number};
  // Generic names know cameras by position only: the rows are matched by
  // channel index instead.
  if (viewer.genericCameraNames == 0) filter.cameraId = FilterValue(SecondSelector());
  const EventRowRules rules(RowSettings(EventSearchSource::kLocal), Owner()->CameraIds());
  LocalListing listing{this, &rules, &m_rows, {}};
  query.SetRowCallback(&CEventLogPage::ListLocalRecord, &listing);
  const auto bound = [](const CDateTime& t) { return t.GetStatus() == CDateTime::kNull ? TimeBound() : TimeBound(t); };
  RunLocalQuery(query, [&] {
    int count = 0;
    return query.Search(filter, bound(range.start), bound(range.end), &count);
  });
}

void CEventLogPage::SearchRemote(const CDateRange& range) {
  const ViewerSettings& viewer = Owner()->Settings();
  const std::optional<int32_t> eventNumber = FilterValue(TypeSelector());
  std::optional<uint32_t> cameraId;
  if (const auto id = FilterValue(SecondSelector())) cameraId = static_cast<uint32_t>(*id);
  std::optional<uint32_t> position;
  if (SecondSelector().GetCurSel() > 0) position = static_cast<uint32_t>(SecondSelector().GetCurSel() - 1);

  EventLogRecords records;
  int textFormat = 0;
  const int result = Client().EventLog(ServerUrl(viewer), viewer.userSessionNo,
                                     PointerTo(eventNumber), PointerTo(cameraId), range.start, range.end, records,
                                     PointerTo(position), &textFormat);
  if (SearchCancelled()) {
    Client().ResetAbort();  // the next search runs again; what came before the cancel is listed
  } else if (result == kRemoteTransportFailure) {
    TellServerUnreachable(m_host.window);
    return;
  } else if (result != kRemoteSuccess) {
    TellSearchFailed();
    return;
  }
  EventRowSettings settings = RowSettings(EventSearchSource::kRemote);
  settings.recordsCarryCameraIds = textFormat == 1;  // binary records carry no camera id
  const EventRowRules rules(std::move(settings), Owner()->CameraIds());
  m_rows.reserve(records.size());
  PageRowBlocks<EventListItem> blocks;
  for (const EventLogView& record : records) {
    if (rules.List(record, blocks, m_rows)) m_rows.back()->playState = RemoteSearchPlayState(*m_rows.back(), m_host);
  }
}

void CEventLogPage::OpenRow(int row) {
  if (m_host.window == nullptr || row < 0 || static_cast<size_t>(row) >= RowCount()) return;
  const EventListItem& item = RowAt(static_cast<size_t>(row));
  const std::optional<OpenedRow> opened = ReadOpenedRow(item.cameraText, item.MomentText());
  if (!opened || item.playState != EventListItem::kPlayable) return;
  m_selectedTime = opened->time;
  const int camera = opened->cameraNumber - 1;
  if (Owner()->Settings().modeless == 0) {
    m_host.window->SendMessage(platform::kMsgPlayModal, static_cast<platform::WPARAM>(camera),
                               reinterpret_cast<platform::LPARAM>(&m_selectedTime));
    return;
  }
  m_host.OpenInModelessViewer(*Owner(), camera, m_selectedTime, m_playback);
}
