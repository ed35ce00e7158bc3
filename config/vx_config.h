// vx_config_: the vendor names the viewer does not build in (registry key,
// per-user folder, resource folder) and a few values it only carries, with
// built-in defaults overridden by "vx_config.ini" in section "SETUP" of the
// installation root.  The system calls this structure __vx_config; a name
// with two leading underscores is reserved to the compiler, hence the
// trailing one here.
//
// One instance per library load, made and read on first use.  Like the rest of
// the viewer it is used from the host's user-interface thread only.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/env.h"

struct vx_config_ {
  static constexpr size_t kWindowTitleCount = 6;
  // Keys of the window titles, in field order, and their built-in values.
  static const std::array<const char*, kWindowTitleCount> kWindowTitleKeys;
  static const std::array<const char*, kWindowTitleCount> kDefaultWindowTitles;

  vx_config_();

  const std::string& GetDeveloperType() const { return developerKey; }
  const std::string& GetAppDataType() const { return appDataFolder; }
  const std::string& GetResourceType() const { return resourceFolder; }

  int32_t cardType = 0;                                   // "CARD_TYPE", carried
  std::array<std::string, kWindowTitleCount> windowTitles;  // carried, not used
  std::string developerKey = "VEXOIP";             // vendor key under "SOFTWARE"
  std::string failoverKey = "VEXOIP_FAILOVER";     // developer key + "_FAILOVER"
  std::string resourceFolder = "KTPres";           // language pack fallback path
  std::string appDataFolder = "VEXO";              // vendor folder of per-user data
  std::string filePath;                            // where it was read from
};

// The instance of this library load; the first call reads "vx_config.ini"
// from platform::InstallFolder().
const vx_config_& GetVxConfig();

// Reads the configuration again from `installRoot` and makes it the instance
// (hosts and tests that set the viewer up on a folder of their choosing).
// References from GetVxConfig() stay valid and see the new values.
const vx_config_& ReloadVxConfig(const std::string& installRoot);

// The configuration of the installation at `installRoot`: the defaults, with
// the file's values when it can be read.
vx_config_ ReadVxConfig(const std::string& installRoot,
                         platform::Env* env = platform::Env::Default());
