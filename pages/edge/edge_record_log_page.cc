#include "pages/edge/edge_record_log_page.h"

#include <cstdio>
#include <optional>
#include <unordered_map>

#include "lang/translated_string.h"
#include "lang/vx_trans.h"
#include "pages/common/alphabetical_choices.h"
#include "pages/common/camera_selector.h"
#include "pages/edge/edge_retrieve_types.h"
#include "store/event_log_query_ctrl.h"
#include "vocabulary/edge_record_log_basket.h"
#include "vocabulary/user_account.h"

namespace {

constexpr int kAllText = 49;
constexpr int kDeletedCameraText = 78;
constexpr int kRemoteSuccess = 1;
constexpr int kRemoteTransportFailure = -1;

using Align = CListColumn::Align;
constexpr PageColumn kColumns[] = {
    {173, 200, Align::kCentre},  // Time
    {174, 150, Align::kLeft},    // Type
    {175, 80, Align::kLeft},     // Camera
    {176, 450, Align::kLeft},    // Description
};

std::optional<int64_t> FilterValue(const CComboBoxModel& selector) {
  const int64_t value = selector.GetItemData(selector.GetCurSel());
  return value < 0 ? std::nullopt : std::optional<int64_t>(value);
}

std::string TwoDigits(int64_t number) {
  char text[24];
  std::snprintf(text, sizeof text, "%02lld", static_cast<long long>(number));
  return text;
}

}  // namespace

// What one search knows when it turns records into rows: the chosen camera,
// the camera list, the user and the texts, gathered once.
class CEdgeRecordLogPage::RowMaker {
 public:
  RowMaker(const IViewerContext& viewer, std::optional<uint32_t> cameraId, std::optional<int32_t> position,
           PageRows<EdgeRecordLogRaw>& rows)
      : m_generic(viewer.Settings().genericCameraNames != 0),
        m_user(viewer.Settings().userAccount),
        m_cameraId(cameraId),
        m_position(position),
        m_deleted(LoadTranslatedString(kDeletedCameraText)),
        m_rows(rows) {
    const std::vector<uint32_t>& ids = viewer.CameraIds();
    for (size_t i = 0; i < ids.size(); ++i) m_positions.try_emplace(ids[i], static_cast<int32_t>(i));
  }

  // A local record: generic camera names know the chosen camera by position
  // only; otherwise the user's rights decide.
  void ListLocal(const EdgeRecordLogBasket& record) {
    if (m_generic && m_position) {
      if (m_cameraId && record.CameraId != *m_cameraId) return;
      List(record, *m_position);
      return;
    }
    if (!m_generic && m_user != nullptr && (m_user->RightsOfCamera(record.CameraId) & CUserAccount::kMayView) == 0)
      return;
    List(record, PositionOf(record.CameraId));
  }
  void ListRemote(const EdgeRecordLogBasket& record) { List(record, PositionOf(record.CameraId)); }

 private:
  int32_t PositionOf(uint32_t cameraId) const {
    const auto it = m_positions.find(cameraId);
    return it != m_positions.end() ? it->second : EdgeRecordLogRaw::kNoCamera;
  }
  // The camera column of a position, formatted once per search.
  const std::string& CameraText(int32_t position) {
    if (position == EdgeRecordLogRaw::kNoCamera) return m_deleted;
    const auto at = static_cast<size_t>(position);
    if (at >= m_cameraTexts.size()) m_cameraTexts.resize(at + 1);
    if (m_cameraTexts[at].empty()) m_cameraTexts[at] = TwoDigits(position + 1LL);
    return m_cameraTexts[at];
  }
  void List(const EdgeRecordLogBasket& record, int32_t position) {
    EdgeRecordLogRaw& row = m_blocks.Next();
    row.SetTime(record.LogTime);
    row.logType = record.LogType;
    row.cameraIndex = position;
    row.cameraText = m_blocks.KeepText(CameraText(position));
    row.description = m_blocks.KeepText(record.Description);
    m_blocks.Keep(m_rows);
  }

  const bool m_generic;
  const CUserAccount* const m_user;
  const std::optional<uint32_t> m_cameraId;
  const std::optional<int32_t> m_position;
  const std::string m_deleted;
  std::unordered_map<uint32_t, int32_t> m_positions;  // camera id -> first position
  std::vector<std::string> m_cameraTexts;  // by position; empty until used
  PageRows<EdgeRecordLogRaw>& m_rows;
  PageRowBlocks<EdgeRecordLogRaw> m_blocks;
};

CEdgeRecordLogPage::CEdgeRecordLogPage()
    : CSearchLogPage(kTemplateId, kLanguageSection, {.typeLabel = "Log Type:", .secondLabel = "Channel:"}) {}

CEdgeRecordLogPage::~CEdgeRecordLogPage() = default;

void CEdgeRecordLogPage::OnCreate() {
  CSearchLogPage::OnCreate();
  List().SetImages(kRowImages);
  OnCameraListLoaded();
}

void CEdgeRecordLogPage::OnCameraListLoaded() {
  FillCameraSelector(SecondSelector(), Owner()->CameraNames(), Owner()->CameraIds());
}

