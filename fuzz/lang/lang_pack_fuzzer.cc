// The first byte chooses: a language pack (loaded for English or, to take
// the conversion to code page 1258, Vietnamese) whose every entry is then
// translated, or the language table.  The rest is the file, written to a
// scratch folder once per input: both are read from files.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "lang/vx_lang.h"
#include "lang/vx_lang_def.h"
#include "lang/vx_trans.h"
#include "platform/env.h"

namespace {

// <temp>/ with ENG/ inside, made once.
const std::string& ScratchFolder() {
  static const std::string folder = [] {
    char scratch[] = "/tmp/lang_pack_fuzzer.XXXXXX";
    if (mkdtemp(scratch) == nullptr || ::mkdir((std::string(scratch) + "/ENG").c_str(), 0700) != 0) std::abort();
    return std::string(scratch) + "/";
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  platform::Env* env = platform::Env::Default();
  CVxLangDef table;
  if (data[0] & 1) {
    const std::string path = ScratchFolder() + "LanguageTable.xml";
    if (!env->WriteFileAtomic(path, bytes)) std::abort();
    table.SetTablePath(path);
    for (const SupportedLangTable& language : table.Languages()) table.GetAbbrName(language.langId);
    table.LangIdForSystemLanguage(0x0409);
    return 0;
  }
  table.SetTablePath(ScratchFolder() + "none.xml");  // every language is English
  if (!env->WriteFileAtomic(ScratchFolder() + "ENG/LogViewResENG.xml", bytes)) std::abort();
  CVxLang lang;
  if (!lang.Load("LogView", data[0] & 2 ? CVxLang::kVietnamese : 9, ScratchFolder(), table)) return 0;
  const CVxTrans trans(lang);
  for (const auto& [source, translation] : lang.Entries()) {
    trans.Translated(source);
    CVxTrans::StripMnemonics(translation);
  }
  return 0;
}
