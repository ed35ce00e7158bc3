#include "pages/video/vantor_video_log_page.h"

namespace {

using Align = CListColumn::Align;

constexpr PageColumn kColumns[] = {
    {10, 140, Align::kCentre},  // Event Time
    {11, 90, Align::kLeft},     // Event Type
    {93, 70, Align::kLeft},     // Success
    {85, 100, Align::kLeft},    // Username
    {86, 140, Align::kLeft},    // Start Time
    {87, 140, Align::kLeft},    // End Time
    {88, 120, Align::kLeft},    // Length
    {89, 100, Align::kLeft},    // Camera
    {131, 100, Align::kLeft},   // Record Index
    {90, 150, Align::kLeft},    // File Path
    {91, 50, Align::kLeft},     // DB
    {96, 50, Align::kLeft},     // Audio
    {109, 150, Align::kLeft},   // Post Processsing Tool
};

}  // namespace

CVantorVideoLogPage::CVantorVideoLogPage() : CVideoLogPage(LocalVideoLogTypes(), kColumns) {}
