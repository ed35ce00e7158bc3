// Where a tab control places its current page: the client area less the
// band the tabs take, less a 4-pixel margin round the page.
#pragma once

#include "ui/rect.h"

enum class CTabPlacement { kTop, kBottom, kLeft, kRight };

// `client` is the tab control's client area, `rows` the number of rows of
// tabs, `tabWidth` and `tabHeight` the size of one tab.  The band is rows ×
// the tab's height (rows × its width for tabs at the left or right).  The
// page starts 4 pixels beyond the band when the tabs lie at the top or left,
// 4 pixels from the edge otherwise; it is the band less high (or less wide)
// than the client area, and 8 pixels narrower and 8 pixels lower still.
// A client area too small for that gives an empty page, never a negative
// size.
CRect TabPageArea(const CRect& client, CTabPlacement placement, int rows, int tabWidth,
                  int tabHeight);
