#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QPushButton>
#include <memory>

#include "qt/controls.h"

namespace {

TEST(ControlsTest, ComboBoxMirrorsItsModelAndForwardsChoices) {
  CComboBoxModel model;
  model.AddString("All");
  model.AddString("Motion");
  model.SetCurSel(0);
  std::unique_ptr<QWidget> widget(MakeComboBox(model, nullptr));
  auto* combo = static_cast<QComboBox*>(widget.get());
  ASSERT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->currentIndex(), 0);
  model.AddString("Video Loss");
  model.SetCurSel(2);
  EXPECT_EQ(combo->itemText(2), "Video Loss");
  EXPECT_EQ(combo->currentIndex(), 2);

  std::vector<int> chosen;
  CConnection user = model.OnUserSelected([&](int index) { chosen.push_back(index); });
  combo->activated(1);
  EXPECT_EQ(model.GetCurSel(), 1);
  // A disabled combo box refuses the user: the widget shows the model's entry again.
  model.Enable(false);
  EXPECT_FALSE(combo->isEnabled());
  combo->setCurrentIndex(0);
  combo->activated(0);
  EXPECT_EQ(combo->currentIndex(), 1);
  EXPECT_EQ(chosen, std::vector<int>{1});
  // The drop-down is as wide as the model works out from the widget's font.
  model.MoveWindow({0, 0, 20, 20});
  EXPECT_GT(model.OnDropDown(), 20);
}

TEST(ControlsTest, TextBoxForwardsEveryKeystroke) {
  CEditModel model;
  std::unique_ptr<QWidget> widget(MakeLineEdit(model, nullptr));
  auto* edit = static_cast<QLineEdit*>(widget.get());
  std::vector<std::string> typed;
  CConnection user = model.OnUserChanged([&] { typed.push_back(model.GetWindowText()); });
  QTest::keyClicks(edit, "lob");
  EXPECT_EQ(typed, (std::vector<std::string>{"l", "lo", "lob"}));
  model.SetWindowText("door");
  EXPECT_EQ(edit->text(), "door");
  // A disabled box refuses the user: the widget shows the model's text again.
  model.Enable(false);
  edit->setEnabled(true);
  QTest::keyClicks(edit, "x");
  EXPECT_EQ(edit->text(), "door");
  EXPECT_EQ(typed.size(), 3u);
}

TEST(ControlsTest, PickerAndButtonForwardTheUser) {
  CDateTimePickerModel picker(CDateTime::FromFields(2024, 1, 31, 10, 20, 30));
  picker.SetFormat("yyyy/MM/dd HH:mm:ss");
  picker.SetCheck(false);
  std::unique_ptr<QWidget> widget(MakeDateTimePicker(picker, nullptr));
  auto* check = widget->findChild<QCheckBox*>();
  auto* edit = widget->findChild<QDateTimeEdit*>();
  ASSERT_TRUE(check && edit);
  EXPECT_FALSE(check->isChecked());
  EXPECT_EQ(edit->text(), "2024/01/31 10:20:30");
  // Choosing a time ticks the box: the model's rule, shown by the widget.
  edit->setDateTime(QDateTime(QDate(2024, 2, 1), QTime(8, 0)));
  EXPECT_TRUE(picker.IsChecked());
  EXPECT_TRUE(check->isChecked());
  EXPECT_EQ(picker.GetTime().FormatListCell(), "2024/02/01 08:00:00");

  CButtonModel button("Search");
  int clicks = 0;
  CConnection clicked = button.OnClicked([&] { ++clicks; });
  std::unique_ptr<QWidget> pushButton(MakeButton(button, nullptr));
  EXPECT_EQ(static_cast<QPushButton*>(pushButton.get())->text(), "Search");
  static_cast<QPushButton*>(pushButton.get())->click();
  button.Enable(false);
  static_cast<QPushButton*>(pushButton.get())->click();
  EXPECT_EQ(clicks, 1);
}

}  // namespace
