#include "pages/system/nvr_sys_log_page.h"

namespace {

using Align = CListColumn::Align;

constexpr PageColumn kColumns[] = {
    {141, 80, Align::kCentre},  // Date
    {142, 80, Align::kLeft},    // Time
    {143, 150, Align::kLeft},   // Log Type
    {144, 80, Align::kLeft},    // Level
    {145, 260, Align::kLeft},   // Message
};

}  // namespace

CNVRSysLogPage::CNVRSysLogPage() : CSysLogPage(kColumns) {}

std::vector<SystemLogTypeChoice> CNVRSysLogPage::LogTypeChoices() const { return RemoteSystemLogTypeChoices(); }

// The remote log types have no switches.
std::optional<SysLogCells> CNVRSysLogPage::RowOf(const SystemLogRecord& record, const CSysLogRowTexts& texts,
                                                 const SystemLogStatus&) const {
  return texts.RemoteRow(record);
}
