// The export and backup page searching vxpp-server lists the rows it lists
// reading the same installation.
#include "pages/common/page_server_test.h"
#include "pages/video/vantor_video_log_page.h"

namespace {

using VideoRemoteSearchTest = PageServerTest;

TEST_F(VideoRemoteSearchTest, RemoteRowsAreTheLocalRows) {
  ServerViewerContext context;
  Connect(context);
  CVantorVideoLogPage page;
  page.SetOwner(&context);
  page.Create();
  page.Controls().startPicker->UserSetTime(kLastDay - CDateTime::kTicksPerDay);
  page.Controls().endPicker->UserSetTime(kLastDay + CDateTime::kTicksPerDay - 1);
  ExpectRemoteRowsAreLocal(page, context, 13, {-1}, 1);
  EXPECT_TRUE(context.dialog.received.empty());
}

}  // namespace
