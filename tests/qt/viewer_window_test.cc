#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTimer>

#include "logview/logview_qt.h"
#include "shell/log_viewer_app.h"
#include "shell/viewer_fixture.h"

namespace {

class ViewerWindowTest : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    InstallLogViewerQtFrontEnd();
    StartViewer();
  }

  static QDialog* ShownWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible()) return dialog;
    }
    return nullptr;
  }
};

TEST_F(ViewerWindowTest, ModelessWindowFollowsTheDialog) {
  Show(&m_host, {.showEventLog = 1, .showSystemLog = 1, .cameraCount = 2, .genericCameraNames = 1});
  QDialog* window = ShownWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->minimumSize(), QSize(600, 360));
  auto* tabs = window->findChild<QTabWidget*>();
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(0), "System Log");
  EXPECT_EQ(tabs->tabText(1), "Unusual Event");

  // The user's change of tab reaches the tab control.
  tabs->setCurrentIndex(1);
  EXPECT_EQ(AfxGetLogViewerApp()->Dialog().TabCtrl().GetCurSel(), 1);
  // A language read right to left lays the window out that way.
  AfxGetLogViewerApp()->Dialog().SetRightToLeft(true);
  EXPECT_EQ(window->layoutDirection(), Qt::RightToLeft);

  // Keys the host forwards: Tab is the host's, Esc hides the viewer.
  platform::MSG tab{&m_host, platform::kMsgKeyDown, 0x09, 0};
  EXPECT_EQ(FilterDllMsg(&tab), 0);
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(window, &escape);
  EXPECT_FALSE(window->isVisible());
  // Closing for the event page and for the metadata page, then hidden.
  EXPECT_EQ(MessageNumbers(m_host.TakeMessages()), (std::vector<platform::UINT>{platform::kMsgViewerClosing,
                                                                         platform::kMsgViewerClosing,
                                                                         platform::kMsgViewerHidden}));
  platform::MSG enter{&m_host, platform::kMsgKeyDown, platform::kVirtualKeyReturn, 0};
  EXPECT_EQ(FilterDllMsg(&enter), 0);  // a hidden viewer takes no key
}

TEST_F(ViewerWindowTest, ModalWindowRunsUntilClosed) {
  QTimer::singleShot(0, [] {
    QDialog* window = ShownWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isModal());
    window->close();
  });
  Show(&m_host, {.showEventLog = 1, .modeless = 0});
  EXPECT_EQ(ShownWindow(), nullptr);
  EXPECT_EQ(MessageNumbers(m_host.TakeMessages()),
            (std::vector<platform::UINT>{platform::kMsgViewerClosing, platform::kMsgViewerClosing}));
}

}  // namespace
