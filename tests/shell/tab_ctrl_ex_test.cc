#include "shell/tab_ctrl_ex.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "pages/common/fake_viewer_context.h"
#include "ui/button_model.h"

namespace {

std::vector<std::string> g_events;

class Page : public CTabPageEx {
 public:
  explicit Page(std::string name) : CTabPageEx(5003, "log_viewer"), m_name(std::move(name)) {
    button.SetParent(this);
  }
  void ClearList() override {}
  bool AcceptsInput() override { return accepts; }
  void OnActivate() override { g_events.push_back("activate " + m_name); }
  void OnDeactivate() override { g_events.push_back("deactivate " + m_name); }
  bool accepts = true;
  CButtonModel button;

 protected:
  void OnCreate() override {}

 private:
  std::string m_name;
};

class Tabs : public CTabCtrlEx {
 public:
  using CTabCtrlEx::CTabCtrlEx;

 protected:
  void OnPageAdded(int index, uint32_t value) override {
    g_events.push_back("added " + std::to_string(index) + "/" + std::to_string(value));
  }
  void OnPageRemoving(int index, uint32_t value) override {
    g_events.push_back("removing " + std::to_string(index) + "/" + std::to_string(value));
  }
};

class TabCtrlExTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_events.clear();
    for (const char* name : {"a", "b", "c"}) {
      m_pages.push_back(std::make_unique<Page>(name));
      m_tabs.AddPage(name, static_cast<uint32_t>(m_pages.size() - 1), m_pages.back().get());
    }
  }
  std::vector<bool> Visible() const {
    std::vector<bool> visible;
    for (const auto& page : m_pages) visible.push_back(page->IsVisible());
    return visible;
  }

  FakeViewerContext m_viewer;
  Tabs m_tabs{&m_viewer.dialog};
  std::vector<std::unique_ptr<Page>> m_pages;
};

TEST_F(TabCtrlExTest, AddAndRemoveFollowTheNextTabRule) {
  EXPECT_EQ(g_events, (std::vector<std::string>{"added 0/0", "added 1/1", "added 2/2"}));
  EXPECT_EQ(Visible(), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(m_pages[1]->GetParent(), &m_tabs);
  EXPECT_EQ(m_tabs.AddPage("none", 9, nullptr), -1);

  // The current tab gives way to the next one.
  m_tabs.RemovePage(0);
  EXPECT_EQ(m_tabs.GetCurrentPage(), m_pages[1].get());
  EXPECT_EQ(Visible(), (std::vector<bool>{false, true, false}));
  // The current last tab gives way to the one before it.
  m_tabs.SelectPage(1);
  EXPECT_EQ(m_tabs.GetCurrentPage(), m_pages[2].get());
  m_tabs.RemovePage(1);
  EXPECT_EQ(m_tabs.GetCurrentPage(), m_pages[1].get());
  EXPECT_EQ(Visible(), (std::vector<bool>{false, true, false}));
  m_tabs.RemovePage(5);
  EXPECT_EQ(m_tabs.GetItemCount(), 1);

  g_events.clear();
  m_tabs.AddPage("c", 7, m_pages[2].get());
  m_tabs.RemoveAllPages();
  EXPECT_EQ(g_events, (std::vector<std::string>{"added 1/7", "removing 1/7", "removing 0/1"}));
  EXPECT_EQ(m_tabs.GetCurSel(), CTabControlModel::kNone);
  EXPECT_EQ(Visible(), (std::vector<bool>{false, false, false}));
}

TEST_F(TabCtrlExTest, UserChangesAskThePageAndKeepItsFocus) {
  g_events.clear();
  m_pages[0]->button.SetFocus();
  m_pages[0]->accepts = false;
  EXPECT_FALSE(m_tabs.UserSelect(1));
  m_pages[0]->accepts = true;
  m_tabs.SetVeto([](int, int to) { return to != 2; });
  EXPECT_FALSE(m_tabs.UserSelect(2));
  EXPECT_TRUE(g_events.empty());

  EXPECT_TRUE(m_tabs.UserSelect(1));
  EXPECT_EQ(g_events, (std::vector<std::string>{"deactivate a", "activate b"}));
  EXPECT_EQ(Visible(), (std::vector<bool>{false, true, false}));
  EXPECT_TRUE(m_pages[1]->HasFocus());
  // Back on the first page, its button has the focus again.
  EXPECT_TRUE(m_tabs.UserSelect(0));
  EXPECT_TRUE(m_pages[0]->button.HasFocus());
}

TEST_F(TabCtrlExTest, PagesFillTheDisplayAreaAndForwardToTheDialog) {
  m_tabs.SetTabMetrics(1, 80, 20);
  m_tabs.MoveWindow(CRect{0, 0, 600, 400});
  EXPECT_EQ(m_pages[0]->GetRect(), (CRect{4, 24, 596, 396}));
  m_tabs.SelectPage(2);
  EXPECT_EQ(m_pages[2]->GetRect(), (CRect{4, 24, 596, 396}));

  m_pages[2]->SendMessage(kMsgCommand, kCommandOk, 0);
  EXPECT_EQ(m_viewer.dialog.received, (std::vector<platform::UINT>{kMsgCommand}));
}

}  // namespace
