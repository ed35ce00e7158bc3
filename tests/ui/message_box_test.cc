#include "ui/message_box.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBoxTest, EnterPressesTheDefaultButtonOfTheSet) {
  EXPECT_EQ(CMessageBox::DefaultAnswer(CMessageBox::kOk), CMessageBox::kIdOk);
  EXPECT_EQ(CMessageBox::DefaultAnswer(CMessageBox::kYesNo | CMessageBox::kIconQuestion), CMessageBox::kIdYes);
  EXPECT_EQ(CMessageBox::DefaultAnswer(CMessageBox::kYesNoCancel | CMessageBox::kDefaultButton3),
            CMessageBox::kIdCancel);
  EXPECT_EQ(CMessageBox::DefaultAnswer(CMessageBox::kOk | CMessageBox::kDefaultButton3), CMessageBox::kIdOk);
}

}  // namespace
