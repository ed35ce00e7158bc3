#include "tools/vxpp-server/registry_cameras.h"

#include "config/vx_config.h"
#include "platform/paths.h"
#include "platform/registry.h"

namespace vxpp_server {
namespace {

constexpr size_t kMaxNameBytes = 1024;

std::string CameraName(const platform::RegistryKey& key) {
  platform::RegValue value;
  if (key.QueryValue("Name", kMaxNameBytes, &value) != platform::kRegOk ||
      (value.type != platform::REG_SZ && value.type != platform::REG_EXPAND_SZ))
    return {};
  // The text ends at its terminating zero.
  return value.data.substr(0, value.data.find('\0'));
}

}  // namespace

std::vector<RegistryCamera> ReadRegistryCameras(const std::string& installFolder) {
  platform::Registry registry(platform::JoinPath(installFolder, "registry.reg"));
  const std::string vendor = ReadVxConfig(installFolder).GetDeveloperType();
  const platform::RegistryKey video = registry.OpenKey("SOFTWARE\\" + vendor + "\\Vantor\\Video");
  std::vector<RegistryCamera> cameras;
  if (!video.IsOpen()) return cameras;
  std::string name;
  for (size_t i = 0; video.EnumSubKey(i, &name); ++i) {
    if (name.rfind("Ch", 0) != 0 && name.rfind("IP", 0) != 0) continue;
    const platform::RegistryKey camera = video.OpenSubKey(name);
    if (!camera.IsOpen()) continue;
    RegistryCamera entry;
    entry.name = CameraName(camera);
    camera.QueryDword("DeviceID", &entry.id);
    cameras.push_back(std::move(entry));
  }
  return cameras;
}

}  // namespace vxpp_server
