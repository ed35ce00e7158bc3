#include "pages/ivs/ivs_rule_types.h"

namespace {

struct RuleType {
  const char* text;
  bool offered;
};

constexpr RuleType kRuleTypes[kIVSRuleTypeCount] = {
    {"Tamper", true},           {"Presence", true},         {"Enter", true},
    {"Exit", true},             {"Appear", true},           {"Disappear", true},
    {"Stopped", true},          {"Dwell", true},            {"Direction Filter", true},
    {"Speed Filter", true},     {"Area Filter", false},     {"Tailgating", true},
    {"Abandoned/Removed Object", false},                    {"Cnt Line - Dir A", true},
    {"Cnt Line - Dir B", true}, {"Abandoned/Removed Object", true},                     {"Others", false},
};

}  // namespace

const char* IVSRuleTypeText(int32_t ruleType) {
  return ruleType >= 0 && ruleType < kIVSRuleTypeCount ? kRuleTypes[ruleType].text : nullptr;
}

bool IsIVSRuleTypeOffered(int32_t ruleType) {
  return ruleType >= 0 && ruleType < kIVSRuleTypeCount && kRuleTypes[ruleType].offered;
}
