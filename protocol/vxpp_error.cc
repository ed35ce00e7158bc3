#include "protocol/vxpp_error.h"

#include "protocol/format_text.h"

namespace vxpp {

void CheckLimit(uint64_t value, uint64_t limit, const char* what) {
  if (value > limit) throw VxppError{VxppError::kTooLarge, 0, what, value, limit};
}

std::string DescribeError(const VxppError& error) {
  const auto seen = static_cast<unsigned long long>(error.seen);
  const auto limit = static_cast<unsigned long long>(error.limit);
  switch (error.kind) {
    case VxppError::kSocket:
      return error.code == 0 ? std::string("the connection moved no byte") : FormatText("socket error %d", error.code);
    case VxppError::kTimeout:
      return "the server sent nothing within the wait";
    case VxppError::kMalformed:
      return "the answer cannot be read";
    case VxppError::kAborted:
      return "aborted";
    case VxppError::kTooLarge:
      return FormatText("%s %llu (limit %llu)", error.what, seen, limit);
    case VxppError::kStalled:
      return FormatText("the server delivered %llu bytes in %llu ms, too slow to go on", seen, limit);
    case VxppError::kDeadline:
      return FormatText("the command ran past its ceiling of %llu ms", limit);
  }
  return std::string();
}

}  // namespace vxpp
