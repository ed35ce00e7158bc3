// The recordings an installation holds: the files of the recording layout
// (vocabulary/recording_layout.h) under its folder, found by walking its day,
// camera and video folders.  Symbolic links are not followed, so nothing
// outside the installation is listed.  Read per call; any order.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "vocabulary/recording_layout.h"

namespace vxpp_server {

struct RecordingEntry {
  recording::RecordingFile file;
  std::string path;  // relative to the installation, as RelativePath writes it
  uint64_t size = 0;
};

// The recordings of the days `wantDay` (given each day folder's midnight)
// accepts; every day's without it.
std::vector<RecordingEntry> ListRecordingFiles(const std::string& installFolder,
                                               const std::function<bool(const CDateTime&)>& wantDay = {});

}  // namespace vxpp_server
