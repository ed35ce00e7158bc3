// IDrawingSurface: what a presenter draws with -- lines, boxes, ellipses and
// text on a surface of fixed size -- so that what it draws does not depend
// on a toolkit.  Colours are 0x00BBGGRR values; coordinates are pixels from
// the top left corner.  Shapes are outlined with a pen and filled with a
// brush; a box from (left, top) to (right, bottom) covers the pixels up to
// but not including its right and bottom edges.
#pragma once

#include <cstdint>
#include <string>

struct CPen {
  enum class Style { kSolid, kDotted };
  uint32_t colour = 0;
  int width = 1;
  Style style = Style::kSolid;
};

class IDrawingSurface {
 public:
  // Where a text's anchor point lies on the text.
  enum class TextAnchor { kTopLeft, kTopCentre, kBaselineRight };

  virtual ~IDrawingSurface() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

  virtual void Fill(uint32_t colour) = 0;
  virtual void Line(const CPen& pen, int x1, int y1, int x2, int y2) = 0;
  virtual void Rectangle(const CPen& pen, uint32_t brush, int left, int top, int right, int bottom) = 0;
  virtual void Ellipse(const CPen& pen, uint32_t brush, int left, int top, int right, int bottom) = 0;
  // `text` is in the system code page, drawn in the surface's default font
  // with no background.
  virtual void Text(const std::string& text, int x, int y, TextAnchor anchor, uint32_t colour) = 0;
  // Width in pixels of `text` in that font.
  virtual int TextWidth(const std::string& text) = 0;
};