std::vector<SelectorChoice> CEdgeRecordLogPage::TypeChoices() {
  const CVxTrans trans;
  std::vector<SelectorChoice> choices{{LoadTranslatedString(kAllText), -1}};
  for (const EdgeRetrieveType& type : EdgeRetrieveTypes()) choices.push_back({trans.Translated(type.name), type.code});
  // The selector keeps its entries in alphabetical order, "All" on top.
  SortChoicesAfterFirst(choices);
  return choices;
}

std::vector<PageColumn> CEdgeRecordLogPage::Columns() const { return {std::begin(kColumns), std::end(kColumns)}; }

std::string CEdgeRecordLogPage::GetItemText(int row, int column) {
  if (row < 0 || static_cast<size_t>(row) >= m_rows.size()) return {};
  const EdgeRecordLogRaw& item = RowAt(static_cast<size_t>(row));
  switch (column) {
    case 0: return std::string(item.MomentText());
    case 1: return CVxTrans().Translated(std::string(EdgeRetrieveTypeName(item.logType)));
    case 2: return std::string(item.cameraText);
    case 3: return std::string(item.description);
    default: return {};
  }
}

void CEdgeRecordLogPage::SortRows(int column, int direction) {
  switch (column) {
    case 0: StableSortRows(m_rows, [](const EdgeRecordLogRaw& r) { return r.MomentText(); }, direction); break;
    case 1: StableSortRows(m_rows, [](const EdgeRecordLogRaw& r) { return r.logType; }, direction); break;
    case 2: StableSortRows(m_rows, [](const EdgeRecordLogRaw& r) { return r.cameraText; }, direction); break;
    default: StableSortRows(m_rows, [](const EdgeRecordLogRaw& r) { return r.description; }, direction); break;
  }
}

void CEdgeRecordLogPage::RunSearch(const CDateRange& range) {
  ClearList();
  std::optional<uint32_t> cameraId;
  if (const auto id = FilterValue(SecondSelector())) cameraId = static_cast<uint32_t>(*id);
  std::optional<int32_t> position;
  if (SecondSelector().GetCurSel() > 0) position = SecondSelector().GetCurSel() - 1;
  RowMaker maker(*Owner(), cameraId, position, m_rows);
  if (Owner()->Settings().remoteCameraList != 0)
    SearchRemote(range, maker);
  else
    SearchLocal(range, maker);
  ShowRows();
}

void CEdgeRecordLogPage::ListLocalRecord(const EdgeRecordLogBasket& record, void* page) {
  auto& self = *static_cast<CEdgeRecordLogPage*>(page);
  self.m_maker->ListLocal(record);
  self.ReportRecordRead(self.m_rows.size());
}

void CEdgeRecordLogPage::AbortSearch() {
  if (!InterruptLocalQuery() && Owner()->Settings().remoteCameraList != 0)
    Client().Abort();
}

void CEdgeRecordLogPage::SearchLocal(const CDateRange& range, RowMaker& maker) {
  CVxEventLogQueryCtrl<EdgeRecordLogBasket> query;
  query.Initialise(Owner()->LogRoot());  // lists the folder; cannot fail
  EdgeRecordLogFilter filter;
  if (const auto code = FilterValue(TypeSelector())) filter.logType = static_cast<int32_t>(*code);
  // Generic names know cameras by position only: records are matched to the
  // chosen camera as they come.
  if (Owner()->Settings().genericCameraNames == 0) {
    if (const auto id = FilterValue(SecondSelector())) filter.cameraId = static_cast<uint32_t>(*id);
  }
  query.SetRowCallback(&CEdgeRecordLogPage::ListLocalRecord, this);
  m_maker = &maker;
  const auto bound = [](const CDateTime& t) { return t.GetStatus() == CDateTime::kNull ? TimeBound() : TimeBound(t); };
  RunLocalQuery(query, [&] {
    int count = 0;
    return query.Search(filter, bound(range.start), bound(range.end), &count);
  });
  m_maker = nullptr;
}

void CEdgeRecordLogPage::SearchRemote(const CDateRange& range, RowMaker& maker) {
  const ViewerSettings& viewer = Owner()->Settings();
  std::optional<int> code;
  std::optional<uint32_t> cameraId;
  if (const auto value = FilterValue(TypeSelector())) code = static_cast<int>(*value);
  if (const auto value = FilterValue(SecondSelector())) cameraId = static_cast<uint32_t>(*value);
  std::vector<EdgeRecordLogBasket> records;
  int textFormat = 0;
  const int result = Client().EdgeRecordLog(ServerUrl(viewer), viewer.userSessionNo, code ? &*code : nullptr,
                                            cameraId ? &*cameraId : nullptr, range.start, range.end, records,
                                            &textFormat);
  if (SearchCancelled()) {
    Client().ResetAbort();  // the next search runs again; what came before the cancel is listed
  } else if (result == kRemoteTransportFailure) {
    // The page has no host window of its own: the event page's hears it.
    TellServerUnreachable(Owner()->EventHostWindow());
    return;
  } else if (result != kRemoteSuccess) {
    TellSearchFailed();
    return;
  }
  m_rows.reserve(records.size());
  for (const EdgeRecordLogBasket& record : records) maker.ListRemote(record);
}
