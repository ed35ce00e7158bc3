#include "ui/combo_box_model.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Texts(const CComboBoxModel& combo) {
  std::vector<std::string> texts;
  for (int i = 0; i < combo.GetCount(); ++i) texts.push_back(combo.GetLBText(i));
  return texts;
}

TEST(ComboBoxModelTest, SortedComboKeepsAlphabeticalOrderAndValues) {
  CComboBoxModel combo(/*sorted=*/true);
  uint32_t value = 1;
  for (const char* text : {"Transaction Start", "cash drawer", "Cash Drawer", "Alarm"}) {
    combo.SetItemData(combo.AddString(text), value++);
  }
  EXPECT_EQ(Texts(combo),
            (std::vector<std::string>{"Alarm", "cash drawer", "Cash Drawer", "Transaction Start"}));
  EXPECT_EQ(combo.GetItemData(0), 4);
  EXPECT_EQ(combo.GetItemData(2), 3);
  // An insertion at a position ignores the order, as the pages' "All" first.
  EXPECT_EQ(combo.InsertString(0, "All"), 0);
  EXPECT_EQ(combo.InsertString(9, "x"), CComboBoxModel::kError);
  EXPECT_EQ(combo.FindStringExact(1, "CASH DRAWER"), 2);
  EXPECT_EQ(combo.FindStringExact(3, "cash drawer"), 2);  // wraps round

  CComboBoxModel plain;
  plain.AddString("b");
  plain.AddString("a");
  EXPECT_EQ(Texts(plain), (std::vector<std::string>{"b", "a"}));
}

TEST(ComboBoxModelTest, SelectionFollowsItsEntryAndOnlyUserChoicesAreReported) {
  CComboBoxModel combo;
  combo.SetItemData(combo.AddString("[01] Gate"), 7);
  combo.SetItemData(combo.AddString("[02] Hall"), 9);
  std::vector<int> picked;
  CConnection link = combo.OnUserSelected([&](int index) { picked.push_back(index); });
  combo.SetCurSel(1);
  combo.InsertString(0, "All");
  EXPECT_EQ(combo.GetItemData(combo.GetCurSel()), 9);
  combo.DeleteString(2);
  EXPECT_EQ(combo.GetCurSel(), -1);
  EXPECT_EQ(combo.SetCurSel(5), CComboBoxModel::kError);

  EXPECT_TRUE(combo.UserSelect(1));
  EXPECT_TRUE(combo.UserSelect(1));  // every pick is reported, even of the same entry
  EXPECT_FALSE(combo.UserSelect(2));
  combo.Enable(false);
  EXPECT_FALSE(combo.UserSelect(0));
  EXPECT_EQ(picked, (std::vector<int>{1, 1}));
  combo.ResetContent();
  EXPECT_EQ(combo.GetCurSel(), -1);
  EXPECT_EQ(combo.GetItemData(0), CComboBoxModel::kError);
  // Values keep their sign: -1 and 4294967295 are different values.
  combo.SetItemData(combo.AddString("All"), -1);
  combo.SetItemData(combo.AddString("None"), 4294967295u);
  EXPECT_EQ(combo.GetItemData(0), -1);
  EXPECT_EQ(combo.GetItemData(1), 4294967295);
}

TEST(ComboBoxModelTest, DropDownGrowsToTheWidestEntry) {
  CComboBoxModel combo;
  combo.MoveWindow({0, 0, 40, 200});
  EXPECT_EQ(combo.OnDropDown(), 40);  // never narrower than the combo
  combo.AddString("Gr\xC3\xB6\xC3\x9F" "e");  // five characters, seven bytes
  EXPECT_EQ(combo.OnDropDown(), 5 * CComboBoxModel::kAverageCharWidth + CComboBoxModel::kDropDownMargin);
  combo.AddString("Abandoned/Removed Object");
  EXPECT_EQ(combo.OnDropDown(), 24 * CComboBoxModel::kAverageCharWidth + CComboBoxModel::kDropDownMargin);
  combo.SetTextMeasure([](const std::string& text) { return static_cast<int>(text.size()) * 6; });
  EXPECT_EQ(combo.OnDropDown(), 24 * 6 + CComboBoxModel::kDropDownMargin);
  EXPECT_EQ(combo.GetDroppedWidth(), 24 * 6 + CComboBoxModel::kDropDownMargin);
}

}  // namespace
