// The event strings of the system log's export and backup records, in the
// layout the export and backup page takes apart: fields joined by ",",
// camera lists in square brackets (they may hold commas), paths written as
// their length followed by the path in square brackets (so a path may hold
// commas too), and the record index as the rest of the string (it may hold
// commas; the single character 4 stands for "All").  An empty record index
// leaves the field out altogether, as older servers wrote it.
#pragma once

#include <string>

// Record index meaning every record of the range.
inline const std::string kAllRecords(1, '\x04');

struct VideoSpan {
  std::string user;
  std::string start, end;  // "%04d/%02d/%02d %02d:%02d:%02d"
};

// Type 34: success, user, start, end, camera, n[path], audio flag, container,
// resolution, post-processing tool[, record index].
std::string ExportVideoString(bool success, const VideoSpan& span, const std::string& camera,
                              const std::string& path, bool audio, const std::string& container,
                              const std::string& resolution, const std::string& tool,
                              const std::string& recordIndex);

// Type 35: success, user, start, end, [cameras], n[path], DB[, record index].
std::string BackupString(bool success, const VideoSpan& span, const std::string& cameras,
                         const std::string& path, const std::string& db, const std::string& recordIndex);

// Type 38: success, user, start, end, [cameras], record index.
std::string DeleteFileRecordString(bool success, const VideoSpan& span, const std::string& cameras,
                                   const std::string& recordIndex);

// Type 41 (no user: the schedule runs it): success, start, end, [cameras],
// n[path], failure reason (empty on success), DB[, record index].
std::string AutoBackupString(bool success, const std::string& start, const std::string& end,
                             const std::string& cameras, const std::string& path, const std::string& failureReason,
                             const std::string& db, const std::string& recordIndex);
