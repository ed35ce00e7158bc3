// PageColumn: a column of a page's list as the page declares it.
#pragma once

#include "ui/log_list_ctrl.h"

struct PageColumn {
  int titleString;  // string number of the title
  int width;        // pixels
  CListColumn::Align align;
};
