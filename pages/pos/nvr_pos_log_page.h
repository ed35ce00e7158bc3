// CNVRPosLogPage: the metadata page of a remote recorder (the viewer's NVR
// mode): the log types up to rule 07, date and time in two columns (Date,
// Time, Log Type, Metadata, Log), and no camera column.  See CPosLogPage.
#pragma once

#include "pages/pos/pos_log_page.h"

class CNVRPosLogPage : public CPosLogPage {
 public:
  CNVRPosLogPage() : CPosLogPage(PosPageVariant::kRemote) {}
};
