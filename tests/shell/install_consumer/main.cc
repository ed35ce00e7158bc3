// A minimal host: shows the modeless viewer hidden, hands it a day and a
// camera, switches kinds of event, and asks it to pre-translate a message.
#include <logview/logview.h>

#include <cstdio>

namespace {

class HostWindow : public CWnd {
 protected:
  platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                               platform::LPARAM lParam) override {
    std::printf("host message %u %lu %ld\n", message, static_cast<unsigned long>(wParam),
                static_cast<long>(lParam));
    return 0;
  }
};

}  // namespace

int main() {
  HostWindow host;
  CUserAccount user("chief");
  ShowLogViewerDlg(&host, 1, 1, 1, 1, 1, 1, 1, 1, 0, 5160, CStringA(), 0, {EPOS_Setting{}}, &user,
                   4, 1, 0, 1, 0);
  const CDateTime day = CDateTime::FromFields(2024, 1, 31);
  VxBitset<128> cameras;
  cameras.set(0);
  SetLogDateTimeAndSearch(day, day + CDateTime::kTicksPerDay - CDateTime::kTicksPerSecond, cameras);
  SetCameras(cameras);
  EventLogStatus events;
  events.recurrent = 0;
  EnableEventLog(events);
  EnableSystemLog(SystemLogStatus{});
  SetRemoteMode(false);
  ResetLogViewerInstance();
  ResetLogViewerLanguage(9, "lang/");
  MSG msg{&host, 0x0100, 9, 0};
  return FilterDllMsg(&msg) == 0 ? 0 : 1;
}
