#include "tools/vxpp-server/backup_scope.h"

#include <cstdio>
#include <cstdlib>

#include "tools/vxpp-server/command_helpers.h"

namespace vxpp_server {
namespace {

constexpr int64_t kRecordingSeconds = 3600;  // one file per hour

bool Included(const VxppRequest& request, const char* name) { return request.Number(name, 1) != 0; }

}  // namespace

BackupScope BackupScope::FromRequest(const VxppRequest& request) {
  BackupScope scope;
  const uint64_t word = std::strtoull(request.Text("Selected-Cameras").c_str(), nullptr, 10);
  for (uint32_t i = 0; i < 64; ++i)
    if ((word >> i) & 1) scope.cameras.insert(i);
  const std::string list = request.Text("Selected-Cameras-List");
  for (const char* at = list.c_str(); *at != '\0';) {
    char* end = nullptr;
    const unsigned long index = std::strtoul(at, &end, 10);
    if (end == at) {
      ++at;
      continue;
    }
    if (index < 128) scope.cameras.insert(static_cast<uint32_t>(index));
    at = end;
  }
  scope.start = RequestTime(request, "Start-Date-Time");
  scope.end = RequestTime(request, "End-Date-Time");
  for (const auto& [name, value] : request.headers) {
    long long from = 0, to = 0;
    if (name.rfind("Select-Time-Seq_", 0) == 0 && std::sscanf(value.c_str(), "%lld-%lld", &from, &to) == 2)
      scope.timesOfDay.emplace_back(from, to);
  }
  scope.eventLogs = Included(request, "Include-EventLog") || Included(request, "Include-CounterLog") ||
                    Included(request, "Include-PosRecord") || Included(request, "Include-IVSCounterLog") ||
                    Included(request, "Include-IVSEventLog") || Included(request, "Include-IVSDisplayRecord");
  scope.systemLog = Included(request, "Include-SystemLog");
  return scope;
}

bool BackupScope::CoversDay(const CDateTime& day) const {
  const CDateTime next = day + CDateTime::kTicksPerDay;
  return !(start && *start >= next) && !(end && *end < day);
}

bool BackupScope::CoversRecording(const recording::RecordingFile& file) const {
  if (cameras.count(file.cameraIndex) == 0) return false;
  const CDateTime fileEnd = file.start + kRecordingSeconds * CDateTime::kTicksPerSecond;
  if ((start && *start >= fileEnd) || (end && *end < file.start)) return false;
  if (timesOfDay.empty()) return true;
  const CDateTime::Fields f = file.start.Split();
  const int64_t from = f.hour * 3600 + f.minute * 60 + f.second;
  for (const auto& [seqFrom, seqTo] : timesOfDay)
    if (seqFrom < from + kRecordingSeconds && seqTo >= from) return true;
  return false;
}

}  // namespace vxpp_server
