#include "pages/counting/counter_rows.h"

#include <algorithm>

namespace {

bool MayView(const CUserAccount* user, uint32_t cameraId) {
  return user == nullptr || (user->RightsOfCamera(cameraId) & CUserAccount::kMayView) != 0;
}

// "[%02d] %s" of a position counted from 1 and a name.
void AddLabelled(RowCells& cells, int64_t position, const std::string& name) {
  cells.Append(position >= 0 && position < 10 ? "[0" : "[");
  cells.AppendDecimal(position);
  cells.Append("] ");
  cells.Append(name);
  cells.EndCell();
}

// "%02d" of the camera's position in the list (from 1), or the deleted text.
void AddCamera(RowCells& cells, uint32_t cameraId, const CounterRowContext& context) {
  const std::vector<uint32_t>& ids = *context.cameraIds;
  const auto found = std::find(ids.begin(), ids.end(), cameraId);
  if (found == ids.end())
    cells.Add(context.deletedText);
  else
    cells.AddTwoDigits(found - ids.begin() + 1);
}

void AddCounts(RowCells& cells, const CounterLog& record) {
  cells.AddDecimal(record.CountIn);
  cells.AddDecimal(record.CountOut);
}

}  // namespace

bool LocalBasicRow(const CounterLog& record, const CounterRowContext& context, RowCells& cells) {
  if (context.genericCameraNames) {
    if (context.channelIndex && record.ChannelIndex != *context.channelIndex) return false;
  } else if (!MayView(context.user, record.CameraId)) {
    return false;
  }
  cells.Clear();
  cells.SetTime(record.LogTime);
  AddCamera(cells, record.CameraId, context);
  AddCounts(cells, record);
  return true;
}

void RemoteBasicRow(const CounterLog& record, bool cameraIds, const CounterRowContext& context,
                    RowCells& cells) {
  cells.Clear();
  cells.SetTime(record.LogTime);
  if (cameraIds)
    AddCamera(cells, record.CameraId, context);
  else if (static_cast<uint32_t>(record.ChannelIndex) == 4294967295u)  // an older server names the channel
    cells.Add(context.deletedText);
  else {
    cells.Append(context.cameraText);
    cells.Append(" ");
    cells.AppendDecimal(int64_t{record.ChannelIndex} + 1);
    cells.EndCell();
  }
  AddCounts(cells, record);
}

bool LocalIvsRow(const IVSCounterLog& record, const IVSDeviceTable& devices, const CounterRowContext& context,
                 RowCells& cells) {
  const IVSDeviceInfo* device = nullptr;
  for (const auto& [server, byId] : devices) {
    const auto found = byId.find(record.IVSDeviceId);
    if (found == byId.end()) continue;
    device = &found->second;
    break;
  }
  if (device != nullptr && (!MayView(context.user, device->CameraID) || !MayView(context.user, device->DeviceID)))
    return false;
  cells.Clear();
  cells.SetTime(record.LogTime);
  if (device != nullptr)
    AddLabelled(cells, int64_t{device->Index} + 1, device->DeviceName);
  else
    cells.Add(context.deletedText);
  cells.Add(record.CounterName);
  cells.AddDecimal(record.CounterResult);
  return true;
}

void RemoteIvsRow(const IVSCounterLog& record, bool labelled, const std::vector<uint32_t>& ids,
                  const std::vector<std::string>& names, const std::string& deletedText, RowCells& cells) {
  cells.Clear();
  cells.SetTime(record.LogTime);
  const auto found = std::find(ids.begin(), ids.end(), record.IVSDeviceId);
  const size_t position = static_cast<size_t>(found - ids.begin());
  if (!labelled)
    cells.Add({});
  else if (found == ids.end() || position >= names.size())
    cells.Add(deletedText);
  else
    AddLabelled(cells, static_cast<int64_t>(position) + 1, names[position]);
  cells.Add(record.CounterName);
  cells.AddDecimal(record.CounterResult);
}

void CombinedRow(const CombinedCounterLog& record, CombinedCounterList& counters, RowCells& cells) {
  cells.Clear();
  cells.SetTime(record.LogTime);
  cells.Add(counters.try_emplace(record.CounterID, kDeletedCounterText).first->second);
  cells.AddDecimal(record.CounterResult);
}
