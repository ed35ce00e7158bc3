#include "vocabulary/epos_setting_fields.h"

#include <cstdlib>

namespace {

uint32_t DecimalBits(const std::string& text) {
  return static_cast<uint32_t>(std::strtoll(text.c_str(), nullptr, 10));
}

}  // namespace

void SetPosSettingField(std::string& field, const std::string& text) { field = text; }
void SetPosSettingField(int32_t& field, const std::string& text) { field = static_cast<int32_t>(DecimalBits(text)); }
void SetPosSettingField(uint32_t& field, const std::string& text) { field = DecimalBits(text); }
