// printf-style formatting into a std::string: the requests and log lines of
// the protocol are printf templates that must come out byte for byte.
#pragma once

#include <cstdarg>
#include <string>

namespace vxpp {

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatTextV(const char* format, va_list args);

}  // namespace vxpp
