#include "config/ivs_configuration.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "config/initial_file.h"
#include "config/vx_config.h"
#include "platform/paths.h"
#include "platform/registry.h"

namespace {

std::string Numbered(const char* format, size_t first, size_t second = 0) {
  char name[64];  // two numbers of up to 20 digits and the words
  std::snprintf(name, sizeof name, format, first, second);
  return name;
}

size_t SubKeyCount(const platform::RegistryKey& key) {
  size_t count = 0;
  std::string name;
  while (key.EnumSubKey(count, &name)) ++count;
  return count;
}

// A string value of at most 1024 bytes; "" when missing or of another type.
std::string QueryName(const platform::RegistryKey& key) {
  platform::RegValue value;
  if (key.QueryValue("Name", 1024, &value) != platform::kRegOk) return {};
  if (value.type != platform::REG_SZ && value.type != platform::REG_EXPAND_SZ) return {};
  return value.data.c_str();
}

}  // namespace

IVSConfiguration ReadIVSConfiguration(platform::Registry& registry, const std::string& vendorKey) {
  IVSConfiguration servers;
  const platform::RegistryKey ivs =
      registry.OpenKey("SOFTWARE").OpenSubKey(vendorKey).OpenSubKey("Vantor").OpenSubKey("IVS");
  uint32_t serverCount = 0;
  if (!ivs.IsOpen() || !ivs.QueryDword("IVSCount", &serverCount)) return servers;
  const size_t serversThere = std::min<size_t>(serverCount, SubKeyCount(ivs));
  for (size_t s = 0; s < serversThere; ++s) {
    const platform::RegistryKey server = ivs.OpenSubKey(Numbered("IVS%04zu", s));
    uint32_t deviceCount = 0;
    if (!server.IsOpen() || !server.QueryDword("DeviceCount", &deviceCount)) continue;
    std::vector<IVSConfigDevice>& devices = servers.emplace_back();
    const size_t devicesThere = std::min<size_t>(deviceCount, SubKeyCount(server));
    for (size_t d = 0; d < devicesThere; ++d) {
      const platform::RegistryKey key = server.OpenSubKey(Numbered("Device%04zu", d));
      IVSConfigDevice device;
      if (!key.IsOpen() || !key.QueryDword("IVSDeviceID", &device.ivsDeviceId)) continue;
      device.name = QueryName(key);
      devices.push_back(std::move(device));
    }
  }
  return servers;
}

IVSConfiguration ReadIVSConfigForBackup(const std::string& path) {
  IVSConfiguration servers;
  CInitialFile ini;
  if (!ini.Load(path)) return servers;
  // No count can go past the sections of the file.
  const auto sections = static_cast<long>(ini.Entries().size());
  const long serverCount = std::min(sections, std::atol(ini.GetValue("IVSConfigForBackup", "IVSCount").c_str()));
  for (long s = 0; s < serverCount; ++s) {
    const std::string server = Numbered("IVS%04zu", static_cast<size_t>(s));
    const std::string count = ini.GetValue(server, "DeviceCount");
    if (count.empty()) continue;
    std::vector<IVSConfigDevice>& devices = servers.emplace_back();
    const long deviceCount = std::min(sections, std::atol(count.c_str()));
    for (long d = 0; d < deviceCount; ++d) {
      const std::string section = Numbered("IVS%04zuDevice%04zu", static_cast<size_t>(s), static_cast<size_t>(d));
      const std::string id = ini.GetValue(section, "IVSDeviceID");
      if (id.empty()) continue;
      devices.push_back({static_cast<uint32_t>(std::strtoul(id.c_str(), nullptr, 10)), ini.GetValue(section, "Name")});
    }
  }
  return servers;
}

std::string IVSConfigForBackupText(const IVSConfiguration& servers) {
  // Appended piece by piece: g++ 12 warns (-Wrestrict) about "[" + a temporary.
  std::string text = "[IVSConfigForBackup]\r\nIVSCount=" + std::to_string(servers.size()) + "\r\n";
  for (size_t s = 0; s < servers.size(); ++s) {
    text += '[';
    text += Numbered("IVS%04zu", s);
    text += "]\r\nDeviceCount=" + std::to_string(servers[s].size()) + "\r\n";
    for (size_t d = 0; d < servers[s].size(); ++d) {
      text += '[';
      text += Numbered("IVS%04zuDevice%04zu", s, d);
      text += "]\r\nIVSDeviceID=" + std::to_string(servers[s][d].ivsDeviceId) + "\r\nName=" + servers[s][d].name +
              "\r\n";
    }
  }
  return text;
}

IVSConfiguration SharedIVSConfiguration() {
  static std::mutex lock;
  static IVSConfiguration shared;
  static bool read = false;
  const std::lock_guard<std::mutex> hold(lock);
  if (!read) {
    shared = ReadIVSConfiguration(platform::Registry::Machine(), GetVxConfig().GetDeveloperType());
    read = true;
  }
  return shared;
}

IVSConfiguration InstallationIVSConfiguration(const std::string& installFolder, bool backupCopy) {
  if (backupCopy) return ReadIVSConfigForBackup(platform::JoinPath(installFolder, kIVSConfigForBackupFile));
  return SharedIVSConfiguration();
}
