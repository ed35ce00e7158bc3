#include "config/pos_settings_ini.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "vocabulary/epos_setting_fields.h"

namespace {

// Section names that hold entries, in the order the file first names them.
std::vector<std::string> SourceSections(const CInitialFile& file) {
  std::vector<std::string> sections;
  for (const CInitialFile::Entry& entry : file.Entries()) {
    if (entry.comment || entry.section.empty()) continue;
    if (std::find(sections.begin(), sections.end(), entry.section) == sections.end())
      sections.push_back(entry.section);
  }
  return sections;
}

EPOS_Setting SourceFrom(const CInitialFile& file, const std::string& section) {
  EPOS_Setting setting;
  ForEachPosSettingField(setting, [&](const char* name, auto& field) {
    const std::string value = file.GetValue(section, name);
    if (!value.empty()) SetPosSettingField(field, value);
  });
  for (int i = 0;; ++i) {
    const std::string value = file.GetValue(section, "Association" + std::to_string(i));
    EPOS_Association a;
    if (std::sscanf(value.c_str(), "%d,%d,%d,%d,%d,%d", &a.CameraId, &a.bUseDefault, &a.Left, &a.Top, &a.Right,
                    &a.Bottom) != 6)
      break;
    setting.associations.push_back(a);
  }
  return setting;
}

}  // namespace

std::vector<EPOS_Setting> PosSettingsFromIni(const CInitialFile& file) {
  std::vector<EPOS_Setting> settings;
  for (const std::string& section : SourceSections(file)) settings.push_back(SourceFrom(file, section));
  return settings;
}
