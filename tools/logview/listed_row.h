// A row as logview prints it outside the page's list: its cells as drawn
// and its image, with the two things the merged and followed lists need --
// the moment the row stands for, and the row as a JSON object.
#pragma once

#include <string>
#include <vector>

#include "ui/log_list_ctrl.h"
#include "vocabulary/date_time.h"

// The row's moment as it sorts: its first cell ("YYYY/MM/DD HH:MM:SS"), or,
// on the pages that show the date and the clock in two columns, both joined
// by a blank.  Texts of this form sort as the moments do.
std::string RowTimeKey(const CListRowView& row);

// The moment of a key; not valid when the key is no moment.
CDateTime TimeOfKey(const std::string& key);

// `{"TITLE": "CELL", ..., "state": STATE}` on one line: the cells in UTF-8,
// "state" the row's play state when `withState`, else null.
std::string JsonRowObject(const std::vector<std::string>& titles, const CListRowView& row, bool withState);

// The list's column titles, in order.
std::vector<std::string> ColumnTitles(const CLogListCtrl& list);
