// Page export: every page's "Export to..." and the file it writes.
//
// The page's command asks the viewer's save dialog for a path (with the
// page's filter); this operation writes the rows of the page's list, in the
// list's current order, with the list's column titles:
//   ".csv" (any case) -- appended through CCSVFile; the title row only when
//     the file did not exist, so a second export adds its rows below the first;
//   ".txt" (any case) -- the file emptied, then the title line and one line per
//     row, fields joined by ", ", every line ending in CR LF;
//   any other extension, or none -- nothing is written.
// Fields are written as the list shows them, without quoting.
// Threads: the user-interface thread only.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/env.h"

class CLogListCtrl;

enum class ExportForm { kNone, kCsv, kText };

// The form a path asks for: the text from its last "." compared without
// regard to case.
ExportForm ExportFormOf(std::string_view path);

// One line of the text form: the fields joined by ", ", ending in CR LF.
std::string ListTextLine(const std::vector<std::string>& fields);

// Writes the list in the text form to an open stream (standard output of
// a command-line host) and flushes it.  False when a write failed; errno
// then says why.
bool WriteListText(const CLogListCtrl& list, FILE* file);

// Writes the list to `path` through `env`.  False when the file was not
// written whole (another extension, a file that cannot be opened or
// created, a failed write); `error` then says why, in words a message box
// can show: "<path>: No space left on device".
bool ExportList(const CLogListCtrl& list, const std::string& path, std::string* error,
                platform::Env* env = platform::Env::Default());
// The same in the form given, whatever the extension of `path`.
bool ExportList(const CLogListCtrl& list, const std::string& path, ExportForm form, std::string* error,
                platform::Env* env = platform::Env::Default());
