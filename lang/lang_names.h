// The names of the language table file: the Windows LANG_* primary-language
// identifiers (77) and SUBLANG_* sub-language identifiers (93) with their
// Windows values.
#pragma once

#include <optional>
#include <span>
#include <string_view>

struct LangName {
  const char* name;
  unsigned value;
};

std::span<const LangName> PrimaryLangNames();
std::span<const LangName> SubLangNames();

// The value of `name` in a name table: exact comparison in table order, the
// first match wins; nothing when the name is not there.
std::optional<unsigned> LookupLangName(std::span<const LangName> table, std::string_view name);
