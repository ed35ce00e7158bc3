#include "pages/ivs/ivs_event_rows.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::string_view kCameraMark = "Associated Camera ID: ";

bool HostCanPlay(const IVSListRow& row, const CHostLink& host) {
  return row.cameraPosition != IVSListRow::kNoCamera &&
         host.CanPlay(static_cast<uint32_t>(row.cameraPosition), row.Time());
}

}  // namespace

SplitDescription SplitAssociatedCamera(std::string_view description, const std::vector<uint32_t>& cameraIds) {
  const size_t mark = description.rfind(kCameraMark);
  if (mark == std::string_view::npos) return {description, IVSListRow::kNoCamera};
  const std::string_view number = description.substr(mark + kCameraMark.size());
  uint32_t id = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), id);
  int32_t position = IVSListRow::kNoCamera;
  if (error == std::errc() && end != number.data()) {
    const auto found = std::find(cameraIds.begin(), cameraIds.end(), id);
    if (found != cameraIds.end()) position = static_cast<int32_t>(found - cameraIds.begin());
  }
  return {description.substr(0, mark), position};
}

int32_t RemoteIVSPlayState(const IVSListRow& row, const CHostLink& host) {
  if (row.cameraPosition == IVSListRow::kNoCamera) return IVSListRow::kNotPlayable;
  if (!host.noTimeWindow && !host.InTimeWindow(row.Time())) return IVSListRow::kNotPlayable;
  return HostCanPlay(row, host) && host.Holds(static_cast<uint32_t>(row.cameraPosition)) ? IVSListRow::kPlayable
                                                                                        : IVSListRow::kNotPlayable;
}

int32_t LocalIVSPlayState(const IVSListRow& row, const CHostLink& host, bool modeless) {
  const bool canPlay = HostCanPlay(row, host);
  const bool playable = modeless ? canPlay && host.InTimeWindow(row.Time()) &&
                                       host.Holds(static_cast<uint32_t>(row.cameraPosition))
                                 : canPlay;
  return playable ? IVSListRow::kPlayable : IVSListRow::kNotPlayable;
}
