#include "tools/vxpp-server/recorded_video.h"

#include <algorithm>
#include <cstdio>

#include "platform/env.h"
#include "platform/paths.h"
#include "tools/vxpp-server/recording_files.h"
#include "tools/vxpp-server/registry_cameras.h"

namespace vxpp_server {
namespace {

constexpr int64_t kLastSecond = CDateTime::kTicksPerDay - CDateTime::kTicksPerSecond;
// A recording file holds at most the hour it starts.
constexpr int64_t kFileSpan = 3600 * CDateTime::kTicksPerSecond - CDateTime::kTicksPerSecond;

CDateTime Midnight(const CDateTime& time) {
  const CDateTime::Fields f = time.Split();
  return CDateTime::FromFields(f.year, f.month, f.day);
}

std::vector<CDateTime> DatabaseDays(const std::string& installFolder) {
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
  return days;
}

bool ByCameraAndStart(const recording::RecordingFile& a, const recording::RecordingFile& b) {
  return a.cameraIndex != b.cameraIndex ? a.cameraIndex < b.cameraIndex : a.start < b.start;
}

}  // namespace

RecordedVideo::RecordedVideo(std::vector<recording::RecordingFile> files, size_t cameraCount)
    : m_cameraCount(cameraCount), m_files(std::move(files)) {
  std::sort(m_files.begin(), m_files.end(), ByCameraAndStart);
  for (const auto& file : m_files) m_days.push_back(Midnight(file.start));
  std::sort(m_days.begin(), m_days.end());
  m_days.erase(std::unique(m_days.begin(), m_days.end()), m_days.end());
}

RecordedVideo RecordedVideo::Read(const std::string& installFolder) {
  const size_t cameras = ReadRegistryCameras(installFolder).size();
  std::vector<recording::RecordingFile> files;
  for (const RecordingEntry& entry : ListRecordingFiles(installFolder)) files.push_back(entry.file);
  if (!files.empty()) return RecordedVideo(std::move(files), cameras);
  return RecordedVideo(DatabaseDays(installFolder), cameras);
}

bool RecordedVideo::Covered(uint32_t cameraIndex, const CDateTime& from, const CDateTime& to, CDateTime* start,
                            CDateTime* end) const {
  if (!IsCamera(cameraIndex)) return false;
  if (m_files.empty()) {
    const auto first = std::lower_bound(m_days.begin(), m_days.end(), Midnight(from));
    const auto last = std::upper_bound(m_days.begin(), m_days.end(), to);
    if (first == last) return false;
    *start = std::max(*first, from);
    *end = std::min(*(last - 1) + kLastSecond, to);
    return true;
  }
  const std::vector<recording::RecordingFile> files = FilesOf(cameraIndex, from, to);
  if (files.empty()) return false;
  *start = std::max(files.front().start, from);
  *end = std::min(files.back().start + kFileSpan, to);
  return true;
}

int RecordedVideo::DaysWithVideo(uint32_t cameraIndex, const CDateTime& start, const CDateTime& end) const {
  return static_cast<int>(std::count_if(m_days.begin(), m_days.end(), [&](const CDateTime& day) {
    const CDateTime from = start.IsValid() ? std::max(day, start) : day;
    const CDateTime to = end.IsValid() ? std::min(day + kLastSecond, end) : day + kLastSecond;
    CDateTime a, b;
    return from <= to && Covered(cameraIndex, from, to, &a, &b);
  }));
}

bool RecordedVideo::Span(uint32_t cameraIndex, CDateTime* start, CDateTime* end) const {
  if (m_days.empty()) return false;
  return Covered(cameraIndex, m_days.front(), m_days.back() + kLastSecond, start, end);
}

std::vector<vxpp::RecordingSpan> RecordedVideo::SpansOfDay(const CDateTime& day, const std::vector<int>& channels) const {
  std::vector<vxpp::RecordingSpan> spans;
  if (!day.IsValid()) return spans;
  const CDateTime midnight = Midnight(day);
  std::vector<int> wanted = channels;
  if (wanted.empty())
    for (size_t i = 0; i < m_cameraCount; ++i) wanted.push_back(static_cast<int>(i));
  for (int channel : wanted) {
    CDateTime start, end;
    if (channel >= 0 && Covered(static_cast<uint32_t>(channel), midnight, midnight + kLastSecond, &start, &end))
      spans.push_back({channel, start, end});
  }
  return spans;
}

std::vector<recording::RecordingFile> RecordedVideo::FilesOf(uint32_t cameraIndex, const CDateTime& start,
                                                             const CDateTime& end) const {
  std::vector<recording::RecordingFile> found;
  for (const auto& file : m_files)
    if (file.cameraIndex == cameraIndex && (!end.IsValid() || file.start <= end) &&
        (!start.IsValid() || file.start + kFileSpan >= start))
      found.push_back(file);
  return found;
}

}  // namespace vxpp_server
