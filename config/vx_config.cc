#include "config/vx_config.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "config/initial_file.h"
#include "platform/paths.h"

const std::array<const char*, vx_config_::kWindowTitleCount> vx_config_::kWindowTitleKeys = {
    "MAIN_CONSOLE_WINDOW_TEXT", "PLAYBACK_WINDOW_TEXT",  "REMOTE_CONSOLE_WINDOW_TEXT",
    "BACKUP_WINDOW_TEXT",       "SETTINGS_WINDOW_TEXT", "VERIFY_TOOL_WINDOW_TEXT"};
const std::array<const char*, vx_config_::kWindowTitleCount> vx_config_::kDefaultWindowTitles = {
    "Vantor Main Console", "Vantor Playback", "Vantor Remote Console",
    "Vantor Backup",       "Vantor Settings", "Vantor Verify Tool"};

vx_config_::vx_config_() {
  for (size_t i = 0; i < kWindowTitleCount; ++i) windowTitles[i] = kDefaultWindowTitles[i];
}

namespace {

constexpr const char* kSection = "SETUP";

std::optional<vx_config_>& Instance() {
  static std::optional<vx_config_> instance;
  return instance;
}

}  // namespace

vx_config_ ReadVxConfig(const std::string& installRoot, platform::Env* env) {
  vx_config_ config;
  // The path has always lived in a 260-character buffer; a longer one is cut
  // there (and then names no file, so the defaults stay).
  char path[260];
  std::snprintf(path, sizeof path, "%s", platform::JoinPath(installRoot, "vx_config.ini").c_str());
  config.filePath = path;

  CInitialFile ini;
  if (!ini.Load(config.filePath, env)) return config;

  if (const std::string cardType = ini.GetValue(kSection, "CARD_TYPE"); !cardType.empty())
    config.cardType = std::atoi(cardType.c_str());
  // The vendor names follow the file even when it leaves them empty: an
  // installation without a vendor key reads "SOFTWARE\" plus an empty name.
  config.developerKey = ini.GetValue(kSection, "DEVELOPER_TYPE");
  config.resourceFolder = ini.GetValue(kSection, "RESOURCE_TYPE");
  config.appDataFolder = ini.GetValue(kSection, "APPDATA_TYPE");
  config.failoverKey = config.developerKey + "_FAILOVER";
  for (size_t i = 0; i < vx_config_::kWindowTitleCount; ++i) {
    std::string title = ini.GetValue(kSection, vx_config_::kWindowTitleKeys[i]);
    if (!title.empty()) config.windowTitles[i] = std::move(title);
  }
  return config;
}

const vx_config_& GetVxConfig() {
  auto& instance = Instance();
  if (!instance) instance = ReadVxConfig(platform::InstallFolder());
  return *instance;
}

const vx_config_& ReloadVxConfig(const std::string& installRoot) {
  Instance() = ReadVxConfig(installRoot);
  return *Instance();
}
