#include "pages/video/nvr_video_log_page.h"

namespace {

using Align = CListColumn::Align;

constexpr PageColumn kColumns[] = {
    {152, 80, Align::kCentre},  // Date
    {153, 80, Align::kLeft},    // Time
    {154, 100, Align::kLeft},   // Log Type
    {155, 100, Align::kLeft},   // User
    {156, 300, Align::kLeft},   // Log
};

}  // namespace

CNVRVideoLogPage::CNVRVideoLogPage() : CVideoLogPage(RemoteVideoLogTypes(), kColumns) {}
