#include "tools/logview-host/screenshot_run.h"

#include <QBuffer>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QTableView>
#include <optional>

#include "platform/env.h"
#include "tools/logview-host/busiest_day.h"
#include "tools/logview-host/host_window.h"
#include "tools/logview-host/timeline_panel.h"
#include "tools/logview-host/viewer_driver.h"

namespace {

constexpr int kExitFailed = 2;
// The column sorted on each tab: the second, the kind of entry on the log pages.
constexpr int kSortColumn = 1;

// "Unusual Events" -> "unusual-events": a file name from a tab title.
std::string Slug(const QString& title) {
  std::string slug;
  for (const QChar c : title.toLower()) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
      slug += c.toLatin1();
    else if (!slug.empty() && slug.back() != '-')
      slug += '-';
  }
  while (!slug.empty() && slug.back() == '-') slug.pop_back();
  return slug;
}

class Run {
 public:
  Run(const std::string& folder, FILE* out, FILE* err) : m_folder(folder), m_out(out), m_err(err) {}

  int Main(HostWindow& host, const std::string& installFolder) {
    const std::optional<HostDay> busiest = BusiestDay(installFolder);
    if (!busiest) return Fail("no daily event database in " + installFolder + "/db/EventLog");
    if (!QDir().mkpath(QString::fromStdString(m_folder))) return Fail("cannot make the folder " + m_folder);
    const QDate day(busiest->year, busiest->month, busiest->day);

    host.CheckEveryPage();
    host.SetDay(day);
    host.show();
    host.ShowViewer(true);
    // The day and every camera are the host's: events of the day are playable.
    host.SearchDay();
    LetEventsRun();
    QDialog* window = ViewerDriver::FindViewerWindow(&host);
    if (window == nullptr)
      Fail("the viewer's window did not show");
    else
      PhotographTabs(ViewerDriver(*window), day);
    LetEventsRun();
    Step(host.ShowTimeline(), "the timeline of the day could not be listed");
    LetEventsRun();
    const QTableView* timeline = host.Timeline()->View();
    Save(host.Timeline()->grab().toImage(), "timeline", timeline ? timeline->model()->rowCount() : 0);
    Save(host.grab().toImage(), "host", -1);
    return m_failed ? kExitFailed : 0;
  }

 private:
  void PhotographTabs(ViewerDriver viewer, const QDate& day) {
    if (viewer.TabCount() == 0) Fail("the viewer shows no tab");
    for (int tab = 0; tab < viewer.TabCount(); ++tab) {
      const std::string name = "tab-" + std::to_string(tab + 1) + "-" + Slug(viewer.TabTitle(tab));
      viewer.SelectTab(tab);
      Step(viewer.SetDay(day), name + ": no day picker to set");
      Step(viewer.Press("Search"), name + ": no Search button");
      // A diagram's tab has a picture instead of a list: nothing to sort.
      if (viewer.RowCount() >= 0) Step(viewer.ClickHeader(kSortColumn), name + ": the list could not be sorted");
      if (viewer.RowCount() > 0) viewer.OpenRow(0);
      Save(viewer.Grab(), name, viewer.RowCount());
    }
  }

  int Fail(const std::string& why) {
    std::fprintf(m_err, "logview-host: %s\n", why.c_str());
    m_failed = true;
    return kExitFailed;
  }

  void Step(bool worked, const std::string& why) {
    if (!worked) Fail(why);
  }

  void Save(const QImage& image, const std::string& name, int rows) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    const std::string path = m_folder + "/" + name + ".png";
    std::string error;
    if (image.isNull() || !image.save(&buffer, "PNG")) {
      Fail(path + ": the window could not be photographed");
    } else if (!platform::WriteStringToFile(platform::Env::Default(), std::string_view(png.constData(), png.size()),
                                            path, &error)) {
      Fail(error);
    } else {
      const std::string rowText = rows < 0 ? "" : ", " + std::to_string(rows) + " rows";
      std::fprintf(m_out, "%s: %dx%d%s\n", path.c_str(), image.width(), image.height(), rowText.c_str());
    }
  }

  const std::string m_folder;
  FILE* const m_out;
  FILE* const m_err;
  bool m_failed = false;
};

}  // namespace

int RunScreenshots(HostWindow& host, const std::string& installFolder, const std::string& folder, FILE* out,
                   FILE* err) {
  return Run(folder, out, err).Main(host, installFolder);
}
