// Page workbook: "Export to Excel workbook...", the list of a page written as
// an .xlsx workbook beside the page's own CSV and text export (which stay
// as they are).
//
// The first sheet, "Rows", holds the list's column titles as a frozen header
// row with an auto-filter, then one row per listed row in the list's order,
// columns as wide as the list's.  Cells are typed by their text: a list time
// "YYYY/MM/DD HH:MM:SS" (or its date "YYYY/MM/DD" or clock "HH:MM:SS" part)
// is a date with that display format, a number written as a number prints
// (no leading zero, no sign "+") is a number, anything else a text.  The
// second sheet, "Source", says where the rows came from, one fact a row.
//
// The workbook is made in a scratch file of the system's temporary folder
// and then written to `path` through `env`.  Threads: any, one list at a
// time.
#pragma once

#include <string>
#include <vector>

#include "platform/env.h"

class CLogListCtrl;

// A fact of the "Source" sheet: its name and its value.
struct WorkbookFact {
  std::string name;
  std::string value;
};

// The most rows a sheet holds besides its header.
inline constexpr int kWorkbookMaxRows = 1048575;

// Writes the list and `source` as a workbook to `path` (whatever its
// extension).  False when the file was not written whole; `error` then says
// why: "<path>: REASON", or that the list has more rows than a sheet holds.
bool ExportWorkbook(const CLogListCtrl& list, const std::vector<WorkbookFact>& source, const std::string& path,
                    std::string* error, platform::Env* env = platform::Env::Default());
