// RecordedVideo: the video an installation holds, as this server tells it.
// An installation with recording files (vocabulary/recording_layout.h, one
// file per camera and hour) is answered from them: a camera has video on
// the days and hours it has files.  One without any is answered from its log
// databases: every camera of the registry recorded around the clock on
// every day that has a daily event log database.  Read per request; a plain
// value afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/vxpp_bodies.h"
#include "vocabulary/date_time.h"
#include "vocabulary/recording_layout.h"

namespace vxpp_server {

class RecordedVideo {
 public:
  // The rule of the log databases: `days` recorded by every camera.
  RecordedVideo(std::vector<CDateTime> days, size_t cameraCount)
      : m_days(std::move(days)), m_cameraCount(cameraCount) {}
  // Recording files (in any order); the days are theirs.
  RecordedVideo(std::vector<recording::RecordingFile> files, size_t cameraCount);
  static RecordedVideo Read(const std::string& installFolder);

  // Midnight of each recorded day, ascending.
  const std::vector<CDateTime>& Days() const { return m_days; }
  size_t CameraCount() const { return m_cameraCount; }
  // The recorded days of the camera that meet [start, end] (a bound that is
  // not valid is open); 0 for a camera index the installation does not have.
  int DaysWithVideo(uint32_t cameraIndex, const CDateTime& start, const CDateTime& end) const;
  // From the camera's first recorded moment to its last; false for an
  // unknown camera or one without video.
  bool Span(uint32_t cameraIndex, CDateTime* start, CDateTime* end) const;
  // One span per channel of `channels` (all cameras when empty) that exists
  // and recorded on `day`.
  std::vector<vxpp::RecordingSpan> SpansOfDay(const CDateTime& day, const std::vector<int>& channels) const;
  // The camera's recording files whose hour meets [start, end], by time;
  // none under the rule of the log databases.
  std::vector<recording::RecordingFile> FilesOf(uint32_t cameraIndex, const CDateTime& start,
                                                const CDateTime& end) const;

 private:
  bool IsCamera(int64_t index) const { return index >= 0 && static_cast<uint64_t>(index) < m_cameraCount; }
  // The camera's recorded stretch within [from, to], when it has one.
  bool Covered(uint32_t cameraIndex, const CDateTime& from, const CDateTime& to, CDateTime* start,
               CDateTime* end) const;

  std::vector<CDateTime> m_days;
  size_t m_cameraCount;
  std::vector<recording::RecordingFile> m_files;  // by camera, then start
};

}  // namespace vxpp_server
