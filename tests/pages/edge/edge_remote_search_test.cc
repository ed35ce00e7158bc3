// The edge storage page searching vxpp-server lists the steps, cameras and
// times it lists reading the same installation (the server's answer carries
// no description).
#include "pages/common/page_server_test.h"
#include "pages/edge/edge_record_log_page.h"

namespace {

using EdgeRemoteSearchTest = PageServerTest;

TEST_F(EdgeRemoteSearchTest, RemoteRowsEqualLocal) {
  ServerViewerContext context;
  Connect(context);
  CVantorEdgeRecordLogPage page;
  page.SetOwner(&context);
  page.Create();
  page.Controls().startPicker->UserSetTime(kLastDay - 12 * kHour);  // across two daily files
  page.Controls().endPicker->UserSetTime(kLastDay + 12 * kHour);
  ExpectRemoteRowsAreLocal(page, context, 3, {0, 2}, 6);
}

}  // namespace
