#include "platform/ui_language.h"

#include <atomic>
#include <cstdlib>
#include <string>

namespace platform {
namespace {

constexpr unsigned kEnglishUs = 0x0409;

std::atomic<unsigned> g_overridden{0};

struct LanguageCode {
  const char* code;  // ISO 639
  unsigned primary;
};
// The languages that have a LANG_* number.
constexpr LanguageCode kLanguages[] = {
    {"af", 0x36}, {"sq", 0x1c}, {"ar", 0x01}, {"hy", 0x2b}, {"as", 0x4d}, {"az", 0x2c},
    {"eu", 0x2d}, {"be", 0x23}, {"bn", 0x45}, {"bg", 0x02}, {"ca", 0x03}, {"zh", 0x04},
    {"hr", 0x1a}, {"cs", 0x05}, {"da", 0x06}, {"dv", 0x65}, {"nl", 0x13}, {"en", 0x09},
    {"et", 0x25}, {"fo", 0x38}, {"fa", 0x29}, {"fi", 0x0b}, {"fr", 0x0c}, {"gl", 0x56},
    {"ka", 0x37}, {"de", 0x07}, {"el", 0x08}, {"gu", 0x47}, {"he", 0x0d}, {"hi", 0x39},
    {"hu", 0x0e}, {"is", 0x0f}, {"id", 0x21}, {"it", 0x10}, {"ja", 0x11}, {"kn", 0x4b},
    {"ks", 0x60}, {"kk", 0x3f}, {"kok", 0x57}, {"ko", 0x12}, {"ky", 0x40}, {"lv", 0x26},
    {"lt", 0x27}, {"mk", 0x2f}, {"ms", 0x3e}, {"ml", 0x4c}, {"mni", 0x58}, {"mr", 0x4e},
    {"mn", 0x50}, {"ne", 0x61}, {"nb", 0x14}, {"nn", 0x14}, {"no", 0x14}, {"or", 0x48},
    {"pl", 0x15}, {"pt", 0x16}, {"pa", 0x46}, {"ro", 0x18}, {"ru", 0x19}, {"sa", 0x4f},
    {"sr", 0x1a}, {"sd", 0x59}, {"sk", 0x1b}, {"sl", 0x24}, {"es", 0x0a}, {"sw", 0x41},
    {"sv", 0x1d}, {"syr", 0x5a}, {"ta", 0x49}, {"tt", 0x44}, {"te", 0x4a}, {"th", 0x1e},
    {"tr", 0x1f}, {"uk", 0x22}, {"ur", 0x20}, {"uz", 0x43}, {"vi", 0x2a},
};

struct Region {
  const char* locale;  // language_TERRITORY
  unsigned sublanguage;
};
// Regional variants whose sub-language is not the default one (1), and the
// languages whose code alone decides it (Nynorsk, Serbian in Cyrillic).
constexpr Region kRegions[] = {
    {"ar_IQ", 2}, {"ar_EG", 3}, {"ar_LY", 4}, {"ar_DZ", 5}, {"ar_MA", 6}, {"ar_TN", 7},
    {"ar_OM", 8}, {"ar_YE", 9}, {"ar_SY", 10}, {"ar_JO", 11}, {"ar_LB", 12}, {"ar_KW", 13},
    {"ar_AE", 14}, {"ar_BH", 15}, {"ar_QA", 16}, {"zh_CN", 2}, {"zh_HK", 3}, {"zh_SG", 4},
    {"zh_MO", 5}, {"nl_BE", 2}, {"en_GB", 2}, {"en_AU", 3}, {"en_CA", 4}, {"en_NZ", 5},
    {"en_IE", 6}, {"en_ZA", 7}, {"en_JM", 8}, {"en_BZ", 10}, {"en_TT", 11}, {"en_ZW", 12},
    {"en_PH", 13}, {"fr_BE", 2}, {"fr_CA", 3}, {"fr_CH", 4}, {"fr_LU", 5}, {"fr_MC", 6},
    {"de_CH", 2}, {"de_AT", 3}, {"de_LU", 4}, {"de_LI", 5}, {"it_CH", 2}, {"ms_BN", 2},
    {"nn", 2}, {"pt_PT", 2}, {"es_ES", 3}, {"es_MX", 2}, {"es_GT", 4}, {"es_CR", 5},
    {"es_PA", 6}, {"es_DO", 7}, {"es_VE", 8}, {"es_CO", 9}, {"es_PE", 10}, {"es_AR", 11},
    {"es_EC", 12}, {"es_CL", 13}, {"es_UY", 14}, {"es_PY", 15}, {"es_BO", 16}, {"es_SV", 17},
    {"es_HN", 18}, {"es_NI", 19}, {"es_PR", 20}, {"sv_FI", 2}, {"ur_IN", 2},
    {"sr", 3},
};

}  // namespace

unsigned LanguageNumberOfLocale(std::string_view locale) {
  const size_t end = locale.find_first_of(".@");
  locale = locale.substr(0, end);
  const std::string_view language = locale.substr(0, locale.find('_'));
  unsigned primary = 0;
  for (const auto& entry : kLanguages)
    if (language == entry.code) primary = entry.primary;
  if (primary == 0) return 0;
  unsigned sublanguage = 1;
  for (const auto& region : kRegions)
    if (locale == region.locale || language == region.locale) sublanguage = region.sublanguage;
  return primary + sublanguage * 1024;
}

unsigned SystemUiLanguage() {
  if (const unsigned overridden = g_overridden.load()) return overridden;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') continue;
    const unsigned number = LanguageNumberOfLocale(value);
    return number != 0 ? number : kEnglishUs;
  }
  return kEnglishUs;
}

void SetSystemUiLanguage(unsigned languageNumber) { g_overridden.store(languageNumber); }

}  // namespace platform
