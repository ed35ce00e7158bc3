#include "pages/video/video_log_types.h"

namespace {

constexpr VideoLogType kLocal[] = {{0, 82}, {34, 83}, {35, 84}, {38, 102}, {41, 5035}};
constexpr VideoLogType kRemote[] = {{0, 146}, {100, 147}, {101, 148}, {102, 149}, {103, 150}, {104, 151}};

}  // namespace

std::span<const VideoLogType> LocalVideoLogTypes() { return kLocal; }
std::span<const VideoLogType> RemoteVideoLogTypes() { return kRemote; }

const VideoLogType* FindVideoLogType(std::span<const VideoLogType> types, int32_t eventNumber) {
  if (eventNumber == 0) return nullptr;
  for (const VideoLogType& type : types)
    if (type.eventNumber == eventNumber) return &type;
  return nullptr;
}
