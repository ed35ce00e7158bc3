#include "vocabulary/sample_recording.h"

#include <cstdio>

#include "vocabulary/little_endian.h"

namespace recording {
namespace {

constexpr std::string_view kMagic = "VXSAMPLE";
constexpr uint32_t kVersion = 1;

std::string PayloadText(const SampleFrame& frame) {
  const CDateTime::Fields f = frame.time.Split();
  char text[96];
  std::snprintf(text, sizeof text, "camera=%02u time=%04d/%02d/%02d %02d:%02d:%02d.%03d frame=%u key=%d\n",
                frame.cameraIndex + 1, f.year, f.month, f.day, f.hour, f.minute, f.second, f.millisecond,
                frame.number, frame.key ? 1 : 0);
  return text;
}

}  // namespace

void PutFrameHead(const FrameHead& head, std::string* out) {
  little_endian::PutU32(out, head.length);
  little_endian::PutU32(out, head.offsetMs);
  little_endian::PutU32(out, head.flags);
}

FrameHead ReadFrameHead(std::string_view bytes) {
  return {little_endian::GetU32(bytes.data()), little_endian::GetU32(bytes.data() + 4),
          little_endian::GetU32(bytes.data() + 8)};
}

std::string EncodeSampleRecording(const RecordingFile& file, const SampleShape& shape) {
  std::string out(kMagic);
  little_endian::PutU32(&out, kVersion);
  little_endian::PutU32(&out, file.cameraIndex);
  little_endian::PutU32(&out, shape.framesPerSecond);
  little_endian::PutU32(&out, shape.gopLength);
  little_endian::PutU64(&out, static_cast<uint64_t>(file.start.GetTicks()));
  for (uint32_t i = 0; i < shape.frames; ++i) {
    const uint32_t offsetMs = i * 1000 / shape.framesPerSecond;
    const bool key = i % shape.gopLength == 0;
    std::string payload =
        PayloadText({file.cameraIndex, file.start + offsetMs * CDateTime::kTicksPerMillisecond, i, key});
    const size_t size = key ? shape.keyBytes : shape.deltaBytes;
    if (payload.size() < size) payload.append(size - payload.size(), '.');
    PutFrameHead({static_cast<uint32_t>(payload.size()), offsetMs, key ? kKeyFrameFlag : 0}, &out);
    out += payload;
  }
  return out;
}

bool ReadSampleRecording(std::string_view bytes, SampleRecording* recording, std::string* error) {
  if (bytes.size() < kFileHeaderBytes || bytes.substr(0, kMagic.size()) != kMagic) {
    *error = "not a sample recording (no VXSAMPLE header)";
    return false;
  }
  if (little_endian::GetU32(bytes.data() + 8) != kVersion) {
    *error = "sample recording of an unknown version";
    return false;
  }
  recording->cameraIndex = little_endian::GetU32(bytes.data() + 12);
  recording->framesPerSecond = little_endian::GetU32(bytes.data() + 16);
  recording->gopLength = little_endian::GetU32(bytes.data() + 20);
  recording->start = CDateTime(CDateTime::kValid, static_cast<int64_t>(little_endian::GetU64(bytes.data() + 24)));
  recording->frames.clear();
  for (size_t at = kFileHeaderBytes; at < bytes.size();) {
    if (bytes.size() - at < kFrameHeadBytes) {
      *error = "sample recording ends inside a frame head at byte " + std::to_string(at);
      return false;
    }
    const FrameHead head = ReadFrameHead(bytes.substr(at));
    if (bytes.size() - at - kFrameHeadBytes < head.length) {
      *error = "frame at byte " + std::to_string(at) + " announces " + std::to_string(head.length) +
               " bytes past the end of the sample recording";
      return false;
    }
    recording->frames.push_back({at, head});
    at += kFrameHeadBytes + head.length;
  }
  return true;
}

bool ParseSampleFrame(std::string_view payload, SampleFrame* frame) {
  const std::string text(payload.substr(0, payload.find('\n')));
  unsigned camera = 0, number = 0;
  int year, month, day, hour, minute, second, millisecond, key, used = 0;
  if (std::sscanf(text.c_str(), "camera=%u time=%d/%d/%d %d:%d:%d.%d frame=%u key=%d%n", &camera, &year, &month,
                  &day, &hour, &minute, &second, &millisecond, &number, &key, &used) != 10 ||
      static_cast<size_t>(used) != text.size() || camera < 1 || (key != 0 && key != 1))
    return false;
  frame->cameraIndex = camera - 1;
  frame->time = CDateTime::FromFields(year, month, day, hour, minute, second, millisecond);
  frame->number = number;
  frame->key = key == 1;
  return frame->time.IsValid();
}

}  // namespace recording
