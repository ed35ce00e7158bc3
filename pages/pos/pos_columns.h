// The columns of the two metadata pages: what each shows of a row and the
// key a click on its header sorts by.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "pages/common/page_column.h"
#include "pages/common/page_rows.h"
#include "pages/pos/pos_log_row.h"
#include "pages/pos/pos_sources.h"

enum class PosField {
  kMoment,  // "YYYY/MM/DD HH:MM:SS"; sorts as text
  kDate,    // "YYYY/MM/DD"; sorts by the whole moment, so days come in time order
  kClock,   // "HH:MM:SS"; sorts as text
  kType,    // the log type's name; sorts by code
  kSource,  // the source's name; sorts by it
  kCamera,  // sorts as text
  kDescription,
};

struct PosColumn {
  PageColumn column;
  PosField field;
};

// Local page: Event Time, Event Name, Metadata Name, Camera, Description.
std::span<const PosColumn> LocalPosColumns();
// Remote page: Date, Time, Log Type, Metadata, Log.
std::span<const PosColumn> RemotePosColumns();

// The text of `field` for `row`, given the names of its type and source.
std::string_view PosFieldText(const PosLogRaw& row, PosField field, std::string_view typeName,
                              std::string_view sourceName);

// Sorts `rows` by `field`, smaller keys first for direction 0, keeping rows
// of equal keys in their order.
void SortPosRows(PageRows<PosLogRaw>& rows, PosField field, const PosSourceNames& sources, int direction);
