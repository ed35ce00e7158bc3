// The metadata page searching vxpp-server lists the rows it lists reading
// the same installation.
#include "config/initial_file.h"
#include "config/pos_settings_ini.h"
#include "pages/common/page_server_test.h"
#include "pages/pos/vantor_pos_log_page.h"

namespace {

using PosRemoteSearchTest = PageServerTest;

TEST_F(PosRemoteSearchTest, RemoteRowsEqualLocal) {
  ServerViewerContext context;
  Connect(context);
  CInitialFile sources;
  ASSERT_TRUE(sources.Load(s_site + "/vxpp-pos.ini"));
  context.posSettings = PosSettingsFromIni(sources);
  CVantorPosLogPage page;
  page.SetOwner(&context);
  page.Create();
  page.Controls().startPicker->UserSetTime(kLastDay - 12 * kHour);  // across two daily files
  page.Controls().endPicker->UserSetTime(kLastDay + 12 * kHour);
  ASSERT_GT(page.Controls().secondSelector->GetCount(), 2);
  ExpectRemoteRowsAreLocal(page, context, 5, {0, 2}, 21);
}

}  // namespace
