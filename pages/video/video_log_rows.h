// CVideoLogRowTexts: the cell texts of the export and backup list, made from
// system log records -- by the local rules (thirteen columns taken from the
// record's event string) or by the remote ones (date, time, type, user,
// log) -- or nothing for a record the list does not take.
//
// The fixed texts are translated when the object is made, so one object
// serves one search.  The translator's pack must outlive the object.
// Threads: the user-interface thread only.
#pragma once

#include <string>
#include <vector>

#include "lang/vx_trans.h"
#include "pages/common/row_cells.h"
#include "vocabulary/system_log_record.h"

// The Length cell's form.
constexpr const char* kVideoLengthFormat = "%#Ddays %H:%M:%S.%u";

class CVideoLogRowTexts {
 public:
  explicit CVideoLogRowTexts(const CVxTrans& trans = CVxTrans());

  // Each writes the row of `record` into `cells` (emptied first), in column
  // order, and returns true; or returns false, leaving `cells` as they
  // were, for a record the list does not take.
  //
  // Local rules: nothing unless the type is 34, 35, 38 or 41 and the event
  // string fits its layout; otherwise Event Time, Event Type, Success,
  // Username, Start Time, End Time, Length, Camera, Record Index, File
  // Path, DB, Audio and Post Processing Tool.  A field the type does not
  // carry shows "N/A" (path, DB, audio) or stays empty (user, tool); a failed
  // automatic backup shows "No (reason)"; the record index of the single
  // character 4 shows "All"; a start or end not in the list form gives the
  // Length "N/A".
  bool LocalRow(const SystemLogRecord& record, RowCells& cells);
  // Remote rules: nothing below event number 100; otherwise the date, the
  // time, the type text (empty past 104), and the event string split at its
  // first "|" into user and log (no "|": no user, the whole text is the log).
  bool RemoteRow(const SystemLogRecord& record, RowCells& cells) const;

 private:
  const std::string& TypeText(bool remote, int32_t eventNumber) const;

  CVxTrans m_trans;
  std::vector<std::string> m_localTypes, m_remoteTypes;  // by table position
  std::string m_yes, m_no, m_notApplicable, m_all, m_none;
  std::string m_length;  // the Length of the row being made
};
