// LogText: text of a request as the server's log lines show it.  Control
// characters (below 0x20, and 0x7F) become "\xNN" and a backslash "\\", so
// a request cannot end a log line early or forge one; text past
// kMaxLoggedBytes is cut and marked with "...".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vxpp_server {

constexpr size_t kMaxLoggedBytes = 200;

std::string LogText(std::string_view text);

}  // namespace vxpp_server
