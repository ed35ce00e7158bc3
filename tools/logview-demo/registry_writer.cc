#include "tools/logview-demo/registry_writer.h"

#include <cstdio>

namespace {

std::string Numbered(const char* format, size_t n) {
  char name[32];
  std::snprintf(name, sizeof name, format, static_cast<int>(n));
  return name;
}

void EdgeEvents(RegFile& reg, const std::string& vantor, const DemoWorld& world) {
  reg.Key(vantor + "\\EventAction");
  const std::string edge = vantor + "\\EventAction\\EdgeEvent";
  reg.Key(edge);
  reg.Dword("EdgeEventCount", static_cast<uint32_t>(world.edgeEvents.size()));
  for (size_t i = 0; i < world.edgeEvents.size(); ++i) {
    const DemoEdgeEvent& e = world.edgeEvents[i];
    reg.Key(edge + "\\" + Numbered("EdgeEvent%04d", i));
    reg.Dword("EventType", static_cast<uint32_t>(e.eventType));
    reg.String("EdgeEventKey", e.key);
    reg.String("EdgeEventName", e.name);
    reg.String("EdgeEventDescription", e.description);
  }
}

void Ivs(RegFile& reg, const std::string& vantor, const DemoWorld& world) {
  const std::string ivs = vantor + "\\IVS";
  reg.Key(ivs);
  reg.Dword("IVSCount", static_cast<uint32_t>(world.ivsServers.size()));
  for (size_t s = 0; s < world.ivsServers.size(); ++s) {
    const DemoIvsServer& server = world.ivsServers[s];
    const std::string serverKey = ivs + "\\" + Numbered("IVS%04d", s);
    reg.Key(serverKey);
    reg.String("Name", server.name);
    reg.String("IP", server.address);
    reg.Dword("Port", static_cast<uint32_t>(server.port));
    reg.String("User", "ivsadmin");
    reg.Dword("DeviceCount", static_cast<uint32_t>(server.devices.size()));
    for (size_t d = 0; d < server.devices.size(); ++d) {
      const DemoIvsDevice& device = server.devices[d];
      reg.Key(serverKey + "\\" + Numbered("Device%04d", d));
      reg.Dword("IVSDeviceID", device.ivsDeviceId);
      reg.Dword("DeviceID", device.cameraId);
      reg.String("Name", device.name);
      reg.String("Engine", "Standard");
    }
  }
}

void Cameras(RegFile& reg, const std::string& vantor, const DemoWorld& world) {
  const std::string video = vantor + "\\Video";
  reg.Key(video);
  reg.Dword("ChannelCount", static_cast<uint32_t>(world.cameras.size()));
  // Sub-keys come alphabetically: the recorder's channels, then its display
  // settings (not a camera), then the network cameras.
  bool settingsWritten = false;
  for (const DemoCamera& camera : world.cameras) {
    if (!settingsWritten && camera.key > "Global") {
      reg.Key(video + "\\Global");
      reg.String("Layout", "4x4");
      reg.Dword("ShowCameraName", 1);
      settingsWritten = true;
    }
    reg.Key(video + "\\" + camera.key);
    reg.String("Name", camera.name);
    reg.Dword("DeviceID", camera.deviceId);
    reg.String("IP", camera.address);
    reg.Dword("Port", 80);
    reg.Dword("Enable", 1);
  }
}

}  // namespace

std::string RegistryFileContents(const DemoWorld& world, RegFile::Encoding encoding) {
  RegFile reg;
  reg.Key(kDemoVendorKey);
  reg.Dword("LangID", kDemoLangId);
  const std::string vantor = std::string(kDemoVendorKey) + "\\Vantor";
  reg.Key(vantor);
  reg.ExpandString("InstallFolder", "%ProgramFiles(x86)%\\VEXOIP\\Vantor");
  reg.String("Version", "3.2.0");
  EdgeEvents(reg, vantor, world);
  Ivs(reg, vantor, world);
  Cameras(reg, vantor, world);
  return reg.Render(encoding);
}
