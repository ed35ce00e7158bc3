#include "ui/bmp_file.h"

#include <cstdint>
#include <memory>

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8 & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace

std::string BmpBytes(const CPicture& picture) {
  const uint32_t width = static_cast<uint32_t>(picture.width);
  const uint32_t height = static_cast<uint32_t>(picture.height);
  const uint32_t rowBytes = width * 3;
  const uint32_t stride = (rowBytes + 3) / 4 * 4;
  // No colour table: a picture has more than 8 bits per pixel.
  const uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  const uint32_t imageSize = stride * height;

  std::string out;
  out.reserve(offset + imageSize);
  out += "BM";
  Put32(out, offset + imageSize);
  Put16(out, 0);
  Put16(out, 0);
  Put32(out, offset);

  Put32(out, kInfoHeaderSize);
  Put32(out, width);
  Put32(out, height);
  Put16(out, 1);
  Put16(out, CPicture::kBitsPerPixel);
  Put32(out, 0);  // no compression
  Put32(out, imageSize);
  Put32(out, 0);  // pixels per metre: not given
  Put32(out, 0);
  Put32(out, 0);  // colours used: all
  Put32(out, 0);  // colours important: all

  const std::string padding(stride - rowBytes, '\0');
  for (uint32_t y = height; y-- > 0;) {
    out.append(reinterpret_cast<const char*>(picture.pixels.data()) + static_cast<size_t>(y) * rowBytes, rowBytes);
    out += padding;
  }
  return out;
}

bool SaveBmp(const CPicture& picture, const std::string& path, std::string* error, platform::Env* env) {
  if (picture.Empty()) {
    *error = path + ": there is no picture to save";
    return false;
  }
  std::unique_ptr<platform::WritableFile> file;
  if (!env->NewWritableFile(path, platform::WriteMode::kTruncate, &file, error)) return false;
  if (file->Append(BmpBytes(picture)) && file->Close()) return true;
  *error = file->Error();
  return false;
}
