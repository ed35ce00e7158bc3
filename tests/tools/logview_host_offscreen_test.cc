// logview-host end to end without a screen (Qt's offscreen platform): the
// screenshot run over every tab of a demo installation, the sort it asks
// for, an export through the save dialog as a person would fill it in, the
// timeline panel, and the executable's --help and --version.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <functional>
#include <set>

#include "logview/logview_qt.h"
#include "temp_folder.h"
#include "tests/tools/two_day_demo.h"
#include "tools/logview-host/host_window.h"
#include "tools/logview-host/screenshot_run.h"
#include "tools/logview-host/timeline_panel.h"
#include "tools/logview-host/viewer_driver.h"

namespace {

// A photograph of a window, not of nothing: big enough and of many colours.
void ExpectAWindow(const QString& path, int minWidth, int minHeight) {
  const QImage image(path);
  ASSERT_FALSE(image.isNull()) << path.toStdString();
  EXPECT_GE(image.width(), minWidth) << path.toStdString();
  EXPECT_GE(image.height(), minHeight) << path.toStdString();
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); y += 7)
    for (int x = 0; x < image.width(); x += 7) colours.insert(image.pixel(x, y));
  EXPECT_GT(colours.size(), 8u) << path.toStdString() << " looks blank";
}

// Fills in the save dialog when it opens, as a person would: types the path
// into the name box and accepts. (QFileDialog::selectFile leaves the box
// alone once it has the focus, which the offscreen platform may give it.)
void AnswerSaveDialogWith(const QString& path) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, path] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(nameBox, nullptr);
    nameBox->setText(path);
    static_cast<QDialog*>(dialog)->accept();
    poll->deleteLater();
  });
  poll->start(20);
}

std::string Output(const std::string& command) {
  std::string text;
  FILE* pipe = popen(command.c_str(), "r");
  for (int c; pipe != nullptr && (c = std::fgetc(pipe)) != EOF;) text += static_cast<char>(c);
  if (pipe != nullptr) pclose(pipe);
  return text;
}

TEST(LogviewHostOffscreen, PhotographsSearchedSortedTabsAndExportsThroughTheSaveDialog) {
  TempFolder folder;
  const std::string demo = folder.File("demo");
  ASSERT_EQ(WriteTwoDayDemo(demo), "");
  setenv("LOGVIEW_INSTALL", demo.c_str(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // The file dialog remembers its folders in the user's settings: not ours to change.
  setenv("XDG_CONFIG_HOME", folder.File("config").c_str(), 1);
  int argc = 1;
  char name[] = "logview_host_offscreen_test";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  InstallLogViewerQtFrontEnd();
  HostWindow host(demo);

  const std::string shots = folder.File("shots");
  FILE* out = std::tmpfile();
  ASSERT_EQ(RunScreenshots(host, demo, shots, out, stderr), 0);
  std::fclose(out);

  QDialog* window = ViewerDriver::FindViewerWindow(&host);
  ASSERT_NE(window, nullptr);
  ViewerDriver viewer(*window);
  const QStringList tabs = QDir(QString::fromStdString(shots)).entryList({"tab-*.png"});
  EXPECT_EQ(tabs.size(), viewer.TabCount());
  for (const QString& tab : tabs) ExpectAWindow(QString::fromStdString(shots) + "/" + tab, 600, 360);
  ExpectAWindow(QString::fromStdString(shots + "/host.png"), 600, 360);
  const QString panel = host.findChild<QPlainTextEdit*>()->toPlainText();
  EXPECT_TRUE(panel.contains("← can you play camera index")) << panel.toStdString();
  EXPECT_TRUE(panel.contains("← start playback: cameras") || panel.contains("← seek playback to 20"))
      << panel.toStdString();

  viewer.SelectTab(0);
  ASSERT_GT(viewer.RowCount(), 0) << "the busiest day was searched";
  EXPECT_EQ(window->findChild<QTableView*>()->horizontalHeader()->sortIndicatorSection(), 1);
  const std::string exported = folder.File("events.csv");
  AnswerSaveDialogWith(QString::fromStdString(exported));
  ASSERT_TRUE(viewer.Press("Export to..."));
  std::ifstream file(exported);
  std::string header, line;
  std::getline(file, header);
  EXPECT_EQ(header.rfind("Event Time,", 0), 0u) << header;
  int rows = 0;
  while (std::getline(file, line)) ++rows;
  EXPECT_EQ(rows, viewer.RowCount());

  // The timeline panel lists the day; opening an event there sends the host
  // the request opening it on its page sends.
  QTableView* timeline = host.Timeline()->View();
  ASSERT_NE(timeline, nullptr);
  ExpectAWindow(QString::fromStdString(shots + "/timeline.png"), 400, 200);
  const auto cell = [timeline](int row, int column) { return timeline->model()->index(row, column).data().toString(); };
  int eventRow = 0;
  while (eventRow < timeline->model()->rowCount() && cell(eventRow, 1) != "Unusual Event") ++eventRow;
  ASSERT_LT(eventRow, timeline->model()->rowCount());
  const auto playbackAfter = [&host](const std::function<void()>& open) {
    auto* messages = host.findChild<QPlainTextEdit*>();
    messages->clear();
    open();
    LetEventsRun();
    QString said;
    for (const QString& message : messages->toPlainText().split('\n'))
      if (message.contains("playback")) said += message.mid(9) + "\n";  // without the clock
    return said;
  };
  const QString fromTimeline = playbackAfter([&] { emit timeline->doubleClicked(timeline->model()->index(eventRow, 0)); });
  EXPECT_TRUE(fromTimeline.contains("← ")) << fromTimeline.toStdString();
  int tab = 0;
  while (tab < viewer.TabCount() && viewer.TabTitle(tab) != "Unusual Event") ++tab;
  viewer.SelectTab(tab);
  int pageRow = 0;
  const auto details = [&viewer](int row) {
    QStringList parts;
    const char* const titles[] = {"Event Type", "Camera", "Description"};
    for (int column = 1; column <= 3; ++column)
      if (!viewer.CellText(row, column).isEmpty()) parts << titles[column - 1] + QString(": ") + viewer.CellText(row, column);
    return parts.join("; ");
  };
  while (pageRow < viewer.RowCount() &&
         (viewer.CellText(pageRow, 0) != cell(eventRow, 0) || details(pageRow) != cell(eventRow, 2)))
    ++pageRow;
  ASSERT_LT(pageRow, viewer.RowCount()) << cell(eventRow, 2).toStdString();
  EXPECT_EQ(playbackAfter([&] { viewer.OpenRow(pageRow); }), fromTimeline);

  EXPECT_EQ(Output(LOGVIEW_HOST_PATH " --version"), "logview-host " LOGVIEW_VERSION "\n");
  EXPECT_NE(Output(LOGVIEW_HOST_PATH " --help").find("--screenshots OUT"), std::string::npos);
}

}  // namespace
