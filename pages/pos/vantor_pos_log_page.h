// CVantorPosLogPage: the metadata page of a local recorder: all fourteen log
// types and the time in one column (Event Time, Event Name, Metadata Name,
// Camera, Description).  See CPosLogPage.
#pragma once

#include "pages/pos/pos_log_page.h"

class CVantorPosLogPage : public CPosLogPage {
 public:
  CVantorPosLogPage() : CPosLogPage(PosPageVariant::kLocal) {}
};
