// The event page searching vxpp-server (answering in text records) lists the
// rows it lists reading the same installation, and asks the host about the
// rows of its window as they come.
#include "pages/common/fake_host.h"
#include "pages/common/page_server_test.h"
#include "pages/event/vantor_event_log_page.h"

namespace {

using EventRemoteSearchTest = PageServerTest;

TEST_F(EventRemoteSearchTest, TextRecordsGiveTheLocalRows) {
  ServerViewerContext context;
  Connect(context, [](vxpp_server::ServerSettings& s) { s.vxppVersion = "2.0"; });
  context.settings.remoteCameraList = 1;
  FakeHost host;
  CVantorEventLogPage page;
  page.SetOwner(&context);
  page.Create();
  page.HostLink().window = &host;
  const CPageControls c = page.Controls();
  // The edge event names came from the server.
  EXPECT_NE(c.typeSelector->FindStringExact(-1, "Edge Tripwire"), CComboBoxModel::kError);
  c.startPicker->UserSetTime(kLastDay - 12 * kHour);  // across two daily files
  c.endPicker->UserSetTime(kLastDay + 12 * kHour);
  ExpectRemoteRowsAreLocal(page, context, 4, {0, 2}, 101);
  EXPECT_TRUE(host.Messages().empty());  // no row lies in the host's (empty) window

  c.typeSelector->UserSelect(0);
  c.secondSelector->UserSelect(0);
  page.SetLogDateTimeAndSearch(kLastDay, kLastDay + 6 * kHour, VxBitset<128>().set());
  size_t withCamera = 0;
  for (size_t i = 0; i < page.RowCount(); ++i) {
    const EventListItem& row = page.RowAt(i);
    const bool known = row.cameraIndex != EventListItem::kNoCamera;
    withCamera += known;
    EXPECT_EQ(row.playState, known ? EventListItem::kPlayable : EventListItem::kNotPlayable) << i;
  }
  EXPECT_GT(page.RowCount(), withCamera);
  EXPECT_EQ(host.Numbers(), std::vector<platform::UINT>(withCamera, platform::kMsgCanPlay));
}

}  // namespace
