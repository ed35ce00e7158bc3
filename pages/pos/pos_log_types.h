// The log types of the metadata page: transaction start and end, cash
// drawer opened, source connection lost and the ten user-defined rules
// (codes 300-302, 304, 305-314; there is no 303), with their names in the
// language of the pack.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct PosLogType {
  int32_t code;
  std::string name;
};

// The fourteen types in code order, each named by the translation of its
// string (rules: string 60 followed by " 01" ... " 10"), or by its built-in
// English name when the pack has no text for it.
std::vector<PosLogType> TranslatedPosLogTypes();

// The name of `code`; empty when the table has no such code.
std::string_view PosLogTypeName(const std::vector<PosLogType>& types, int32_t code);

// The types a remote recorder's page offers: those up to rule 07 (311).
constexpr int32_t kLastRemotePosLogType = 311;
