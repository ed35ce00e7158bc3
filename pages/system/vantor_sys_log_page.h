// CVantorSysLogPage: the system log page of a local recorder: the local log
// types (as the switches in effect allow) and the columns Event Time, Event
// Type, Device and Description.
#pragma once

#include "pages/system/sys_log_page.h"

class CVantorSysLogPage : public CSysLogPage {
 public:
  CVantorSysLogPage();

 protected:
  std::vector<SystemLogTypeChoice> LogTypeChoices() const override;
  std::optional<SysLogCells> RowOf(const SystemLogRecord& record, const CSysLogRowTexts& texts,
                                   const SystemLogStatus& switches) const override;
};
