#include "pages/pos/pos_log_types.h"

#include <cstdio>

#include "lang/translated_string.h"

namespace {

struct BuiltInType {
  int32_t code;
  const char* name;
  int stringNumber;
};

constexpr BuiltInType kNamedTypes[] = {
    {300, "Transaction Start", 57},
    {301, "Transaction End", 58},
    {302, "Open Cash Drawer", 59},
    {304, "Connection Lost", 75},
};
constexpr int32_t kFirstRule = 305;
constexpr int kRuleCount = 10;
constexpr int kRuleString = 60;

std::string TranslatedOr(int stringNumber, std::string builtIn, const char* suffix = "") {
  const std::string translated = LoadTranslatedString(stringNumber);
  return translated.empty() ? builtIn : translated + suffix;
}

}  // namespace

std::vector<PosLogType> TranslatedPosLogTypes() {
  std::vector<PosLogType> types;
  for (const BuiltInType& type : kNamedTypes) types.push_back({type.code, TranslatedOr(type.stringNumber, type.name)});
  for (int rule = 1; rule <= kRuleCount; ++rule) {
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, " %02d", rule);
    types.push_back({kFirstRule + rule - 1, TranslatedOr(kRuleString, std::string("User Defined Event Rule") + suffix, suffix)});
  }
  return types;
}

std::string_view PosLogTypeName(const std::vector<PosLogType>& types, int32_t code) {
  for (const PosLogType& type : types) {
    if (type.code == code) return type.name;
  }
  return {};
}
