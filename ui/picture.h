// CPicture: a drawn picture as plain pixels, what a drawing window keeps of
// its last paint and what a window front end shows or a file stores.
#pragma once

#include <cstdint>
#include <vector>

struct CPicture {
  static constexpr int kBitsPerPixel = 24;

  int width = 0;
  int height = 0;
  // Rows from the top, each `width` pixels of blue, green, red bytes, with
  // nothing between rows.
  std::vector<uint8_t> pixels;

  bool Empty() const { return width <= 0 || height <= 0; }
  // 0x00BBGGRR of the pixel at (x, y), which lies inside the picture.
  uint32_t At(int x, int y) const {
    const uint8_t* p = &pixels[(static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3];
    return static_cast<uint32_t>(p[2]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[0]) << 16;
  }
};
