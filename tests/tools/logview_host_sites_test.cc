// The host's sites panel against two vxpp-servers of one installation and a
// port nobody listens on: each server's answer is listed, and the merged rows
// of the two that answered appear behind their "Server" column, in time order.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

#include "server_process.h"
#include "temp_folder.h"
#include "tests/tools/two_day_demo.h"
#include "tools/logview-host/sites_panel.h"

namespace {

TEST(LogviewHostSites, ListsEachServersAnswerAndTheirMergedRows) {
  EXPECT_EQ(JsonMemberOrder(R"({"Server": "a:1", "Desc\"ription": "x, \"y\": z", "state": 0})"),
            (QStringList{"Server", "Desc\"ription", "state"}));

  TempFolder folder;
  const std::string demo = folder.File("demo");
  ASSERT_EQ(WriteTwoDayDemo(demo), "");
  ServerProcess first(demo), second(demo);
  ASSERT_TRUE(first.Port() && second.Port());
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  int argc = 1;
  char name[] = "logview_host_sites_test";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);

  SitesPanel panel(demo, LOGVIEW_PATH, [] { return QString("2024-03-05"); }, nullptr);
  const QString one = QString("127.0.0.1:%1").arg(first.Port()), two = QString("127.0.0.1:%1").arg(second.Port());
  panel.SetSites(one + " admin:admin\n" + two + " admin:admin\n127.0.0.1:1 admin:admin\n");
  panel.SetKind("system");
  ASSERT_TRUE(panel.Search());
  EXPECT_FALSE(panel.Search()) << "one search at a time";
  QElapsedTimer clock;
  clock.start();
  while (panel.Running() && clock.elapsed() < 120000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
  ASSERT_FALSE(panel.Running());

  const QString answers = panel.Answers();
  EXPECT_TRUE(answers.contains("server: " + one + " ok ")) << answers.toStdString();
  EXPECT_TRUE(answers.contains("server: " + two + " ok ")) << answers.toStdString();
  EXPECT_TRUE(answers.contains("server: 127.0.0.1:1 failed: ")) << answers.toStdString();
  const QAbstractItemModel& rows = *panel.View()->model();
  ASSERT_GT(rows.rowCount(), 0);
  EXPECT_EQ(rows.rowCount() % 2, 0);
  EXPECT_EQ(rows.headerData(0, Qt::Horizontal).toString(), "Server");
  int fromFirst = 0;
  for (int row = 0; row < rows.rowCount(); ++row) {
    fromFirst += rows.index(row, 0).data().toString() == one;
    if (row > 0) {
      EXPECT_LE(rows.index(row - 1, 1).data().toString(), rows.index(row, 1).data().toString());
    }
  }
  EXPECT_EQ(fromFirst * 2, rows.rowCount());

  panel.resize(900, 500);
  if (const char* shot = getenv("LOGVIEW_SITES_SHOT")) panel.grab().save(shot);
}

}  // namespace
