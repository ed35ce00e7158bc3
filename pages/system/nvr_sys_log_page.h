// CNVRSysLogPage: the system log page shown in nvrMode: the nine log types
// of a remote recorder and the columns Date, Time, Log Type, Level and
// Message.
#pragma once

#include "pages/system/sys_log_page.h"

class CNVRSysLogPage : public CSysLogPage {
 public:
  CNVRSysLogPage();

 protected:
  std::vector<SystemLogTypeChoice> LogTypeChoices() const override;
  std::optional<SysLogCells> RowOf(const SystemLogRecord& record, const CSysLogRowTexts& texts,
                                   const SystemLogStatus& switches) const override;
};
