#include "protocol/string_list.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "protocol/wire_bytes.h"

namespace vxpp {

std::string WriteStringList(const std::vector<std::string>& strings) {
  std::string block;
  PutU32(&block, static_cast<uint32_t>(strings.size()));
  for (const std::string& text : strings) {
    PutI32(&block, static_cast<int32_t>(text.size()));
    block += text;
  }
  return block;
}

std::vector<std::string> ReadStringList(std::string_view block) {
  std::vector<std::string> strings;
  if (block.size() < 4) return strings;
  // Every entry needs its 4-byte length: a count beyond what the block can
  // hold is a lie, and would only add empty entries.
  const uint32_t count = std::min<uint64_t>(GetU32(block.data()), (block.size() - 4) / 4);
  size_t cursor = 4;
  strings.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    if (block.size() - cursor < 4) {
      strings.emplace_back();
      continue;
    }
    const int32_t length = GetI32(block.data() + cursor);
    if (length < 0 || block.size() - cursor - 4 < static_cast<size_t>(length)) {
      strings.emplace_back();
      continue;
    }
    strings.emplace_back(block.substr(cursor + 4, static_cast<size_t>(length)));
    cursor += 4 + static_cast<size_t>(length);
  }
  return strings;
}

uint32_t StringListCount(std::string_view block) { return block.size() < 4 ? 0 : GetU32(block.data()); }

std::vector<uint32_t> ReadNumberList(std::string_view block) {
  std::vector<uint32_t> numbers;
  for (const std::string& text : ReadStringList(block)) {
    unsigned value = 0;
    if (std::sscanf(text.c_str(), "%u", &value) != 1) value = 0;
    numbers.push_back(value);
  }
  return numbers;
}

}  // namespace vxpp
