#include "tools/vxpp-server/pos_settings_file.h"

#include "config/initial_file.h"
#include "config/pos_settings_ini.h"
#include "platform/paths.h"
#include "vocabulary/epos_setting_fields.h"

namespace vxpp_server {
namespace {

// Appends "Name: value\r\n" for each field visited.
auto LineWriter(std::string& lines) {
  return [&lines](const char* name, const auto& field) {
    lines += std::string(name) + ": " + PosSettingFieldText(field) + "\r\n";
  };
}

}  // namespace

std::vector<EPOS_Setting> ReadPosSettingsFile(const std::string& installFolder) {
  CInitialFile file;
  if (!file.Load(platform::JoinPath(installFolder, kPosSettingsFile))) return {};
  return PosSettingsFromIni(file);
}

std::string PosSettingLines(const EPOS_Setting& setting) {
  std::string lines;
  ForEachPosSettingField(setting, LineWriter(lines));
  return lines + "Association-Count: " + std::to_string(setting.associations.size()) + "\r\n";
}

std::string AssociationLines(const EPOS_Association& association) {
  std::string lines;
  ForEachAssociationField(association, LineWriter(lines));
  return lines;
}

}  // namespace vxpp_server
