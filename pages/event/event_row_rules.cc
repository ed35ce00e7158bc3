#include "pages/event/event_row_rules.h"

#include <algorithm>
#include <cstdio>

#include "vocabulary/event_ranges.h"
#include "vocabulary/user_account.h"

namespace {

// System events belong to no camera; their camera column stays empty even
// when the stored camera id names one.
constexpr bool IsCameralessNumber(int n) { return n >= 100 && n <= 114; }
// Kinds whose camera is worth naming as gone when it left the list.
constexpr int kFirstNumberWithoutDeletedCamera = 60;

void SetNumberText(std::string& text, const char* format, long long number) {
  char buffer[24];
  const int length = std::snprintf(buffer, sizeof buffer, format, number);
  text.assign(buffer, static_cast<size_t>(std::max(length, 0)));
}

}  // namespace

CameraIndexLookup::CameraIndexLookup(const std::vector<uint32_t>& cameraIds) {
  m_byId.reserve(cameraIds.size());
  for (size_t i = 0; i < cameraIds.size(); ++i) m_byId.emplace_back(cameraIds[i], static_cast<uint32_t>(i));
  // Stable: of two cameras with one id, the earlier position stays first.
  std::stable_sort(m_byId.begin(), m_byId.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
}

std::optional<uint32_t> CameraIndexLookup::Find(uint32_t cameraId) const {
  const auto it = std::lower_bound(m_byId.begin(), m_byId.end(), cameraId,
                                   [](const auto& entry, uint32_t id) { return entry.first < id; });
  if (it == m_byId.end() || it->first != cameraId) return std::nullopt;
  return it->second;
}

EventRowRules::EventRowRules(EventRowSettings settings, const std::vector<uint32_t>& cameraIds)
    : m_settings(std::move(settings)), m_cameras(cameraIds), m_cameraTexts(cameraIds.size()) {
  for (size_t i = 0; i < m_cameraTexts.size(); ++i)
    SetNumberText(m_cameraTexts[i], "%02lld", static_cast<long long>(i) + 1);
}

bool EventRowRules::ByChannel() const {
  return m_settings.source == EventSearchSource::kLocal ? m_settings.genericCameraNames
                                                        : !m_settings.recordsCarryCameraIds;
}

bool EventRowRules::KeepsNumber(int n) const {
  if (IsEdgeEvent(n)) {
    const EdgeEventNames* known = m_settings.edgeEvents;
    return known != nullptr && known->count(n) != 0;
  }
  return IsListedEventNumber(n, m_settings.nvrMode, m_settings.source);
}

bool EventRowRules::UserMaySee(uint32_t cameraId) const {
  return m_settings.user == nullptr ||
         (m_settings.user->RightsOfCamera(cameraId) & CUserAccount::kMayView) != 0;
}

std::string_view EventRowRules::CameraOf(const EventLogView& record, uint32_t& cameraIndex) const {
  const int n = record.EventNumber;
  const std::optional<uint32_t> position = m_cameras.Find(record.CameraId);
  const bool named = n == 200 ? record.CameraId != kNoInputDevice && position.has_value()
                              : position.has_value() && !IsCameralessNumber(n);
  if (named) {
    cameraIndex = *position;
    return m_cameraTexts[*position];
  }
  if (n != 200 && n < kFirstNumberWithoutDeletedCamera) return m_settings.deletedCameraText;
  return {};
}

bool EventRowRules::List(const EventLogView& record, PageRowBlocks<EventListItem>& blocks,
                         PageRows<EventListItem>& rows) const {
  const int n = record.EventNumber;
  const bool remote = m_settings.source == EventSearchSource::kRemote;
  // A remote server's records meet the switches before anything else.
  if (remote && !EventShownBySwitches(m_settings.variant, m_settings.switches, n)) return false;
  uint32_t cameraIndex = EventListItem::kNoCamera;
  std::string_view cameraText;
  std::string channelText;
  if (ByChannel()) {
    // Cameras are known by position only: the channel index is the camera.
    if (!remote && m_settings.cameraPosition &&
        int64_t{record.ChannelIndex} != int64_t{*m_settings.cameraPosition})
      return false;
    if (record.ChannelIndex >= 0) {
      SetNumberText(channelText, "%lld", static_cast<long long>(record.ChannelIndex) + 1);
      cameraText = channelText;
      cameraIndex = static_cast<uint32_t>(record.ChannelIndex);
    }
  } else {
    if (!KeepsNumber(n)) return false;
    if (!remote && !UserMaySee(record.CameraId)) return false;
    if (!remote && !EventShownBySwitches(m_settings.variant, m_settings.switches, n)) return false;
    cameraText = CameraOf(record, cameraIndex);
  }
  EventListItem& row = blocks.Next();
  row.playState = EventListItem::kPlayUnknown;
  row.eventNumber = n;
  row.cameraIndex = cameraIndex;
  row.cameraText = blocks.KeepText(cameraText);
  row.description = blocks.KeepText(record.Description);
  row.SetTime(record.LogTime);
  blocks.Keep(rows);
  return true;
}
