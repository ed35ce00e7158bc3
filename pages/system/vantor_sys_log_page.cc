#include "pages/system/vantor_sys_log_page.h"

namespace {

using Align = CListColumn::Align;

constexpr PageColumn kColumns[] = {
    {10, 150, Align::kCentre},  // Event Time
    {11, 190, Align::kLeft},    // Event Type
    {171, 150, Align::kLeft},   // Device
    {12, 500, Align::kLeft},    // Description
};

}  // namespace

CVantorSysLogPage::CVantorSysLogPage() : CSysLogPage(kColumns) {}

std::vector<SystemLogTypeChoice> CVantorSysLogPage::LogTypeChoices() const {
  return LocalSystemLogTypeChoices(Switches());
}

std::optional<SysLogCells> CVantorSysLogPage::RowOf(const SystemLogRecord& record, const CSysLogRowTexts& texts,
                                                    const SystemLogStatus& switches) const {
  return texts.LocalRow(record, switches);
}
