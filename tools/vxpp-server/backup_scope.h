// BackupScope: what a backup, a record-size query or a deletion asks for, as
// read from its request: the cameras ("Selected-Cameras", bit i camera index
// i, together with "Selected-Cameras-List", camera indices separated by
// commas), the range ("Start-Date-Time", "End-Date-Time"; "null" leaves an
// end open), the times of day ("Select-Time-Seq_<n>: <from>-<to>", seconds
// after midnight; none: the whole day) and the logs ("Include-..." lines).
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "vocabulary/date_time.h"
#include "vocabulary/recording_layout.h"
#include "tools/vxpp-server/vxpp_request.h"

namespace vxpp_server {

struct BackupScope {
  std::set<uint32_t> cameras;
  std::optional<CDateTime> start, end;
  std::vector<std::pair<int64_t, int64_t>> timesOfDay;
  bool eventLogs = true;   // any of the event, counter, POS and analytics logs
  bool systemLog = true;

  static BackupScope FromRequest(const VxppRequest& request);
  // Whether the day (midnight) can hold something of the range.
  bool CoversDay(const CDateTime& day) const;
  // Whether a recorded hour of the camera overlaps the range and the times of day.
  bool CoversRecording(const recording::RecordingFile& file) const;
};

}  // namespace vxpp_server
