#include "pages/common/similar_rows.h"

std::vector<SimilarChoice> SimilarChoices(const SimilarColumns& columns) {
  const bool type = columns.type != SimilarColumns::kNone;
  const bool second = columns.second != SimilarColumns::kNone;
  std::vector<SimilarChoice> choices;
  if (type) choices.push_back({"Same type", true, false});
  if (second) choices.push_back({"Same camera", false, true});
  if (type && second) choices.push_back({"Same type and camera", true, true});
  return choices;
}

int FindShown(const CComboBoxModel& selector, const std::string& text) {
  for (int i = 0; i < selector.GetCount(); ++i)
    if (selector.GetLBText(i) == text) return i;
  return -1;
}

int FindValue(const CComboBoxModel& selector, int64_t value) {
  for (int i = 0; i < selector.GetCount(); ++i)
    if (selector.GetItemData(i) == value) return i;
  return -1;
}
