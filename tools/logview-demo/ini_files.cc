#include "tools/logview-demo/ini_files.h"

#include "tools/logview-demo/format.h"

std::string VxConfigIni() {
  return "[SETUP]\r\n"
         "CARD_TYPE=0\r\n"
         "DEVELOPER_TYPE=VEXOIP\r\n"
         "RESOURCE_TYPE=KTPres\r\n"
         "APPDATA_TYPE=VEXO\r\n"
         "CONSOLE_WINDOW_TEXT=Vantor Console\r\n"
         "PLAYBACK_WINDOW_TEXT=Vantor Playback\r\n"
         "LIVE_WINDOW_TEXT=Vantor Live View\r\n"
         "EMAP_WINDOW_TEXT=Vantor E-Map\r\n"
         "COUNTING_WINDOW_TEXT=Vantor Counting Application\r\n"
         "WARDIX_WINDOW_TEXT=Wardix\r\n";
}

std::string FileRecordIni(BackupMarker marker) {
  std::string text = marker == BackupMarker::kBackup       ? "##Backup##\r\n"
                     : marker == BackupMarker::kAutoBackup ? "##AutoBackup##\r\n"
                                                           : "";
  return text + "[FileRecord]\r\nVersion=2\r\nRecordFolder=db\r\n";
}

std::string SupportedEdgeEventIni(const DemoWorld& world) {
  std::string text = Format("[SupportedEdgeEvent]\r\nEdgeEventCount=%zu\r\n", world.edgeEvents.size());
  for (size_t i = 0; i < world.edgeEvents.size(); ++i) {
    const DemoEdgeEvent& e = world.edgeEvents[i];
    text += Format("\r\n[EdgeEvent%04zu]\r\nEventType=%d\r\n", i, e.eventType);
    text += "EdgeEventKey=" + e.key + "\r\nEdgeEventName=" + e.name + "\r\nEdgeEventDescription=" +
            e.description + "\r\n";
  }
  return text;
}

std::string IvsConfigForBackupIni(const DemoWorld& world) {
  std::string text = Format("[IVSConfigForBackup]\r\nIVSCount=%zu\r\n", world.ivsServers.size());
  for (size_t s = 0; s < world.ivsServers.size(); ++s) {
    const DemoIvsServer& server = world.ivsServers[s];
    text += Format("\r\n[IVS%04zu]\r\nName=%s\r\nIP=%s\r\nPort=%d\r\nDeviceCount=%zu\r\n", s, server.name.c_str(),
                   server.address.c_str(), server.port, server.devices.size());
    for (size_t d = 0; d < server.devices.size(); ++d) {
      const DemoIvsDevice& device = server.devices[d];
      text += Format("\r\n[IVS%04zuDevice%04zu]\r\nIVSDeviceID=%u\r\nDeviceID=%u\r\nName=%s\r\n", s, d,
                     device.ivsDeviceId, device.cameraId, device.name.c_str());
    }
  }
  return text;
}
