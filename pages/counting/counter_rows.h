// How a counting record becomes a row of the counting page: four cell texts
// for a basic or analytics row (time, camera or device, then the counts or
// the counter and its result), three for a combined row.  Plain functions,
// so the rules are tested without a page.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/combined_counter_list.h"
#include "store/ivs_device_table.h"
#include "vocabulary/counter_log.h"
#include "vocabulary/user_account.h"

// Unused trailing cells of a combined row stay empty.
using CounterCells = std::array<std::string, 4>;

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

// A local basic row; nothing when the record is not listed (another channel
// with generic names, or a camera the user may not see).
std::optional<CounterCells> LocalBasicRow(const CounterLog& record, const CounterRowContext& context);
// A basic row from the server.  `cameraIds`: the records carry camera ids
// (a server of version 2.0 or later), else channel indexes.
CounterCells RemoteBasicRow(const CounterLog& record, bool cameraIds, const CounterRowContext& context);

// A local analytics row: the device looked up server by server; nothing when
// the user may not see the device's camera or the device itself.
std::optional<CounterCells> LocalIvsRow(const IVSCounterLog& record, const IVSDeviceTable& devices,
                                        const CounterRowContext& context);
// An analytics row from the server, labelled from its device list (`ids`
// and `names` in parallel); `labelled` false leaves the device cell empty.
CounterCells RemoteIvsRow(const IVSCounterLog& record, bool labelled, const std::vector<uint32_t>& ids,
                          const std::vector<std::string>& names, const std::string& deletedText);

// A combined row; a counter missing from `counters` is entered as
// kDeletedCounterText.
CounterCells CombinedRow(const CombinedCounterLog& record, CombinedCounterList& counters);
