// The event string of an export, backup, file-record deletion or automatic
// backup record of the system log, taken apart into its fields.
//
// The string is a list of fields joined by ",", read left to right.  A field
// written in square brackets (a camera list) is taken whole, commas and
// all; a path is written as its length n in characters followed by the path
// in square brackets ("11[C:\a,b.avi]"), so it may hold commas and
// brackets too; the record index is whatever follows the last fixed field.
// Layouts by event number:
//   34 export video:  success, user, start, end, camera, n[path], audio,
//                     two fields not shown, tool[, record index]
//   35 backup:        success, user, start, end, [cameras], n[path], DB[, record index]
//   38 delete record: success, user, start, end, [cameras], record index
//   41 auto backup:   success, start, end, [cameras], n[path], failure reason, DB[, record index]
// The fields are views of the text they were read from.  Pure functions.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

struct BackupEventFields {
  int successCode = 0;  // atoi of the first field; non-zero: it worked
  std::string_view user;
  std::string_view start, end;  // as written ("%04d/%02d/%02d %02d:%02d:%02d" normally)
  std::string_view camera;      // the camera list without its brackets
  std::optional<std::string_view> path;  // types 34, 35, 41
  std::optional<int> audio;              // type 34: atoi of the audio flag
  std::optional<std::string_view> db;    // types 35, 41
  std::string_view failureReason;        // type 41
  std::string_view tool;                 // type 34: the post-processing tool
  std::string_view recordIndex;
};

// The fields of `text` under the layout of `eventNumber` (34, 35, 38 or 41);
// nothing for any other number or for a text that lacks a separator, a
// bracket or path characters its layout needs.
std::optional<BackupEventFields> ParseBackupEventString(int32_t eventNumber, std::string_view text);
