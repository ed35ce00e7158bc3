// An example host.  The viewer starts on the first call below: it reads the
// installation's "vx_config.ini" and the registry's "LangID"
// ($LOGVIEW_INSTALL and $LOGVIEW_REGISTRY choose them).  The host then shows
// the modeless viewer, hands it a day and a camera, switches kinds of event
// and system log entry, closes nothing and exits; every call is printed.
#include <logview/logview.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The host's main window: it receives the viewer's messages.
class HostWindow : public platform::CWnd {
 protected:
  platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                               platform::LPARAM lParam) override {
    std::printf("host: message %u (wParam %lu, lParam %ld)\n", message,
                static_cast<unsigned long>(wParam), static_cast<long>(lParam));
    return 0;
  }
};

void Step(const char* what) { std::printf("host: %s\n", what); }

}  // namespace

int main() {
  HostWindow host;
  CUserAccount user("chief");
  Step("ShowLogViewerDlg: modeless, hidden, every page, 4 generic cameras");
  ShowLogViewerDlg(&host, 1, 1, 1, 1, 1, 1, 1, 1, /*remoteCameraList=*/0, 5160, CStringA(),
                   /*userSessionNo=*/0, {EPOS_Setting{}}, &user, /*cameraCount=*/4,
                   /*modeless=*/1, /*show=*/0, /*genericCameraNames=*/1, /*nvrMode=*/0);
  Step("ShowLogViewerDlg: modeless, shown, event and system log pages, cameras from the registry");
  ShowLogViewerDlg(&host, 1, 1, 0, 0, 0, 0, 0, 0, 0, 5160, CStringA(), 0, {}, &user, 4, 1, 1, 0,
                   0);

  const CDateTime day = CDateTime::FromFields(2024, 1, 31);
  const CDateTime dayEnd = day + CDateTime::kTicksPerDay - CDateTime::kTicksPerSecond;
  VxBitset<128> cameras;
  cameras.set(0);
  std::printf("host: SetLogDateTimeAndSearch %s .. %s, camera 1\n", day.FormatListCell().c_str(),
              dayEnd.FormatListCell().c_str());
  SetLogDateTimeAndSearch(day, dayEnd, cameras);
  Step("SetCameras: cameras 1 and 2");
  cameras.set(1);
  SetCameras(cameras);

  Step("EnableEventLog: no recurrent events; EnableSystemLog: everything; remote mode on");
  EventLogStatus events;
  events.recurrent = 0;
  EnableEventLog(events);
  EnableSystemLog(SystemLogStatus{});
  SetRemoteMode(true);

  Step("ResetLogViewerLanguage 9; ResetLogViewerInstance");
  ResetLogViewerLanguage(9, "lang/");
  ResetLogViewerInstance();

  platform::MSG msg{&host, 0x0100, 9, 0};
  const int consumed = FilterDllMsg(&msg);
  std::printf("host: FilterDllMsg of a key press: %s\n", consumed ? "consumed" : "left to the host");
  return consumed == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
