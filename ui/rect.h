// CRect: a rectangle in pixels, edges as the platform's windows keep them
// (right and bottom lie just outside the rectangle).
#pragma once

struct CRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const CRect&, const CRect&) = default;
};
