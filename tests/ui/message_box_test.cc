#include "ui/message_box.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(MessageBoxTest, DefaultButtonAnswersUnlessAHandlerIsInstalled) {
  EXPECT_EQ(CMessageBox::Show("Fail to open database", "Error"), CMessageBox::kIdOk);
  EXPECT_EQ(CMessageBox::Show("?", "", CMessageBox::kYesNo | CMessageBox::kIconQuestion),
            CMessageBox::kIdYes);
  EXPECT_EQ(CMessageBox::DefaultAnswer(CMessageBox::kYesNoCancel | CMessageBox::kDefaultButton3),
            CMessageBox::kIdCancel);
  EXPECT_EQ(CMessageBox::DefaultAnswer(CMessageBox::kOk | CMessageBox::kDefaultButton3),
            CMessageBox::kIdOk);

  std::vector<CMessageBoxRequest> shown;
  {
    CMessageBoxHandlerScope scope([&](const CMessageBoxRequest& request) {
      shown.push_back(request);
      return CMessageBox::kIdNo;
    });
    EXPECT_EQ(
        CMessageBox::Show("Exceed the playback maximun channels.", "Error", CMessageBox::kIconStop),
        CMessageBox::kIdNo);
  }
  EXPECT_EQ(CMessageBox::Show("e", "f", CMessageBox::kOkCancel), CMessageBox::kIdOk);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "Error");
  EXPECT_EQ(shown[0].style, CMessageBox::kIconStop);
}

}  // namespace
