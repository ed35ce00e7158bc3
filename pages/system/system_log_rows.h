// CSysLogRowTexts: the cell texts of the system log list, made from system
// log records -- by the local rules (time, type, device, description) or by
// the remote ones (date, time, type, level, message) -- or nothing for a
// record the list does not take.
//
// The type texts are translated when the object is made, so one object
// serves one search.  The translator's pack must outlive the object.
// Threads: the user-interface thread only.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lang/vx_trans.h"
#include "vocabulary/log_status.h"
#include "vocabulary/system_log_record.h"

// The texts of one row in column order.
using SysLogCells = std::vector<std::string>;

// A remote record's text is "level|message": the level is what comes before
// the first "|" (empty without one), the message what follows it (the whole
// text without one).
std::pair<std::string, std::string> SplitLevelAndMessage(std::string_view text);

class CSysLogRowTexts {
 public:
  explicit CSysLogRowTexts(const CVxTrans& trans = CVxTrans());

  // Local rules: nothing for a type the list does not take under
  // `switches` (those in effect); otherwise the time, the type text, the
  // device ("%d" of parameter 1 + 1, empty when parameter 1 is -1) and the
  // record's text, translated for "Modify Configuration" (16), whose text
  // names the change in the pack's words.
  std::optional<SysLogCells> LocalRow(const SystemLogRecord& record, const SystemLogStatus& switches) const;
  // Remote rules: nothing for a type of 100 or more; otherwise the date, the
  // time, the remote type text, the level and the message.
  std::optional<SysLogCells> RemoteRow(const SystemLogRecord& record) const;

 private:
  CVxTrans m_trans;
  std::vector<std::string> m_localTypes;
  std::vector<std::string> m_remoteTypes;
};
