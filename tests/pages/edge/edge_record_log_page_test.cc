#include "pages/edge/edge_record_log_page.h"

#include <gtest/gtest.h>

#include "pages/common/local_page_test.h"
#include "store/store_fixture.h"
#include "vocabulary/user_account.h"

namespace {

using page_test::Lines;

class EdgePageTest : public LocalPageTest<CVantorEdgeRecordLogPage> {
 protected:
  EdgePageTest() {
    context.cameraNames = {"Gate", "Hall", "Yard"};
    context.cameraIds = {11, 12, 13};
    // (minute after 09:00, camera id, step, description)
    store_test::WriteDatabase(
        m_folder.Write("db/EventLog/EventLog_20240131.db", ""),
        "CREATE TABLE EdgeRecordLog (Id INTEGER PRIMARY KEY, LogTime INTEGER, CameraId INTEGER, LogType INTEGER, "
        "Description TEXT); CREATE TABLE R(m, c, t, d); INSERT INTO R VALUES (0, 12, 3, 'check'), (1, 99, 0, "
        "'gone'), (2, 11, 4, 'fail'), (3, 12, 9, 'odd');"
        "INSERT INTO EdgeRecordLog (LogTime, CameraId, LogType, Description) "
        "SELECT 20240131090000 + m * 100, c, t, d FROM R;");
  }
};

TEST_F(EdgePageTest, LocalSearchNamesStepsAndCameras) {
  CUserAccount clerk("clerk");
  clerk.SetCameraRights(11, 0);
  context.settings.userAccount = &clerk;
  Create();
  CComboBoxModel& types = *Controls().typeSelector;
  ASSERT_EQ(types.GetCount(), 8);
  EXPECT_EQ(types.GetLBText(1), "Check Edge Video");  // alphabetical below "All"
  EXPECT_EQ(Controls().secondSelector->GetLBText(2), "[02] Hall");
  EXPECT_EQ(Search(), (Lines{"2024/01/31 09:00:00|Check Edge Video|02|check#2",
                             "2024/01/31 09:01:00|Start Retrieve|[Deleted]|gone#2",  // not in the list
                             "2024/01/31 09:03:00||02|odd#2"}));                       // no such step
  Controls().list->ClickHeader(1);
  Controls().list->ClickHeader(1);  // the largest step first
  EXPECT_EQ(Controls().list->GetItemText(0, 3), "odd");

  Controls().secondSelector->UserSelect(2);
  EXPECT_EQ(Search().size(), 2u);
  // Generic names: no rights, and the chosen channel's records take its position.
  context.settings.genericCameraNames = 1;
  context.cameraIds = {10, 11, 12};
  page.OnCameraListLoaded();
  Controls().secondSelector->UserSelect(2);
  EXPECT_EQ(Search(), (Lines{"2024/01/31 09:02:00|Query Edge Video Fail|02|fail#2"}));
}

}  // namespace
