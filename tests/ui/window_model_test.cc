#include "ui/window_model.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Property = CWindowModel::Property;

TEST(WindowModelTest, ReportsOnlyActualChanges) {
  CWindowModel label(kStaticClass, "Date:");
  std::vector<Property> changes;
  CConnection link = label.OnChanged([&](Property p) { changes.push_back(p); });
  label.SetWindowText("Date:");
  label.Show(true);
  label.SetWindowText("Datum:");
  label.Enable(false);
  label.SetRightToLeft(true);
  label.SetFont(NativeFont());
  label.SetFont(NativeFont());
  EXPECT_EQ(changes, (std::vector<Property>{Property::kText, Property::kEnabled, Property::kLayout,
                                            Property::kFont}));
}

TEST(WindowModelTest, TreeAndFocusSurviveEitherEndBeingDestroyed) {
  CWindowModel page(kDialogClass);
  auto button = std::make_unique<CWindowModel>(kButtonClass, "Search");
  CWindowModel combo(kComboBoxClass);
  EXPECT_TRUE(button->SetParent(&page));
  EXPECT_TRUE(combo.SetParent(&page));
  EXPECT_FALSE(page.SetParent(&combo));  // its own child
  button->SetFocus();
  button.reset();
  EXPECT_EQ(page.GetChildren(), (std::vector<CWindowModel*>{&combo}));
  EXPECT_EQ(CWindowModel::GetFocus(), nullptr);
  {
    CWindowModel tab(kTabControlClass);
    EXPECT_TRUE(page.SetParent(&tab));
  }
  EXPECT_EQ(page.GetParent(), nullptr);
}

}  // namespace
