#include "pages/common/camera_selector.h"

#include <algorithm>
#include <cstdio>

#include "lang/translated_string.h"

void FillCameraSelector(CComboBoxModel& selector, const std::vector<std::string>& names,
                        const std::vector<uint32_t>& ids) {
  selector.ResetContent();
  selector.SetItemData(selector.AddString(LoadTranslatedString(49)), kAllCamerasItem);
  const size_t count = std::min(names.size(), ids.size());
  for (size_t i = 0; i < count; ++i) {
    // A name of any length is shown whole; the buffer grows to hold it.
    std::string text(names[i].size() + 16, '\0');
    const int length = std::snprintf(text.data(), text.size(), "[%02d] %s",
                                     static_cast<int>(i + 1), names[i].c_str());
    text.resize(static_cast<size_t>(std::max(length, 0)));
    selector.SetItemData(selector.AddString(text), ids[i]);
  }
  selector.SetCurSel(0);
}
