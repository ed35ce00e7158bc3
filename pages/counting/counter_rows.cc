#include "pages/counting/counter_rows.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string Decimal(int64_t value) { return std::to_string(value); }

// "[%02d] %s" of a position counted from 1 and a name.
std::string Labelled(int64_t position, const std::string& name) {
  char number[32];
  std::snprintf(number, sizeof number, "[%02lld] ", static_cast<long long>(position));
  return number + name;
}

bool MayView(const CUserAccount* user, uint32_t cameraId) {
  return user == nullptr || (user->RightsOfCamera(cameraId) & CUserAccount::kMayView) != 0;
}

// "%02d" of the camera's position in the list (from 1), or the deleted text.
std::string CameraCell(uint32_t cameraId, const CounterRowContext& context) {
  const std::vector<uint32_t>& ids = *context.cameraIds;
  const auto found = std::find(ids.begin(), ids.end(), cameraId);
  if (found == ids.end()) return context.deletedText;
  char cell[16];
  std::snprintf(cell, sizeof cell, "%02d", static_cast<int>(found - ids.begin()) + 1);
  return cell;
}

CounterCells BasicCells(const CounterLog& record, std::string cameraCell) {
  return {record.LogTime.FormatListCell(), std::move(cameraCell), Decimal(record.CountIn),
          Decimal(record.CountOut)};
}

}  // namespace

std::optional<CounterCells> LocalBasicRow(const CounterLog& record, const CounterRowContext& context) {
  if (context.genericCameraNames) {
    if (context.channelIndex && record.ChannelIndex != *context.channelIndex) return std::nullopt;
  } else if (!MayView(context.user, record.CameraId)) {
    return std::nullopt;
  }
  return BasicCells(record, CameraCell(record.CameraId, context));
}

CounterCells RemoteBasicRow(const CounterLog& record, bool cameraIds, const CounterRowContext& context) {
  if (cameraIds) return BasicCells(record, CameraCell(record.CameraId, context));
  // An older server names the channel, not the camera.
  if (static_cast<uint32_t>(record.ChannelIndex) == 4294967295u) return BasicCells(record, context.deletedText);
  return BasicCells(record, context.cameraText + " " + Decimal(record.ChannelIndex + 1));
}

std::optional<CounterCells> LocalIvsRow(const IVSCounterLog& record, const IVSDeviceTable& devices,
                                        const CounterRowContext& context) {
  std::string deviceCell = context.deletedText;
  for (const auto& [server, byId] : devices) {
    const auto found = byId.find(record.IVSDeviceId);
    if (found == byId.end()) continue;
    const IVSDeviceInfo& device = found->second;
    if (!MayView(context.user, device.CameraID) || !MayView(context.user, device.DeviceID)) return std::nullopt;
    deviceCell = Labelled(int64_t{device.Index} + 1, device.DeviceName);
    break;
  }
  return CounterCells{record.LogTime.FormatListCell(), std::move(deviceCell), record.CounterName,
                      Decimal(record.CounterResult)};
}

CounterCells RemoteIvsRow(const IVSCounterLog& record, bool labelled, const std::vector<uint32_t>& ids,
                          const std::vector<std::string>& names, const std::string& deletedText) {
  std::string deviceCell;
  if (labelled) {
    const auto found = std::find(ids.begin(), ids.end(), record.IVSDeviceId);
    const size_t position = static_cast<size_t>(found - ids.begin());
    deviceCell = found == ids.end() || position >= names.size()
                     ? deletedText
                     : Labelled(static_cast<int64_t>(position) + 1, names[position]);
  }
  return {record.LogTime.FormatListCell(), std::move(deviceCell), record.CounterName,
          Decimal(record.CounterResult)};
}

CounterCells CombinedRow(const CombinedCounterLog& record, CombinedCounterList& counters) {
  const std::string& name = counters.try_emplace(record.CounterID, kDeletedCounterText).first->second;
  return {record.LogTime.FormatListCell(), name, Decimal(record.CounterResult), {}};
}
