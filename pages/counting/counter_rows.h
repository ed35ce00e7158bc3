// How a counting record becomes a row of the counting page: its log time,
// then three cell texts for a basic or analytics row (camera or device,
// then the counts or the counter and its result), two for a combined row.  Plain functions,
// so the rules are tested without a page.
//
// A search makes hundreds of thousands of rows: the texts of a row are
// written one after another into one reused buffer (RowCells), which the
// page copies whole into its row blocks; the time is formatted only when
// the row is shown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pages/common/row_cells.h"
#include "store/combined_counter_list.h"
#include "store/ivs_device_table.h"
#include "vocabulary/counter_log.h"
#include "vocabulary/user_account.h"

// The text a combined row shows for a counter missing from the list: fixed,
// not translated, and entered into the list so that later rows find it.
constexpr const char* kDeletedCounterText = "[Deleted]";

// What rows are made with besides their records.  Pointers are borrowed
// for the search.
struct CounterRowContext {
  const std::vector<uint32_t>* cameraIds = nullptr;  // the viewer's camera list
  const CUserAccount* user = nullptr;                // null: every record is shown
  bool genericCameraNames = false;
  std::optional<int32_t> channelIndex;  // the camera position chosen, none for "All"
  std::string deletedText;              // "[Deleted]" as the user reads it
  std::string cameraText;               // "Camera", for rows of an older server
};

// Each writes the row of `record` into `cells` (emptied first).  The local
// rows return false for a record that is not listed (another channel with
// generic names, a camera or device the user may not see).

bool LocalBasicRow(const CounterLog& record, const CounterRowContext& context, RowCells& cells);
// `cameraIds`: the records carry camera ids (a server of version 2.0 or
// later), else channel indexes.
void RemoteBasicRow(const CounterLog& record, bool cameraIds, const CounterRowContext& context,
                    RowCells& cells);

// The device is looked up server by server, the first server holding it winning.
bool LocalIvsRow(const IVSCounterLog& record, const IVSDeviceTable& devices, const CounterRowContext& context,
                 RowCells& cells);
// Labelled from the server's device list (`ids` and `names` in parallel);
// `labelled` false leaves the device cell empty.
void RemoteIvsRow(const IVSCounterLog& record, bool labelled, const std::vector<uint32_t>& ids,
                  const std::vector<std::string>& names, const std::string& deletedText, RowCells& cells);

// A counter missing from `counters` is entered as kDeletedCounterText.
void CombinedRow(const CombinedCounterLog& record, CombinedCounterList& counters, RowCells& cells);
