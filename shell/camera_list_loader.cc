#include "shell/camera_list_loader.h"

#include <cstdio>

#include "config/vx_config.h"
#include "platform/registry.h"

namespace {

constexpr size_t kMaxCameraNameBytes = 1024;

bool IsCameraKeyName(const std::string& name) { return name.starts_with("Ch") || name.starts_with("IP"); }

// The text of a string value; values of other types, or too long, name no one.
std::string CameraName(const platform::RegistryKey& camera) {
  platform::RegValue value;
  if (camera.QueryValue("Name", kMaxCameraNameBytes, &value) != platform::kRegOk) return {};
  if (value.type != platform::REG_SZ && value.type != platform::REG_EXPAND_SZ) return {};
  return std::string(value.data.c_str());  // up to the terminating zero
}

void BuildGenericList(int cameraCount, CameraList& list) {
  list.names.clear();
  list.ids.clear();
  for (int k = 1; k <= cameraCount; ++k) {
    char name[64];
    std::snprintf(name, sizeof name, "%s %d", "Camera", k);
    list.names.emplace_back(name);
    list.ids.push_back(static_cast<uint32_t>(k - 1));
  }
}

void ReadRegistryList(int cameraCount, CameraList& list) {
  // Another program may have rewritten the file since this process read it.
  platform::Registry::Machine().Refresh();
  const platform::RegistryKey video = platform::Registry::Machine()
                                          .OpenKey("SOFTWARE")
                                          .OpenSubKey(GetVxConfig().GetDeveloperType())
                                          .OpenSubKey("Vantor")
                                          .OpenSubKey("Video");
  if (!video.IsOpen()) return;
  list.names.clear();
  list.ids.clear();
  std::string keyName;
  for (size_t index = 0; video.EnumSubKey(index, &keyName); ++index) {
    if (!IsCameraKeyName(keyName)) continue;
    const platform::RegistryKey camera = video.OpenSubKey(keyName);
    if (!camera.IsOpen()) continue;
    uint32_t id = 0;
    if (!camera.QueryDword("DeviceID", &id)) id = 0;
    list.names.push_back(CameraName(camera));
    list.ids.push_back(id);
  }
  if (list.names.empty()) BuildGenericList(cameraCount, list);
}

}  // namespace

void CCameraListLoader::Load(const ViewerSettings& settings, CameraList& list) {
  if (settings.remoteCameraList)
    RequestFromServer(settings, list);
  else if (settings.genericCameraNames)
    BuildGenericList(settings.cameraCount, list);
  else
    ReadRegistryList(settings.cameraCount, list);
}

void CCameraListLoader::RequestFromServer(const ViewerSettings& settings, CameraList& list) {
  // Whatever the answer, nothing else is tried: a failed request leaves the
  // lists as the client left them.
  if (!m_client) m_client = m_makeClient();
  m_client->SetPort(static_cast<uint32_t>(settings.serverPort));
  char url[1100];
  std::snprintf(url, sizeof url, "vxpp://%s/", settings.serverAddress.c_str());
  m_client->GetCamInfo(url, settings.userSessionNo, list.names, list.ids);
}
