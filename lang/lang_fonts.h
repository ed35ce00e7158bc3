// The fonts of the language layer, as descriptions that the control layer
// realises: the pack font ("Arial", -12 units = 9 points at 96 dots per
// inch, weight 400) with the ANSI or the default character set, and the
// native font ("Tahoma" at 9 points) for scripts that need it.
#pragma once

#include <string>

struct FontSpec {
  static constexpr int kAnsiCharset = 0;
  static constexpr int kDefaultCharset = 1;

  std::string face;
  int height = 0;  // logical units; negative = character height
  int weight = 400;
  int charSet = kDefaultCharset;

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// 9 points at 96 dots per inch.
constexpr int kNinePointHeight = -(9 * 96 / 72);

inline FontSpec PackFontAnsi() { return {"Arial", kNinePointHeight, 400, FontSpec::kAnsiCharset}; }
inline FontSpec PackFontDefault() { return {"Arial", kNinePointHeight, 400, FontSpec::kDefaultCharset}; }
inline FontSpec NativeFont() { return {"Tahoma", kNinePointHeight, 400, FontSpec::kDefaultCharset}; }
