// A length-prefixed string list from a server; a list that was read must
// read back the same after writing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/string_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view block(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> strings = vxpp::ReadStringList(block);
  vxpp::ReadNumberList(block);
  if (vxpp::ReadStringList(vxpp::WriteStringList(strings)) != strings) __builtin_trap();
  return 0;
}
