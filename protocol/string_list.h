// The length-prefixed string list that several VXPP bodies carry: a count
// (u32, little-endian), then that many strings, each an i32 byte length
// followed by its bytes (no terminator).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vxpp {

std::string WriteStringList(const std::vector<std::string>& strings);

// Walks `block` with a cursor.  A string whose length prefix or bytes run
// past the end of the block (or whose length is negative) reads as empty
// text and leaves the cursor where it was; the entry is still appended, so
// the list has as many entries as the count says.  A count larger than the
// block has room for (four bytes of length per entry) is taken as that
// many: every entry beyond could only be empty, and a lying count then
// costs a bounded multiple of the block's bytes.
std::vector<std::string> ReadStringList(std::string_view block);

// The count at the front of `block` (0 when it is shorter than a count), so
// that a caller can refuse a list longer than it asked for before reading it.
uint32_t StringListCount(std::string_view block);

// The decimal numbers of a string list, each read as "%u" reads it (0 when
// an entry is not a number).
std::vector<uint32_t> ReadNumberList(std::string_view block);

}  // namespace vxpp
