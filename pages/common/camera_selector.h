// The camera selector of the event and edge storage pages, filled from the
// viewer's camera list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/combo_box_model.h"

// Item value of the "All" entry.
constexpr int64_t kAllCamerasItem = -1;

// Empties `selector`, then lists the translated text 49 ("All") with item
// value kAllCamerasItem and, for each camera at position i (from 1),
// "[%02d] %s" of i and its name with the camera id as item value; the first
// entry is selected.  `names` and `ids` are parallel.
void FillCameraSelector(CComboBoxModel& selector, const std::vector<std::string>& names,
                        const std::vector<uint32_t>& ids);
