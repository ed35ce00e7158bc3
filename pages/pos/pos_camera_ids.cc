#include "pages/pos/pos_camera_ids.h"

#include <charconv>
#include <optional>

namespace {

// Calls `take` with each non-empty run between characters of `separators`.
template <class Take>
void ForEachToken(std::string_view text, std::string_view separators, Take take) {
  size_t at = text.find_first_not_of(separators);
  while (at != std::string_view::npos) {
    const size_t end = text.find_first_of(separators, at);
    take(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
    at = end == std::string_view::npos ? end : text.find_first_not_of(separators, end);
  }
}

// A whole token of decimal digits, as a number up to `max`.
std::optional<uint64_t> DecimalToken(std::string_view token, uint64_t max) {
  uint64_t value = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (error != std::errc() || end != token.data() + token.size() || value > max) return std::nullopt;
  return value;
}

constexpr uint64_t kMaxIndex = 4294967295u;

// Calls `take` with each camera index of a CameraId text, in order.
template <class Take>
void ForEachPosCamera(std::string_view cameraId, Take take) {
  bool second = false;
  ForEachToken(cameraId, ":, ", [&](std::string_view token) {
    if (second) {
      if (const auto index = DecimalToken(token, kMaxIndex)) take(static_cast<uint32_t>(*index));
    }
    second = !second;
  });
}

}  // namespace

std::vector<uint32_t> ParsePosCameraIds(std::string_view cameraId) {
  std::vector<uint32_t> cameras;
  ForEachPosCamera(cameraId, [&](uint32_t index) { cameras.push_back(index); });
  return cameras;
}

void PosCameraText(std::string_view cameraId, std::string& text) {
  text.clear();
  ForEachPosCamera(cameraId, [&](uint32_t index) {
    if (!text.empty()) text += '/';
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, uint64_t{index} + 1).ptr;
    text.append(digits, end);
  });
}

std::vector<uint32_t> ReadPosCameraText(std::string_view text) {
  std::vector<uint32_t> cameras;
  ForEachToken(text, "/ ", [&](std::string_view token) {
    const auto number = DecimalToken(token, kMaxIndex + 1);
    if (number && *number > 0) cameras.push_back(static_cast<uint32_t>(*number - 1));
  });
  return cameras;
}
