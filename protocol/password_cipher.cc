#include "protocol/password_cipher.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace vxpp {

std::string PasswordCipherKey() {
  // Two halves kept apart on purpose; see the header.
  static const char kFront[] = {'Q', 'v', '7', 'L', 'o', 'g', '\0'};
  static const char kBack[] = {'V', 'x', 'p', 'P', '2', '6', '\0'};
  return std::string(kFront) + kBack;
}

void Rc4Crypt(std::string_view key, std::string* data) {
  std::array<uint8_t, 256> state;
  for (size_t i = 0; i < state.size(); ++i) state[i] = static_cast<uint8_t>(i);
  if (!key.empty()) {
    uint8_t j = 0;
    for (size_t i = 0; i < state.size(); ++i) {
      j = static_cast<uint8_t>(j + state[i] + static_cast<uint8_t>(key[i % key.size()]));
      std::swap(state[i], state[j]);
    }
  }
  uint8_t i = 0, j = 0;
  for (char& c : *data) {
    i = static_cast<uint8_t>(i + 1);
    j = static_cast<uint8_t>(j + state[i]);
    std::swap(state[i], state[j]);
    c = static_cast<char>(static_cast<uint8_t>(c) ^ state[static_cast<uint8_t>(state[i] + state[j])]);
  }
}

namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int SextetOf(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}
}  // namespace

std::string Base64Encode(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (size_t i = 0; i < bytes.size(); i += 3) {
    const size_t n = std::min<size_t>(3, bytes.size() - i);
    uint32_t group = 0;
    for (size_t k = 0; k < 3; ++k)
      group = (group << 8) | (k < n ? static_cast<uint8_t>(bytes[i + k]) : 0u);
    for (size_t k = 0; k < 4; ++k)
      out += k <= n ? kAlphabet[(group >> (18 - 6 * k)) & 63] : '=';
  }
  return out;
}

bool Base64Decode(std::string_view text, std::string* bytes) {
  bytes->clear();
  if (text.size() % 4 != 0) return false;
  for (size_t i = 0; i < text.size(); i += 4) {
    uint32_t group = 0;
    int padding = 0;
    for (size_t k = 0; k < 4; ++k) {
      const char c = text[i + k];
      // Padding only at the end of the last group.
      if (c == '=' && i + 4 == text.size() && k >= 2) {
        ++padding;
        group <<= 6;
        continue;
      }
      const int sextet = SextetOf(c);
      if (sextet < 0 || padding > 0) return false;
      group = (group << 6) | static_cast<uint32_t>(sextet);
    }
    for (int k = 0; k < 3 - padding; ++k) *bytes += static_cast<char>((group >> (16 - 8 * k)) & 0xFF);
  }
  return true;
}

}  // namespace vxpp
