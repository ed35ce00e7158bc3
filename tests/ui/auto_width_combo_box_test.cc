#include "ui/auto_width_combo_box.h"

#include <gtest/gtest.h>

namespace {

TEST(AutoWidthComboBoxTest, DropDownGrowsToTheWidestEntry) {
  CAutoWidthComboBox combo(80);
  EXPECT_EQ(combo.OnDropDown(), 80);  // never narrower than the combo
  EXPECT_EQ(combo.AddString("All"), 0);
  EXPECT_EQ(combo.AddString("Abandoned/Removed Object"), 1);
  combo.SetTextMeasure([](const std::string& text) { return static_cast<int>(text.size()) * 6; });
  EXPECT_EQ(combo.OnDropDown(), 24 * 6 + CAutoWidthComboBox::kDropDownMargin);
  EXPECT_EQ(combo.GetDroppedWidth(), 24 * 6 + CAutoWidthComboBox::kDropDownMargin);

  CAutoWidthComboBox estimated;
  estimated.AddString("Gr\xC3\xB6\xC3\x9F" "e");  // five characters, seven bytes
  EXPECT_EQ(estimated.OnDropDown(), 5 * CAutoWidthComboBox::kAverageCharWidth + CAutoWidthComboBox::kDropDownMargin);
}


}  // namespace
