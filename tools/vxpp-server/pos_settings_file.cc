#include "tools/vxpp-server/pos_settings_file.h"

#include <cstdio>
#include <cstdlib>

#include "config/initial_file.h"
#include "platform/paths.h"

namespace vxpp_server {
namespace {

// The fields by name: texts and 32-bit numbers.
template <typename Visit>
void ForEachField(EPOS_Setting& s, Visit visit) {
  visit("Status", s.Status);
  visit("Name", s.Name);
  visit("IP", s.IP);
  visit("Port", s.Port);
  visit("bActive", s.bActive);
  visit("bShowOSD", s.bShowOSD);
  visit("DisplayTimeout", s.DisplayTimeout);
  visit("bDisplayTimeout", s.bDisplayTimeout);
  visit("bRecord", s.bRecord);
  visit("ScrollDelayTime", s.ScrollDelayTime);
  visit("TagFilterName", s.TagFilterName);
  visit("SerialBoxType", s.SerialBoxType);
  visit("Baudrate", s.Baudrate);
  visit("DataBits", s.DataBits);
  visit("Parity", s.Parity);
  visit("StopBits", s.StopBits);
  visit("DataSourceType", s.DataSourceType);
  visit("FlowControl", s.FlowControl);
  visit("FIFOStatus", s.FIFOStatus);
  visit("MetaSourceID", s.MetaSourceID);
  visit("MetaChannelID", s.MetaChannelID);
  visit("SourceName", s.SourceName);
  visit("MetaSourceType", s.MetaSourceType);
}

void Assign(std::string& field, const std::string& text) { field = text; }
void Assign(int32_t& field, const std::string& text) {
  field = static_cast<int32_t>(static_cast<uint32_t>(std::strtoll(text.c_str(), nullptr, 10)));
}
std::string Text(const std::string& field) { return field; }
std::string Text(int32_t field) { return std::to_string(field); }

}  // namespace

std::vector<EPOS_Setting> ReadPosSettingsFile(const std::string& installFolder) {
  CInitialFile file;
  std::vector<EPOS_Setting> settings;
  if (!file.Load(platform::JoinPath(installFolder, kPosSettingsFile))) return settings;
  std::vector<std::string> sections;
  for (const auto& entry : file.Entries())
    if (!entry.comment && !entry.section.empty() && (sections.empty() || sections.back() != entry.section))
      sections.push_back(entry.section);
  for (const std::string& section : sections) {
    EPOS_Setting setting;
    const std::string posId = file.GetValue(section, "PosId");
    if (!posId.empty()) setting.PosId = static_cast<uint32_t>(std::strtoul(posId.c_str(), nullptr, 10));
    ForEachField(setting, [&](const char* name, auto& field) {
      const std::string value = file.GetValue(section, name);
      if (!value.empty()) Assign(field, value);
    });
    for (int i = 0;; ++i) {
      const std::string value = file.GetValue(section, "Association" + std::to_string(i));
      EPOS_Association a;
      if (value.empty() || std::sscanf(value.c_str(), "%d,%d,%d,%d,%d,%d", &a.CameraId, &a.bUseDefault, &a.Left,
                                       &a.Top, &a.Right, &a.Bottom) != 6)
        break;
      setting.associations.push_back(a);
    }
    settings.push_back(std::move(setting));
  }
  return settings;
}

std::string PosSettingLines(const EPOS_Setting& setting) {
  std::string lines = "PosId: " + std::to_string(setting.PosId) + "\r\n";
  EPOS_Setting copy = setting;
  ForEachField(copy, [&](const char* name, auto& field) { lines += std::string(name) + ": " + Text(field) + "\r\n"; });
  return lines + "Association-Count: " + std::to_string(setting.associations.size()) + "\r\n";
}

std::string AssociationLines(const EPOS_Association& a) {
  char lines[192];
  std::snprintf(lines, sizeof lines, "CameraId: %d\r\nbUseDefault: %d\r\nTop: %d\r\nBottom: %d\r\nLeft: %d\r\nRight: %d\r\n",
                a.CameraId, a.bUseDefault, a.Top, a.Bottom, a.Left, a.Right);
  return lines;
}

}  // namespace vxpp_server
