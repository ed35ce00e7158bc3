#include "tools/logview-demo/filter_files.h"

#include "tools/logview-demo/format.h"

namespace {

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else out += c;
  }
  return out;
}

const char* const kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";

}  // namespace

std::string CombinedCounterFilterXml(const DemoWorld& world) {
  std::string xml = std::string(kDeclaration) + "<CombinedCounterFilter>\r\n";
  for (const DemoCombinedCounter& c : world.combinedCounters)
    xml += Format("   <Counter>\r\n      <CounterID>%u</CounterID>\r\n", c.counterId) + "      <CounterName>" +
           Escaped(c.name) + "</CounterName>\r\n   </Counter>\r\n";
  return xml + "</CombinedCounterFilter>\r\n";
}

std::string IvsFilterXml(const DemoWorld& world) {
  std::string xml = std::string(kDeclaration) + "<IVS>\r\n";
  int index = 0;
  for (const DemoIvsServer& server : world.ivsServers) {
    xml += "   <Server>\r\n      <ServerName>" + Escaped(server.name) + "</ServerName>\r\n      <Devices>\r\n";
    for (const DemoIvsDevice& d : server.devices) {
      xml += Format("         <Device>\r\n            <DeviceID>%u</DeviceID>\r\n", d.ivsDeviceId);
      xml += "            <DeviceName>" + Escaped(d.name) + "</DeviceName>\r\n";
      xml += Format("            <CameraID>%u</CameraID>\r\n            <Index>%d</Index>\r\n         </Device>\r\n",
                    d.cameraId, index++);
    }
    xml += "      </Devices>\r\n   </Server>\r\n";
  }
  return xml + "</IVS>\r\n";
}
