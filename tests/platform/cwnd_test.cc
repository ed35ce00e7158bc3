#include "platform/cwnd.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "platform/message_queue.h"

namespace platform {
namespace {

// Records what it receives; answers wParam + 1, and runs `onMessage` first.
class RecordingWnd : public CWnd {
 public:
  explicit RecordingWnd(MessageQueue* queue) : CWnd(queue) {}
  std::vector<UINT> received;
  std::function<void(UINT)> onMessage;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM) override {
    received.push_back(message);
    if (onMessage) onMessage(message);
    return static_cast<LRESULT>(wParam + 1);
  }
};

class CWndTest : public testing::Test {
 protected:
  MessageQueue m_queue;
  RecordingWnd m_host{&m_queue};
};

TEST_F(CWndTest, SendAnswersAtOncePostWaitsForThePump) {
  EXPECT_EQ(m_host.SendMessage(kMsgCanPlay, 41, 0), 42);
  EXPECT_TRUE(m_host.PostMessage(kMsgViewerClosing));
  EXPECT_TRUE(m_host.PostMessage(kMsgViewerHidden, 1));
  EXPECT_EQ(m_host.received, std::vector<UINT>{kMsgCanPlay});
  EXPECT_EQ(m_queue.DeliverPending(), 2u);
  EXPECT_EQ(m_host.received, (std::vector<UINT>{kMsgCanPlay, kMsgViewerClosing, kMsgViewerHidden}));
  EXPECT_EQ(m_queue.DeliverPending(), 0u);
  EXPECT_EQ(CWnd().SendMessage(kMsgSearchFailed), 0);  // the base window answers 0
}

TEST_F(CWndTest, PendingLeavesWhatHandlersPost) {
  m_host.onMessage = [this](UINT message) {
    if (message == kMsgStartPlayback) m_host.PostMessage(kMsgSeekPlayback);
  };
  m_host.PostMessage(kMsgStartPlayback);
  EXPECT_EQ(m_queue.DeliverPending(), 1u);
  EXPECT_EQ(m_host.received, std::vector<UINT>{kMsgStartPlayback});
  m_host.PostMessage(kMsgStartPlayback);
  EXPECT_EQ(m_queue.DeliverUntilEmpty(), 3u);
  EXPECT_EQ(m_host.received.back(), kMsgSeekPlayback);
}

TEST_F(CWndTest, DestroyedWindowLosesItsMessages) {
  auto page = std::make_unique<RecordingWnd>(&m_queue);
  page->PostMessage(kMsgRemoteRequestFailed);
  m_host.PostMessage(kMsgViewerClosing);
  page->PostMessage(kMsgRemoteRequestFailed);
  page.reset();
  EXPECT_EQ(m_queue.DeliverUntilEmpty(), 1u);

  // A handler may destroy a window whose messages are still queued.
  page = std::make_unique<RecordingWnd>(&m_queue);
  m_host.onMessage = [&page](UINT) { page.reset(); };
  m_host.PostMessage(kMsgViewerHidden);
  page->PostMessage(kMsgPlayModal);
  EXPECT_EQ(m_queue.DeliverUntilEmpty(), 1u);
}

TEST_F(CWndTest, PostsFromOtherThreadsWakeTheOwner) {
  int wakeUps = 0;
  m_queue.SetWakeUp([&wakeUps] { ++wakeUps; });
  EXPECT_FALSE(m_queue.WaitForMessage(std::chrono::milliseconds(1)));
  std::thread poster([this] {
    for (int i = 0; i < 100; ++i) m_host.PostMessage(kMsgSeekPlayback, static_cast<WPARAM>(i));
  });
  size_t delivered = 0;
  while (delivered < 100 && m_queue.WaitForMessage(std::chrono::seconds(10))) delivered += m_queue.DeliverPending();
  poster.join();
  EXPECT_EQ(delivered, 100u);
  EXPECT_EQ(wakeUps, 100);
}

}  // namespace
}  // namespace platform
