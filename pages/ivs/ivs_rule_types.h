// The rule types of analytics events: seventeen texts by rule-type number
// (the record's camera id field), and which of them the rule-type selector
// offers.  Plain table.
#pragma once

#include <cstdint>
#include <string>

constexpr int32_t kIVSRuleTypeCount = 17;

// The built-in text of a rule type (translated through the language pack
// when shown); null outside 0-16.
const char* IVSRuleTypeText(int32_t ruleType);
// Whether the selector offers the type: all but Area Filter (10), the first
// Abandoned/Removed Object (12) and Others (16).
bool IsIVSRuleTypeOffered(int32_t ruleType);
