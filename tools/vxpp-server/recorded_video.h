// RecordedVideo: the video an installation holds, as this server tells it.
// The installation keeps no recordings of its own, so the server takes its
// log databases as the record: every camera of the registry recorded around
// the clock on every day that has a daily event log database.  Read per
// request; a plain value afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/vxpp_bodies.h"
#include "vocabulary/date_time.h"

namespace vxpp_server {

class RecordedVideo {
 public:
  RecordedVideo(std::vector<CDateTime> days, size_t cameraCount)
      : m_days(std::move(days)), m_cameraCount(cameraCount) {}
  static RecordedVideo Read(const std::string& installFolder);

  // Midnight of each recorded day, ascending.
  const std::vector<CDateTime>& Days() const { return m_days; }
  size_t CameraCount() const { return m_cameraCount; }
  // The recorded days that meet [start, end] (a bound that is not valid is
  // open); 0 for a camera index the installation does not have.
  int DaysWithVideo(uint32_t cameraIndex, const CDateTime& start, const CDateTime& end) const;
  // From the first day's midnight to the last day's 23:59:59; false for an
  // unknown camera or an installation without days.
  bool Span(uint32_t cameraIndex, CDateTime* start, CDateTime* end) const;
  // One span per channel of `channels` (all cameras when empty) that exists,
  // when `day` is recorded.
  std::vector<vxpp::RecordingSpan> SpansOfDay(const CDateTime& day, const std::vector<int>& channels) const;

 private:
  bool IsCamera(int64_t index) const { return index >= 0 && static_cast<uint64_t>(index) < m_cameraCount; }

  std::vector<CDateTime> m_days;
  size_t m_cameraCount;
};

}  // namespace vxpp_server
