#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <memory>

#include "fake_viewer_context.h"
#include "pages/event/vantor_event_log_page.h"
#include "protocol/vxpp_client.h"
#include "qt/page_widget.h"

namespace {

// A server that takes connections (the system's backlog does) and never answers.
class SilentServer {
 public:
  SilentServer() : m_socket(::socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(m_socket, reinterpret_cast<sockaddr*>(&address), size);
    ::listen(m_socket, 8);
    ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &size);
    port = ntohs(address.sin_port);
  }
  ~SilentServer() { ::close(m_socket); }
  int port = 0;

 private:
  int m_socket;
};

class RemoteContext : public FakeViewerContext {
 public:
  std::unique_ptr<IVXPPClient> MakeClient() override { return std::make_unique<CVXPPClient>(); }
};

TEST(RemoteCancelTest, StalledSearchEndsWithin200MsOfCancel) {
  SilentServer server;
  RemoteContext context;
  context.settings.remoteCameraList = 1;
  context.settings.serverAddress = "127.0.0.1";
  context.settings.serverPort = server.port;
  context.onProgress = [] { QCoreApplication::processEvents(); };  // as the window's front end does
  CVantorEventLogPage page;
  page.SetOwner(&context);
  page.Create();
  std::unique_ptr<QWidget> widget(MakePageWidget(page, nullptr));
  QPushButton* search = nullptr;
  QPushButton* cancel = nullptr;
  for (QPushButton* button : widget->findChildren<QPushButton*>()) {
    if (button->text() == "Search") search = button;
    if (button->text() == "Cancel") cancel = button;
  }
  ASSERT_TRUE(search && cancel);
  EXPECT_TRUE(cancel->isHidden());

  using Clock = std::chrono::steady_clock;
  Clock::time_point cancelled;
  QTimer::singleShot(100, [&] {
    EXPECT_FALSE(search->isEnabled());
    cancelled = Clock::now();
    cancel->click();
  });
  search->click();
  const auto late = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - cancelled);
  EXPECT_NE(cancelled, Clock::time_point{});
  EXPECT_LE(late.count(), 200);
  EXPECT_TRUE(search->isEnabled());
  EXPECT_TRUE(context.dialog.received.empty());  // cancelled, not failed
}

}  // namespace
