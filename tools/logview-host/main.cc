// logview-host: a recording client's stand-in that embeds the log viewer in a
// Qt application (see docs/logview-host.md).  It reads the command line,
// points the viewer at the installation before the viewer's first call,
// installs the viewer's Qt front end and shows its window with the viewer, or, with
// --screenshots, photographs the viewer without a person.
#include <stdlib.h>

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <string>

#include "logview/logview_qt.h"
#include "logview_version.h"
#include "tools/logview-host/host_options.h"
#include "tools/logview-host/host_window.h"
#include "tools/logview-host/screenshot_run.h"
#include "tools/logview-host/viewer_driver.h"

namespace {

constexpr int kExitUsage = 64;

}  // namespace

int main(int argc, char** argv) {
  HostOptions options;
  std::string error;
  switch (ParseHostOptions(argc, argv, &options, &error)) {
    case HostParse::kHelp:
      std::fputs(HostUsage(), stdout);
      return 0;
    case HostParse::kVersion:
      std::printf("logview-host %s\n", LOGVIEW_VERSION);
      return 0;
    case HostParse::kUsageError:
      std::fprintf(stderr, "logview-host: %s\n", error.c_str());
      return kExitUsage;
    case HostParse::kRun:
      break;
  }
  // Read by the viewer on its first call.
  if (!options.install.empty()) setenv("LOGVIEW_INSTALL", options.install.c_str(), 1);
  if (!options.registry.empty()) setenv("LOGVIEW_REGISTRY", options.registry.c_str(), 1);
  // The screenshots need no screen.
  if (!options.screenshots.empty()) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const char* install = getenv("LOGVIEW_INSTALL");

  QApplication application(argc, argv);
  InstallLogViewerQtFrontEnd();
  HostWindow host(install != nullptr ? install : "");
  int status = 0;
  if (!options.screenshots.empty()) {
    status = RunScreenshots(host, options.install, options.screenshots, stdout, stderr);
  } else {
    host.show();
    // The viewer opens with the host, as a recording client opens it from its menu.
    QTimer::singleShot(0, &host, [&host] { host.ShowViewer(true); });
    status = application.exec();
  }
  return status;
}
