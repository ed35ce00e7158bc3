// The system's default user-interface language, standing in for
// GetUserDefaultUILanguage: a Windows language number (primary language in
// the low 10 bits, sub-language above: primary + sub-language * 1024).
#pragma once

#include <string_view>

namespace platform {

// From the first of $LC_ALL, $LC_MESSAGES and $LANG that is set: "de_DE.UTF-8"
// gives 1031, "en_GB" 2057, a language alone its default sub-language;
// "C", "POSIX", an unknown language or nothing gives 1033 (English, US).
unsigned SystemUiLanguage();
// Hosts and tests may fix it; 0 returns to the default.
void SetSystemUiLanguage(unsigned languageNumber);

// The Windows language number of a locale name such as "pt_BR.utf8"; 0 when
// the language is not known.
unsigned LanguageNumberOfLocale(std::string_view locale);

}  // namespace platform
