// Pages made of the control models, translated by the language layer.  In a
// binary of its own: a right-to-left pack changes the process for good.
#include <gtest/gtest.h>

#include <vector>

#include "lang/vx_lang.h"
#include "lang/vx_trans.h"
#include "platform/code_page.h"
#include "platform/paths.h"
#include "language_packs_test.h"
#include "temp_folder.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/log_list_ctrl.h"

namespace {

using WindowTranslationTest = LanguagePacksTest;

TEST_F(WindowTranslationTest, PageControlsGetTextsAndFontsByClass) {
  CVxLang german;
  ASSERT_TRUE(german.Load("LogView", 1031, "lang/", table));
  CWindowModel page(kDialogClass, "&Camera");
  CButtonModel search("&Search");
  CWindowModel label(kStaticClass, "Unusual &Event");
  CComboBoxModel types;
  CLogListCtrl list;
  for (CWindowModel* control : std::vector<CWindowModel*>{&search, &label, &types, &list}) {
    control->SetParent(&page);
  }
  std::vector<CWindowModel::Property> heard;
  CConnection link = search.OnChanged([&](CWindowModel::Property p) { heard.push_back(p); });

  CVxTrans(german).TranslateDialog("log_viewer.unusual", page);
  EXPECT_EQ(page.GetWindowText(), "Kamera");
  EXPECT_EQ(search.GetWindowText(), "Suchen");
  EXPECT_EQ(search.GetFont(), PackFontAnsi());
  EXPECT_EQ(label.GetFont(), PackFontAnsi());
  EXPECT_EQ(types.GetFont(), PackFontAnsi());
  EXPECT_EQ(list.GetFont(), FontSpec());
  EXPECT_EQ(heard, (std::vector<CWindowModel::Property>{CWindowModel::Property::kFont,
                                                        CWindowModel::Property::kText}));
}

TEST_F(WindowTranslationTest, RightToLeftPackLaysOutWindowsMadeAfterIt) {
  CWindowModel before(kDialogClass);
  ASSERT_TRUE(CVxLang::Instance().Load("LogView", 1025, "lang/", table));
  CWindowModel after(kDialogClass);
  EXPECT_FALSE(before.IsRightToLeft());
  EXPECT_TRUE(after.IsRightToLeft());
}

}  // namespace
