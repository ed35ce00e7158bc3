#include "ui/auto_width_combo_box.h"

#include <algorithm>

int CAutoWidthComboBox::AddString(std::string text) {
  m_entries.push_back(std::move(text));
  return GetCount() - 1;
}

void CAutoWidthComboBox::ResetContent() {
  m_entries.clear();
  m_selection = kCbErr;
}

std::string CAutoWidthComboBox::GetLBText(int index) const {
  return index >= 0 && index < GetCount() ? m_entries[static_cast<size_t>(index)] : std::string();
}

int CAutoWidthComboBox::SetCurSel(int index) {
  if (index < 0 || index >= GetCount()) {
    m_selection = kCbErr;
    return kCbErr;
  }
  m_selection = index;
  return index;
}

int CAutoWidthComboBox::Measure(const std::string& text) const {
  if (m_measure) return m_measure(text);
  // Characters, not bytes: UTF-8 continuation bytes do not count.
  const auto characters = std::count_if(text.begin(), text.end(),
                                        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
  return static_cast<int>(characters) * kAverageCharWidth;
}

int CAutoWidthComboBox::OnDropDown() {
  int widest = 0;
  for (const auto& entry : m_entries) widest = std::max(widest, Measure(entry));
  m_droppedWidth = std::max(m_width, widest + kDropDownMargin);
  return m_droppedWidth;
}
