#include "tools/vxpp-server/recorded_video.h"

#include <algorithm>
#include <cstdio>

#include "platform/env.h"
#include "platform/paths.h"
#include "tools/vxpp-server/registry_cameras.h"

namespace vxpp_server {
namespace {

constexpr int64_t kLastSecond = CDateTime::kTicksPerDay - CDateTime::kTicksPerSecond;

CDateTime Midnight(const CDateTime& time) {
  const CDateTime::Fields f = time.Split();
  return CDateTime::FromFields(f.year, f.month, f.day);
}

}  // namespace

RecordedVideo RecordedVideo::Read(const std::string& installFolder) {
  std::vector<platform::FolderEntry> entries;
  platform::Env::Default()->ListFolder(platform::JoinPath(installFolder, "db/EventLog"), &entries);
  std::vector<CDateTime> days;
  for (const auto& entry : entries) {
    int year = 0, month = 0, day = 0;
    char tail[4] = {};
    if (entry.isDirectory || entry.name.size() != 20 ||
        std::sscanf(entry.name.c_str(), "EventLog_%4d%2d%2d.%2s", &year, &month, &day, tail) != 4 ||
        std::string(tail) != "db")
      continue;
    const CDateTime date = CDateTime::FromFields(year, month, day);
    if (date.IsValid()) days.push_back(date);
  }
  std::sort(days.begin(), days.end());
  return RecordedVideo(std::move(days), ReadRegistryCameras(installFolder).size());
}

int RecordedVideo::DaysWithVideo(uint32_t cameraIndex, const CDateTime& start, const CDateTime& end) const {
  if (!IsCamera(cameraIndex)) return 0;
  return static_cast<int>(std::count_if(m_days.begin(), m_days.end(), [&](const CDateTime& day) {
    return (!start.IsValid() || day + kLastSecond >= start) && (!end.IsValid() || day <= end);
  }));
}

bool RecordedVideo::Span(uint32_t cameraIndex, CDateTime* start, CDateTime* end) const {
  if (!IsCamera(cameraIndex) || m_days.empty()) return false;
  *start = m_days.front();
  *end = m_days.back() + kLastSecond;
  return true;
}

std::vector<vxpp::RecordingSpan> RecordedVideo::SpansOfDay(const CDateTime& day, const std::vector<int>& channels) const {
  std::vector<vxpp::RecordingSpan> spans;
  const CDateTime midnight = Midnight(day);
  if (!day.IsValid() || !std::binary_search(m_days.begin(), m_days.end(), midnight)) return spans;
  std::vector<int> wanted = channels;
  if (wanted.empty())
    for (size_t i = 0; i < m_cameraCount; ++i) wanted.push_back(static_cast<int>(i));
  for (int channel : wanted)
    if (IsCamera(channel)) spans.push_back({channel, midnight, midnight + kLastSecond});
  return spans;
}

}  // namespace vxpp_server
