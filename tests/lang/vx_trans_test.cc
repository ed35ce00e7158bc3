#include "lang/vx_trans.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/code_page.h"
#include "platform/paths.h"
#include "language_packs_test.h"
#include "temp_folder.h"

namespace {

struct FakeWindow : IVxLangWindow {
  FakeWindow(std::string cls, std::string caption) : className(std::move(cls)), text(std::move(caption)) {}
  std::string GetClassName() const override { return className; }
  std::string GetWindowText() const override { return text; }
  void SetWindowText(const std::string& t) override { text = t; }
  void SetFont(const FontSpec& f) override { font = f; }
  std::vector<IVxLangWindow*> GetChildWindows() override { return children; }

  std::string className, text;
  std::optional<FontSpec> font;
  std::vector<IVxLangWindow*> children;
};

TEST(VxTransTest, StripMnemonics) {
  EXPECT_EQ(CVxTrans::StripMnemonics("Save && &Exit"), "Save & Exit");
  EXPECT_EQ(CVxTrans::StripMnemonics("&&&x&"), "&x");
}

class VxTransDialogTest : public LanguagePacksTest {
 protected:
  VxTransDialogTest() { page.children = {&button, &label, &combo, &edit, &placeholder, &list}; }

  CVxLang lang;
  FakeWindow page{"#32770", "&Camera"};
  FakeWindow button{"BUTTON", "&Search"}, label{"Static", "Unusual &Event"};
  FakeWindow combo{"ComboBox", "Camera"}, edit{"Edit", "Camera"};
  FakeWindow placeholder{"NativeFontCtl", "&Camera"}, list{"SysListView32", "Camera"};
};

TEST_F(VxTransDialogTest, TranslatePageGivesTextsAndFontsByClass) {
  ASSERT_TRUE(lang.Load("LogView", 1031, "lang/", table));
  CVxTrans(lang).TranslateDialog("log_viewer.unusual", page);
  // The dialog, button and label rules are also checked on the real control
  // models in tests/ui; here the classes those pages do not hold.
  EXPECT_FALSE(page.font);
  EXPECT_EQ(label.text, "Ungew\xC3\xB6hnliches Ereignis");
  EXPECT_EQ(combo.text, "Camera");  // the page fills and translates its entries
  EXPECT_EQ(combo.font, PackFontAnsi());
  EXPECT_EQ(edit.text, "Camera");
  EXPECT_EQ(edit.font, PackFontDefault());
  EXPECT_EQ(placeholder.text, "&Camera");
  EXPECT_FALSE(placeholder.font);
  EXPECT_EQ(list.text, "Camera");
  EXPECT_FALSE(list.font);
}

TEST_F(VxTransDialogTest, NativeFontPackGivesTheNativeFontToEveryTextControl) {
  ASSERT_TRUE(lang.Load("LogView", 1041, "lang/", table));
  CVxTrans(lang).TranslateDialog("log_viewer.unusual", page);
  EXPECT_EQ(page.text, "\xE3\x82\xAB\xE3\x83\xA1\xE3\x83\xA9");
  EXPECT_EQ(button.text, "Search");  // untranslated, mnemonic gone
  for (const FakeWindow* w : {&button, &label, &combo, &edit}) EXPECT_EQ(w->font, NativeFont()) << w->className;
  EXPECT_FALSE(placeholder.font);
}

}  // namespace
