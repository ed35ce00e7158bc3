#include "tools/logview-host/camera_set_text.h"

#include <sstream>

namespace {

constexpr size_t kCameras = 128;

// An index 0..127 written in decimal digits only.
bool ReadIndex(const std::string& text, size_t* index) {
  if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  *index = std::stoul(text);
  return *index < kCameras;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

bool ParseCameraIndexes(const std::string& text, VxBitset<128>* cameras, std::string* error) {
  VxBitset<128> result;
  std::istringstream pieces(text);
  std::string piece;
  while (std::getline(pieces, piece, ',')) {
    piece = Trimmed(piece);
    if (piece.empty()) continue;
    const size_t dash = piece.find('-');
    size_t first = 0, last = 0;
    const bool ok = dash == std::string::npos
                        ? ReadIndex(piece, &first) && ReadIndex(piece, &last)
                        : ReadIndex(Trimmed(piece.substr(0, dash)), &first) &&
                              ReadIndex(Trimmed(piece.substr(dash + 1)), &last) && first <= last;
    if (!ok) {
      *error = "\"" + piece + "\" is not a camera index from 0 to 127 or a range of them";
      return false;
    }
    for (size_t i = first; i <= last; ++i) result.set(i);
  }
  *cameras = result;
  return true;
}

std::string CameraIndexesText(const VxBitset<128>& cameras) {
  std::string text;
  for (size_t i = 0; i < kCameras; ++i) {
    if (!cameras.test(i)) continue;
    size_t last = i;
    while (last + 1 < kCameras && cameras.test(last + 1)) ++last;
    if (!text.empty()) text += ", ";
    text += std::to_string(i);
    if (last > i) {
      text += '-';
      text += std::to_string(last);
    }
    i = last;
  }
  return text.empty() ? "none" : text;
}
