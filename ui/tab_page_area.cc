#include "ui/tab_page_area.h"

#include <algorithm>

namespace {

constexpr int kMargin = 4;

}  // namespace

CRect TabPageArea(const CRect& client, CTabPlacement placement, int rows, int tabWidth,
                  int tabHeight) {
  const bool vertical = placement == CTabPlacement::kLeft || placement == CTabPlacement::kRight;
  const int band = std::max(rows, 0) * std::max(vertical ? tabWidth : tabHeight, 0);
  const bool bandFirst = placement == CTabPlacement::kTop || placement == CTabPlacement::kLeft;

  int width = client.Width() - 2 * kMargin;
  int height = client.Height() - 2 * kMargin;
  (vertical ? width : height) -= band;

  CRect page;
  page.left = client.left + kMargin + (vertical && bandFirst ? band : 0);
  page.top = client.top + kMargin + (!vertical && bandFirst ? band : 0);
  page.right = page.left + std::max(width, 0);
  page.bottom = page.top + std::max(height, 0);
  return page;
}
