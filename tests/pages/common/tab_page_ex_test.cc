#include "pages/common/tab_page_ex.h"

#include <gtest/gtest.h>

#include "pages/common/fake_viewer_context.h"
#include "pages/common/host_link.h"
#include "ui/button_model.h"

namespace {

class TestPage : public CTabPageEx {
 public:
  TestPage() : CTabPageEx(5003, "log_viewer.unusual") { SetWindowText("&Events"); }
  void ClearList() override {}
  int creations = 0;
  CButtonModel search{"&Search"};

 protected:
  void OnCreate() override {
    ++creations;
    search.SetParent(this);
    TranslatePage();
  }
};

TEST(TabPageEx, CreatesOnceHiddenAndTranslated) {
  TestPage page;
  EXPECT_FALSE(page.IsCreated());
  page.Create();
  page.Create();
  EXPECT_EQ(page.creations, 1);
  EXPECT_FALSE(page.IsVisible());
  EXPECT_EQ(page.GetWindowText(), "Events");
  EXPECT_EQ(page.search.GetWindowText(), "Search");
  EXPECT_EQ(page.GetChildren().size(), 1u);
  EXPECT_EQ(page.GetClassName(), "#32770");
  EXPECT_EQ(page.Controls().list, nullptr);
}

TEST(TabPageEx, ForwardsCommandsToTheDialog) {
  TestPage page;
  FakeViewerContext viewer;
  EXPECT_TRUE(page.forwardCommands && page.forwardCommandUI && page.forwardNotify);
  page.SendMessage(kMsgCommand, kCommandCancel, 0);  // no target yet
  page.SetForwardTarget(&viewer.dialog);
  page.SendMessage(kMsgCommand, kCommandCancel, 0);
  page.SendMessage(kMsgNotify, 0, 0);
  page.SendMessage(kMsgCommandUI, 0, 0);
  page.SendMessage(platform::kMsgCanPlay, 0, 0);  // the page's own
  page.forwardNotify = false;
  page.SendMessage(kMsgNotify, 0, 0);
  EXPECT_EQ(viewer.dialog.received,
            (std::vector<platform::UINT>{kMsgCommand, kMsgNotify, kMsgCommandUI}));
}

class PlayingHost : public platform::CWnd {
 public:
  platform::WPARAM camera = 0;
  CDateTime asked;

 protected:
  platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                               platform::LPARAM lParam) override {
    if (message != platform::kMsgCanPlay) return 0;
    camera = wParam;
    asked = *reinterpret_cast<const CDateTime*>(lParam);
    return wParam == 3 ? 1 : 0;
  }
};

TEST(HostLink, AsksTheHostWhetherItCanPlay) {
  CHostLink link;
  const CDateTime time = CDateTime::FromFields(2024, 1, 31, 12);
  EXPECT_FALSE(link.CanPlay(3, time));
  PlayingHost host;
  link.window = &host;
  EXPECT_TRUE(link.CanPlay(3, time));
  EXPECT_EQ(host.asked, time);
  EXPECT_FALSE(link.CanPlay(4, time));
  EXPECT_EQ(host.camera, 4u);
}

}  // namespace
