// A received header block, read by every reader the answers use.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "protocol/header_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view block(reinterpret_cast<const char*>(data), size);
  std::string text;
  uint32_t u32 = 0;
  uint64_t u64 = 0;
  int32_t i32 = 0;
  float decimal = 0;
  vxpp::HeaderText(block, "Log-Count:", &text);
  vxpp::HeaderToken(block, "Content-Type:", &text);
  vxpp::HeaderU32(block, "Camera-ID:", &u32);
  vxpp::HeaderU64(block, "Total-Size:", &u64);
  vxpp::HeaderInt(block, "Event-Number:", &i32);
  vxpp::HeaderDecimal(block, "VXPP-Version:", &decimal);
  vxpp::ResponseStatus(block, "VXPP/1.0");
  // A repeated header, one occurrence after the other: each step must move on.
  size_t position = 0;
  for (size_t before = 0; vxpp::HeaderText(block, "Day:", &text, &position); before = position)
    if (position <= before || position > block.size()) __builtin_trap();
  // The index reads each name as the single readers do.
  static const char* const kNames[] = {"Log-Time:", "Event-Number:", "Camera-ID:", "Description:"};
  const vxpp::HeaderIndex index(block, {kNames[0], kNames[1], kNames[2], kNames[3]});
  for (size_t i = 0; i < 4; ++i) {
    std::string alone;
    uint32_t aloneU32 = 0;
    int32_t aloneI32 = 0;
    const bool found = index.Text(i, &text);
    if (found != vxpp::HeaderText(block, kNames[i], &alone) || (found && text != alone)) __builtin_trap();
    if (index.U32(i, &u32) != vxpp::HeaderU32(block, kNames[i], &aloneU32) || u32 != aloneU32) __builtin_trap();
    if (index.Int(i, &i32) != vxpp::HeaderInt(block, kNames[i], &aloneI32) || i32 != aloneI32) __builtin_trap();
  }
  return 0;
}
