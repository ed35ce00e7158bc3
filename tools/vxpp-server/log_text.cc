#include "tools/vxpp-server/log_text.h"

#include <cstdio>

namespace vxpp_server {

std::string LogText(std::string_view text) {
  std::string shown;
  for (const char c : text.substr(0, kMaxLoggedBytes)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\\') {
      shown += "\\\\";
    } else if (byte < 0x20 || byte == 0x7F) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    } else {
      shown += c;
    }
  }
  if (text.size() > kMaxLoggedBytes) shown += "...";
  return shown;
}

}  // namespace vxpp_server
