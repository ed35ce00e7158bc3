#include "lang/log_view_language.h"

#include "config/vx_config.h"
#include "lang/vx_lang.h"
#include "lang/vx_lang_def.h"
#include "platform/paths.h"
#include "platform/ui_language.h"

namespace {
constexpr const char* kModuleName = "LogView";
}  // namespace

std::string LanguageFallbackFolder() {
  const vx_config_& config = GetVxConfig();
  return platform::JoinPath(platform::AppDataFolder(),
                            config.GetAppDataType() + "/" + config.GetResourceType() + "/langs/");
}

bool LoadLogViewLanguage(unsigned langId, const char* folder) {
  CVxLangDef& table = CVxLangDef::Instance();
  CVxLang& lang = CVxLang::Instance();
  bool loaded = false;
  if (folder != nullptr && *folder != '\0') {
    table.SetTablePath(platform::LocateDataFile(std::string(folder) + "LanguageTable.xml"));
    table.Read();
    loaded = lang.Load(kModuleName, langId, folder, table);
  } else {
    loaded = lang.Load(kModuleName, langId, "lang/", table);
  }
  return loaded || lang.Load(kModuleName, langId, LanguageFallbackFolder(), table);
}

unsigned SystemLanguageForViewer() {
  return CVxLangDef::Instance().LangIdForSystemLanguage(platform::SystemUiLanguage());
}
