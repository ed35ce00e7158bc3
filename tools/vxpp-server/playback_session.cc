#include "tools/vxpp-server/playback_session.h"

#include <algorithm>

#include "platform/env.h"
#include "platform/paths.h"

namespace vxpp_server {

PlaybackSession::PlaybackSession(std::string installFolder, std::vector<recording::RecordingFile> files,
                                 const CDateTime& start, const CDateTime& end)
    : m_folder(std::move(installFolder)), m_files(std::move(files)), m_start(start), m_end(end) {
  if (m_start.IsValid()) ToKeyFrameAtOrBefore(m_start);
}

CDateTime PlaybackSession::FrameTime(size_t frame) const {
  return m_files[m_loaded].start +
         static_cast<int64_t>(m_recording.frames[frame].head.offsetMs) * CDateTime::kTicksPerMillisecond;
}

bool PlaybackSession::Load(size_t index) {
  if (m_loaded == index) return true;
  m_loaded = SIZE_MAX;
  const std::string path = platform::JoinPath(m_folder, recording::RelativePath(m_files[index]));
  platform::Env* env = platform::Env::Default();
  platform::FileStamp stamp;
  std::string error;
  if (!env->GetFileStamp(path, &stamp) || stamp.size > kMaxFileBytes || !env->ReadFile(path, &m_bytes) ||
      !recording::ReadSampleRecording(m_bytes, &m_recording, &error))
    return false;
  m_loaded = index;
  return true;
}

bool PlaybackSession::Settle() {
  while (m_file < m_files.size()) {
    if (!Load(m_file) || m_frame >= m_recording.frames.size()) {
      ++m_file;
      m_frame = 0;
      continue;
    }
    if (m_end.IsValid() && FrameTime(m_frame) > m_end) break;
    return true;
  }
  m_file = m_files.size();
  return false;
}

void PlaybackSession::ToKeyFrameAtOrBefore(const CDateTime& time) {
  const auto after = std::find_if(m_files.begin(), m_files.end(),
                                  [&](const recording::RecordingFile& file) { return file.start > time; });
  m_file = after == m_files.begin() ? 0 : static_cast<size_t>(after - m_files.begin()) - 1;
  m_frame = 0;
  if (m_file >= m_files.size() || !Load(m_file)) return;
  for (size_t i = 0; i < m_recording.frames.size() && FrameTime(i) <= time; ++i)
    if (m_recording.frames[i].head.IsKey()) m_frame = i;
}

PlaybackSession::Step PlaybackSession::Next(bool singleFrame, bool keyOnly) {
  Step step;
  while (keyOnly && Settle() && !m_recording.frames[m_frame].head.IsKey()) ++m_frame;
  if (!Settle()) return step;
  const size_t file = m_file;
  if (file != m_announced) {
    step.changedTo = recording::RelativePath(m_files[file]);
    step.streamHeader = m_bytes.substr(0, recording::kFileHeaderBytes);
    m_announced = file;
  }
  const auto take = [&] {
    const auto& frame = m_recording.frames[m_frame++];
    step.frames.append(m_bytes, frame.offset, recording::kFrameHeadBytes + frame.head.length);
    ++step.frameCount;
  };
  take();
  if (singleFrame || keyOnly) return step;
  while (m_frame < m_recording.frames.size() && !m_recording.frames[m_frame].head.IsKey() &&
         step.frameCount < kMaxStepFrames && step.frames.size() < kMaxStepBytes &&
         (!m_end.IsValid() || FrameTime(m_frame) <= m_end))
    take();
  return step;
}

int PlaybackSession::Seek(int64_t seconds, std::string* file) {
  const CDateTime target = m_start + seconds * CDateTime::kTicksPerSecond;
  if (m_end.IsValid() && target > m_end) {
    m_file = m_files.size();
    return -1;
  }
  ToKeyFrameAtOrBefore(target);
  if (!Settle()) return -1;
  m_announced = SIZE_MAX;  // the decoder starts again with the file's header
  *file = recording::RelativePath(m_files[m_file]);
  return static_cast<int>(std::max<int64_t>(0, (FrameTime(m_frame) - m_start) / CDateTime::kTicksPerSecond));
}

bool PlaybackSession::AtEnd() { return !Settle(); }

std::vector<std::string> PlaybackSession::FileEntries() {
  std::vector<std::string> entries;
  for (const auto& file : m_files) {
    platform::FileStamp stamp;
    const std::string name = recording::RelativePath(file);
    platform::Env::Default()->GetFileStamp(platform::JoinPath(m_folder, name), &stamp);
    entries.push_back(name + ";" + std::to_string(stamp.size));
  }
  return entries;
}

}  // namespace vxpp_server
