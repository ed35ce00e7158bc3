// Format: snprintf into a std::string, for the short texts of the demo files
// (record descriptions, ini lines); longer results are cut at 1023 bytes.
#pragma once

#include <string>

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
