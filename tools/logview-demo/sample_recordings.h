// The recorded video of a demo installation: sample recordings
// (vocabulary/sample_recording.h) in the installation's recording layout,
// small enough to write in a moment: the first kRecordingCameras cameras,
// the last kRecordingDays days of the range, one file per camera and hour
// holding the hour's first minute at 2 frames a second (a key frame every 10).
#pragma once

#include <string>

#include "vocabulary/date_time.h"

constexpr int kRecordingCameras = 4;
constexpr int kRecordingDays = 2;

// Writes the files under `root` for the days up to `lastDay` (at most
// `days` of them); false with `error` naming the file that failed.
bool WriteSampleRecordings(const std::string& root, const CDateTime& lastDay, int days, std::string* error);

// Removes the day folders ("YYYYMMDD") an earlier demo installation wrote
// under `root`; false with `error` naming the folder that could not go.
bool RemoveSampleRecordings(const std::string& root, std::string* error);
