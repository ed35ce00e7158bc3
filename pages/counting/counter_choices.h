// What the counting page and the counting diagram offer to choose: the
// three modes, the analytics devices and the combined counters, and the two
// lists they come from (the installation's filter files, or the server's
// answers in nvrMode).
#pragma once

#include <vector>

#include "pages/common/search_log_page.h"
#include "pages/common/viewer_context.h"
#include "store/combined_counter_list.h"
#include "store/ivs_device_table.h"
#include "ui/combo_box_model.h"

enum class CounterMode { kBasic = 0, kIvs = 1, kCombined = 2 };

// Item value of an "All" or "N/A" entry.
constexpr int64_t kNoCounterItem = 4294967295;

struct CounterLists {
  IVSDeviceTable devices;
  CombinedCounterList counters;
  // Combined counting is offered: the server answered its counter list, or
  // the local databases are not a backup copy.
  bool combinedAvailable = false;
};

// Reads both lists: from the server through `client` when one is given (the
// viewer is in nvrMode), else from the installation folder.
// A list that cannot be read is empty.
CounterLists LoadCounterLists(IViewerContext& viewer, IVXPPClient* client);

// "Basic Counting" (0), "IVS Counting" (1) and, when available, "Combined
// Counting" (2), translated.
std::vector<SelectorChoice> ModeChoices(bool combinedAvailable);
// "[%02d] %s" of Index + 1 and the name for each device, server by server in
// id order, value the device id; with a user account only the devices whose
// id the account may see.
std::vector<SelectorChoice> DeviceChoices(const IVSDeviceTable& devices, const CUserAccount* user);
// Each counter's name, value its id, in id order.
std::vector<SelectorChoice> CounterChoices(const CombinedCounterList& counters);

// Empties `selector`, lists `choices` and selects the first.
void FillSelector(CComboBoxModel& selector, const std::vector<SelectorChoice>& choices);
// The item value of the selected entry; `none` without a selection.
int64_t SelectedValue(const CComboBoxModel& selector, int64_t none = kNoCounterItem);
