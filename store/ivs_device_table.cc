#include "store/ivs_device_table.h"

#include "platform/paths.h"
#include "xml/xml_util.h"

IVSDeviceTable ReadIVSDeviceTable(const std::string& installFolder) {
  CXmlUtil xml;
  if (xml.Load(platform::JoinPath(installFolder, kIvsFilterFile)) != kXmlStatusOk) return {};
  IVSDeviceTable table;
  for (const XmlElement* server = xml.Root()->ChildAt(0); server != nullptr; server = server->NextSibling()) {
    std::string serverName;
    const XmlElement* devices = server->Child("Devices");
    if (GetChildStringValue(server, "ServerName", serverName) != kXmlStatusOk || devices == nullptr) return {};
    auto& entries = table[serverName];
    for (const XmlElement* device = devices->ChildAt(0); device != nullptr; device = device->NextSibling()) {
      IVSDeviceInfo info;
      uint32_t index = 0;
      if (GetChildUIntValue(device, "DeviceID", info.DeviceID) != kXmlStatusOk ||
          GetChildStringValue(device, "DeviceName", info.DeviceName) != kXmlStatusOk ||
          GetChildUIntValue(device, "CameraID", info.CameraID) != kXmlStatusOk ||
          GetChildUIntValue(device, "Index", index) != kXmlStatusOk)
        return {};
      info.Index = static_cast<int32_t>(index);
      entries.emplace(info.DeviceID, info);
    }
  }
  return table;
}

IVSDeviceTable RemoteIVSDeviceTable(const std::vector<uint32_t>& ivsDeviceIds,
                                    const std::vector<std::string>& deviceNames,
                                    const std::vector<uint32_t>& cameraIds) {
  IVSDeviceTable table;
  auto& entries = table[kRemoteIvsServer];
  for (size_t i = 0; i < ivsDeviceIds.size(); ++i) {
    IVSDeviceInfo info;
    info.DeviceID = ivsDeviceIds[i];
    info.DeviceName = i < deviceNames.size() ? deviceNames[i] : std::string();
    info.CameraID = i < cameraIds.size() ? cameraIds[i] : 0;
    info.Index = static_cast<int32_t>(i);
    entries.emplace(info.DeviceID, info);
  }
  return table;
}
