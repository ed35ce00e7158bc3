// Any bytes as a record's CameraId: parsing must not crash, and the camera
// text made of what it found must read back as the same cameras.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pages/pos/pos_camera_ids.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view cameraId(reinterpret_cast<const char*>(data), size);
  std::string text;
  PosCameraText(cameraId, text);
  if (ReadPosCameraText(text) != ParsePosCameraIds(cameraId)) __builtin_trap();
  return 0;
}
