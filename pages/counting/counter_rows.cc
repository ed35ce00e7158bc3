#include "pages/counting/counter_rows.h"

#include <algorithm>
#include <charconv>

namespace {

bool MayView(const CUserAccount* user, uint32_t cameraId) {
  return user == nullptr || (user->RightsOfCamera(cameraId) & CUserAccount::kMayView) != 0;
}

// "[%02d] %s" of a position counted from 1 and a name.
void AddLabelled(CounterCells& cells, int64_t position, const std::string& name) {
  cells.Add((position >= 0 && position < 10 ? "[0" : "[") + std::to_string(position) + "] " + name);
}

// "%02d" of the camera's position in the list (from 1), or the deleted text.
void AddCamera(CounterCells& cells, uint32_t cameraId, const CounterRowContext& context) {
  const std::vector<uint32_t>& ids = *context.cameraIds;
  const auto found = std::find(ids.begin(), ids.end(), cameraId);
  if (found == ids.end())
    cells.Add(context.deletedText);
  else
    cells.AddTwoDigits(found - ids.begin() + 1);
}

void AddCounts(CounterCells& cells, const CounterLog& record) {
  cells.AddDecimal(record.CountIn);
  cells.AddDecimal(record.CountOut);
}

}  // namespace

void CounterCells::Add(std::string_view text) {
  m_text += text;
  Close();
}

void CounterCells::AddDecimal(int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  Add(std::string_view(digits, static_cast<size_t>(end - digits)));
}

void CounterCells::AddTwoDigits(int64_t number) {
  if (number >= 0 && number < 10) m_text += '0';
  AddDecimal(number);
}

void CounterCells::AddTime(const CDateTime& time) {
  const CDateTime::Fields f = time.Split();
  if (!time.IsValid() || f.year < 0 || f.year > 9999) {
    Add(time.FormatListCell());
    return;
  }
  char text[] = "0000/00/00 00:00:00";
  const auto put = [&text](size_t at, int value, int digits) {
    for (int i = digits - 1; i >= 0; --i, value /= 10)
      text[at + static_cast<size_t>(i)] = static_cast<char>('0' + value % 10);
  };
  put(0, f.year, 4);
  put(5, f.month, 2);
  put(8, f.day, 2);
  put(11, f.hour, 2);
  put(14, f.minute, 2);
  put(17, f.second, 2);
  Add(std::string_view(text, sizeof text - 1));
}

std::string_view CounterCells::Cell(size_t i) const {
  if (i >= m_count) return {};
  const size_t start = i == 0 ? 0 : m_ends[i - 1];
  return std::string_view(m_text).substr(start, m_ends[i] - start);
}

bool LocalBasicRow(const CounterLog& record, const CounterRowContext& context, CounterCells& cells) {
  if (context.genericCameraNames) {
    if (context.channelIndex && record.ChannelIndex != *context.channelIndex) return false;
  } else if (!MayView(context.user, record.CameraId)) {
    return false;
  }
  cells.Clear();
  cells.AddTime(record.LogTime);
  AddCamera(cells, record.CameraId, context);
  AddCounts(cells, record);
  return true;
}

void RemoteBasicRow(const CounterLog& record, bool cameraIds, const CounterRowContext& context,
                    CounterCells& cells) {
  cells.Clear();
  cells.AddTime(record.LogTime);
  if (cameraIds)
    AddCamera(cells, record.CameraId, context);
  else if (static_cast<uint32_t>(record.ChannelIndex) == 4294967295u)  // an older server names the channel
    cells.Add(context.deletedText);
  else
    cells.Add(context.cameraText + " " + std::to_string(record.ChannelIndex + 1));
  AddCounts(cells, record);
}

bool LocalIvsRow(const IVSCounterLog& record, const IVSDeviceTable& devices, const CounterRowContext& context,
                 CounterCells& cells) {
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
  cells.AddTime(record.LogTime);
  if (device != nullptr)
    AddLabelled(cells, int64_t{device->Index} + 1, device->DeviceName);
  else
    cells.Add(context.deletedText);
  cells.Add(record.CounterName);
  cells.AddDecimal(record.CounterResult);
  return true;
}

void RemoteIvsRow(const IVSCounterLog& record, bool labelled, const std::vector<uint32_t>& ids,
                  const std::vector<std::string>& names, const std::string& deletedText, CounterCells& cells) {
  cells.Clear();
  cells.AddTime(record.LogTime);
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

void CombinedRow(const CombinedCounterLog& record, CombinedCounterList& counters, CounterCells& cells) {
  cells.Clear();
  cells.AddTime(record.LogTime);
  cells.Add(counters.try_emplace(record.CounterID, kDeletedCounterText).first->second);
  cells.AddDecimal(record.CounterResult);
}
