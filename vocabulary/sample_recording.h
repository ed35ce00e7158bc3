// The sample recordings of a demo installation: synthetic video files in the
// recording layout (recording_layout.h) whose frames carry a readable text
// instead of a codec's bytes, so that a playback can be checked frame by
// frame.  The demo writes them with EncodeSampleRecording; vxpp-server reads
// them with ReadSampleRecording.  All numbers are little-endian.
//
//   file   = file header (kFileHeaderBytes) then frames, one after the other
//   header = "VXSAMPLE", u32 version (1), u32 camera index, u32 frames per
//            second, u32 GOP length (a key frame every that many frames),
//            u64 start (CDateTime ticks)
//   frame  = frame head (kFrameHeadBytes) then `length` payload bytes
//   head   = u32 length, u32 milliseconds since the file's start,
//            u32 flags (kKeyFrameFlag)
//   payload = "camera=NN time=YYYY/MM/DD HH:MM:SS.mmm frame=N key=0|1\n",
//            padded with '.' to the frame's size
//
// The frame head is also the head of a frame on the wire after NEXTGOP and
// NEXTFRAME, so a server sends a file's frames as they are stored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "vocabulary/date_time.h"
#include "vocabulary/recording_layout.h"

namespace recording {

inline constexpr size_t kFileHeaderBytes = 32;
inline constexpr size_t kFrameHeadBytes = 12;
inline constexpr uint32_t kKeyFrameFlag = 1;

struct FrameHead {
  uint32_t length = 0;    // payload bytes after the head
  uint32_t offsetMs = 0;  // from the start of the file
  uint32_t flags = 0;
  bool IsKey() const { return (flags & kKeyFrameFlag) != 0; }
};

// Appends the 12 bytes of `head`.
void PutFrameHead(const FrameHead& head, std::string* out);
// The head in the first kFrameHeadBytes of `bytes` (which must hold them).
FrameHead ReadFrameHead(std::string_view bytes);

// What a frame's payload says of it.
struct SampleFrame {
  uint32_t cameraIndex = 0;  // 0-based; the text shows the camera's number
  CDateTime time;
  uint32_t number = 0;  // within its file, from 0
  bool key = false;
};

// How a sample file is made: `frames` frames at `framesPerSecond`, a key
// frame every `gopLength` frames, payloads of `keyBytes` or `deltaBytes`
// (at least the text's length).
struct SampleShape {
  uint32_t framesPerSecond = 2;
  uint32_t gopLength = 10;
  uint32_t frames = 120;
  size_t keyBytes = 512;
  size_t deltaBytes = 128;
};

std::string EncodeSampleRecording(const RecordingFile& file, const SampleShape& shape);

// A sample file taken apart: its header values and where each frame lies.
struct SampleRecording {
  uint32_t cameraIndex = 0;
  CDateTime start;
  uint32_t framesPerSecond = 0;
  uint32_t gopLength = 0;
  struct Frame {
    size_t offset;  // of the frame's head in the file
    FrameHead head;
  };
  std::vector<Frame> frames;
};

// False, with `error` saying what is wrong, for bytes that are not a whole
// sample file (bad magic or version, a frame running past the end).
bool ReadSampleRecording(std::string_view bytes, SampleRecording* recording, std::string* error);
// Reads a payload's text; false when it is not one.
bool ParseSampleFrame(std::string_view payload, SampleFrame* frame);

}  // namespace recording
