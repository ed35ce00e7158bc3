// The POS and metadata sources of an installation, as vxpp-server answers
// QUERYPOSSETTING, read from "vxpp-pos.ini" (the format of
// config/pos_settings_ini.h).  No file: no sources.
#pragma once

#include <string>
#include <vector>

#include "vocabulary/epos_setting.h"

namespace vxpp_server {

constexpr const char* kPosSettingsFile = "vxpp-pos.ini";

std::vector<EPOS_Setting> ReadPosSettingsFile(const std::string& installFolder);

// The header lines of one source as the answer carries them, with
// "Association-Count:", and of one association.
std::string PosSettingLines(const EPOS_Setting& setting);
std::string AssociationLines(const EPOS_Association& association);

}  // namespace vxpp_server
