// A sample video file as vxpp-server reads it from a recording folder, or,
// when the input is no such file, the input as one frame's payload.  A file
// that reads has its frames one after the other inside its bytes; each
// payload is read from a copy of its own size, so a read past it is caught.
// A payload that parses is written into a file of a few frames (the rates
// of the file read, when there is one), which must read back frame by frame
// as the camera, times, numbers and key frames it was made of.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "vocabulary/sample_recording.h"

namespace {

using recording::SampleFrame;

bool ParsePayload(std::string_view payload, SampleFrame* frame) {
  const std::vector<char> copy(payload.begin(), payload.end());
  return recording::ParseSampleFrame(std::string_view(copy.data(), copy.size()), frame);
}

void CheckFileOf(const SampleFrame& first, uint32_t framesPerSecond, uint32_t gopLength, uint8_t more) {
  // Frames past the calendar's last day cannot be written; not a fault.
  if (first.time.Split().year >= CDateTime::kMaxYear) return;
  const recording::SampleShape shape{framesPerSecond, gopLength, 1u + more % 8u, more, more / 2u};
  const std::string bytes = recording::EncodeSampleRecording({first.cameraIndex, first.time}, shape);
  recording::SampleRecording file;
  std::string error;
  if (!recording::ReadSampleRecording(bytes, &file, &error) || file.cameraIndex != first.cameraIndex ||
      file.start != first.time || file.framesPerSecond != shape.framesPerSecond ||
      file.gopLength != shape.gopLength || file.frames.size() != shape.frames)
    __builtin_trap();
  for (uint32_t i = 0; i < shape.frames; ++i) {
    const recording::FrameHead& head = file.frames[i].head;
    SampleFrame frame;
    if (!ParsePayload(std::string_view(bytes).substr(file.frames[i].offset + recording::kFrameHeadBytes, head.length),
                      &frame) ||
        frame.cameraIndex != first.cameraIndex || frame.number != i || frame.key != head.IsKey() ||
        frame.key != (i % shape.gopLength == 0) ||
        frame.time != file.start + head.offsetMs * CDateTime::kTicksPerMillisecond)
      __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const uint8_t more = size > 0 ? data[size - 1] : 0;
  recording::SampleRecording file;
  std::string error;
  SampleFrame frame;
  if (!recording::ReadSampleRecording(bytes, &file, &error)) {
    if (error.empty()) __builtin_trap();
    if (ParsePayload(bytes, &frame)) CheckFileOf(frame, 2, 10, more);
    return 0;
  }
  size_t at = recording::kFileHeaderBytes;
  for (const recording::SampleRecording::Frame& stored : file.frames) {
    if (stored.offset != at || size - at < recording::kFrameHeadBytes + stored.head.length) __builtin_trap();
    at += recording::kFrameHeadBytes + stored.head.length;
    // The writer is given at least one frame a second and a key frame in every GOP.
    if (ParsePayload(bytes.substr(stored.offset + recording::kFrameHeadBytes, stored.head.length), &frame))
      CheckFileOf(frame, std::max(file.framesPerSecond, 1u), std::max(file.gopLength, 1u), more);
  }
  if (at != size) __builtin_trap();
  return 0;
}
