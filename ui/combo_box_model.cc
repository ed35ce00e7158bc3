#include "ui/combo_box_model.h"

#include <algorithm>

namespace {

unsigned char FoldCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// Texts are in the system code page, whose letters beyond ASCII differ from
// one code page to the next; only ASCII letters are folded, the other bytes
// compare by value, so the order is the same on every machine.
int CompareNoCase(const std::string& a, const std::string& b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const unsigned char ca = FoldCase(a[i]);
    const unsigned char cb = FoldCase(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace

CComboBoxModel::CComboBoxModel(bool sorted) : CWindowModel(kComboBoxClass), m_sorted(sorted) {}

int CComboBoxModel::SortedPosition(const std::string& text) const {
  auto it = std::upper_bound(
      m_entries.begin(), m_entries.end(), text,
      [](const std::string& t, const Entry& e) { return CompareNoCase(t, e.text) < 0; });
  return static_cast<int>(it - m_entries.begin());
}

int CComboBoxModel::AddString(const std::string& text) {
  return InsertString(m_sorted ? SortedPosition(text) : -1, text);
}

int CComboBoxModel::InsertString(int index, const std::string& text) {
  if (index == -1) index = GetCount();
  if (index < 0 || index > GetCount()) return kError;
  m_entries.insert(m_entries.begin() + index, Entry{text, 0});
  NotifyChanged(Property::kItems);
  if (m_curSel >= index) {
    ++m_curSel;
    NotifyChanged(Property::kSelection);
  }
  return index;
}

int CComboBoxModel::DeleteString(int index) {
  if (!IsIndex(index)) return kError;
  m_entries.erase(m_entries.begin() + index);
  NotifyChanged(Property::kItems);
  if (m_curSel >= index) {
    m_curSel = (m_curSel == index) ? -1 : m_curSel - 1;
    NotifyChanged(Property::kSelection);
  }
  return GetCount();
}

void CComboBoxModel::ResetContent() {
  const bool hadSelection = m_curSel != -1;
  const bool hadEntries = !m_entries.empty();
  m_entries.clear();
  m_curSel = -1;
  if (hadEntries) NotifyChanged(Property::kItems);
  if (hadSelection) NotifyChanged(Property::kSelection);
}

std::string CComboBoxModel::GetLBText(int index) const {
  return IsIndex(index) ? m_entries[index].text : std::string();
}

int CComboBoxModel::SetItemData(int index, int64_t value) {
  if (!IsIndex(index)) return kError;
  m_entries[index].value = value;
  return 0;
}

int64_t CComboBoxModel::GetItemData(int index) const {
  return IsIndex(index) ? m_entries[index].value : kError;
}

int CComboBoxModel::SetCurSel(int index) {
  const int selected = IsIndex(index) ? index : -1;
  Update(m_curSel, selected, Property::kSelection);
  return selected;
}

int CComboBoxModel::FindStringExact(int startAfter, const std::string& text) const {
  const int count = GetCount();
  const int first = IsIndex(startAfter) ? startAfter + 1 : 0;
  for (int step = 0; step < count; ++step) {
    const int index = (first + step) % count;
    if (CompareNoCase(m_entries[index].text, text) == 0) return index;
  }
  return kError;
}

bool CComboBoxModel::UserSelect(int index) {
  if (!IsEnabled() || !IsVisible() || !IsIndex(index)) return false;
  Update(m_curSel, index, Property::kSelection);
  m_userSelected.Emit(index);
  return true;
}

int CComboBoxModel::Measure(const std::string& text) const {
  if (m_measure) return m_measure(text);
  // Characters, not bytes: UTF-8 continuation bytes do not count.
  const auto characters = std::count_if(text.begin(), text.end(),
                                        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
  return static_cast<int>(characters) * kAverageCharWidth;
}

int CComboBoxModel::OnDropDown() {
  int widest = 0;
  for (const auto& entry : m_entries) widest = std::max(widest, Measure(entry.text));
  m_droppedWidth = std::max(GetRect().Width(), widest + kDropDownMargin);
  return *m_droppedWidth;
}
