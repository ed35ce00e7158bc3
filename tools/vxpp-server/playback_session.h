// PlaybackSession: one playback on a connection of the server: a camera's
// recording files between two times (set up by SETUPFILEINFO) and where the
// next frame lies.  It holds one file in memory at a time.  A file that
// cannot be read or is not a sample recording is passed over, as a gap.
// One thread (the connection's).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/vxpp-server/server_connection.h"
#include "vocabulary/date_time.h"
#include "vocabulary/recording_layout.h"
#include "vocabulary/sample_recording.h"

namespace vxpp_server {

class PlaybackSession : public ConnectionState {
 public:
  // A recording file larger than this is passed over: the loaded file is
  // held per playback connection.
  static constexpr uint64_t kMaxFileBytes = 16u << 20;
  // The most frames (and bytes) one step sends: a file without key frames
  // would otherwise make one GOP of the whole file.
  static constexpr size_t kMaxStepFrames = 1024;
  static constexpr size_t kMaxStepBytes = 16u << 20;

  // Positioned at the key frame at or before `start`.
  PlaybackSession(std::string installFolder, std::vector<recording::RecordingFile> files, const CDateTime& start,
                  const CDateTime& end);

  // What one NEXTGOP or NEXTFRAME sends.
  struct Step {
    size_t frameCount = 0;
    std::string frames;        // heads and payloads, as stored
    std::string changedTo;     // the file's name when it differs from the last step's
    std::string streamHeader;  // that file's header, with changedTo
  };
  // The next GOP (or frame); with `keyOnly`, the next key frame alone.
  // No frames at the end.
  Step Next(bool singleFrame, bool keyOnly);
  // To the key frame at or before `seconds` after the start: the seconds
  // and file reached, or -1 (then at the end) past the recording.
  int Seek(int64_t seconds, std::string* file);
  bool AtEnd();
  // "<file>;<bytes>" per file, for SETUPFILEINFO.
  std::vector<std::string> FileEntries();

  // What the analytics commands prepared on this connection.
  struct Prepared {
    bool set = false;
    int device = 0;
    CDateTime start, end;
  };
  Prepared metadata, config, mdx;
  int dropMode = 0;
  int dropAudio = 0;

 private:
  CDateTime FrameTime(size_t frame) const;
  // Makes file `index` the loaded one; false when it cannot be read.
  bool Load(size_t index);
  // Moves the position onto a frame that can be sent; false at the end.
  bool Settle();
  void ToKeyFrameAtOrBefore(const CDateTime& time);

  std::string m_folder;
  std::vector<recording::RecordingFile> m_files;
  CDateTime m_start, m_end;
  size_t m_file = 0;   // position: file index (m_files.size() at the end)
  size_t m_frame = 0;  // and frame within it
  size_t m_loaded = SIZE_MAX;
  std::string m_bytes;
  recording::SampleRecording m_recording;
  size_t m_announced = SIZE_MAX;  // file of the last step
};

}  // namespace vxpp_server
