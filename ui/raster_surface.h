// CRasterSurface: a drawing surface in memory, with no display: a picture
// drawn with Cairo and the fonts fontconfig finds.  A surface that could not
// be made (no memory, a size of 0) draws nothing and gives an empty picture.
// Threads: one surface per thread.
#pragma once

#include <memory>

#include "ui/drawing_surface.h"
#include "ui/picture.h"

class CRasterSurface final : public IDrawingSurface {
 public:
  CRasterSurface(int width, int height);
  ~CRasterSurface() override;
  CRasterSurface(const CRasterSurface&) = delete;
  CRasterSurface& operator=(const CRasterSurface&) = delete;

  // What has been drawn so far.
  CPicture Picture() const;

  int Width() const override { return m_width; }
  int Height() const override { return m_height; }
  void Fill(uint32_t colour) override;
  void Line(const CPen& pen, int x1, int y1, int x2, int y2) override;
  void Rectangle(const CPen& pen, uint32_t brush, int left, int top, int right, int bottom) override;
  void Ellipse(const CPen& pen, uint32_t brush, int left, int top, int right, int bottom) override;
  void Text(const std::string& text, int x, int y, TextAnchor anchor, uint32_t colour) override;
  int TextWidth(const std::string& text) override;

 private:
  struct Cairo;
  const int m_width;
  const int m_height;
  std::unique_ptr<Cairo> m_cairo;
};
