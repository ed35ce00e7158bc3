// Readers of values in a received header block.
//
// A name is passed with its colon ("Log-Count:") and found as a plain,
// case-sensitive substring anywhere in the block: the first occurrence wins,
// so "Camera-ID:" also matches inside "New-Camera-ID:" when that comes
// first.  A reader whose name is absent leaves its target unchanged, except
// the number readers, which set it to 0 first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vxpp {

// The value after the name, blanks skipped, up to CR, LF or the end.
bool HeaderText(std::string_view headers, const char* name, std::string* value);
// The same, searching from *position; *position becomes the index just after
// the value, so that a repeated header can be read one occurrence after the other.
bool HeaderText(std::string_view headers, const char* name, std::string* value, size_t* position);
// The value of the name that ends right before `at`, as HeaderText reads
// it, for a reader that has found the name itself.
std::string_view HeaderValueAt(std::string_view headers, size_t at);
// As HeaderText, but the value also ends at a blank or ";".
bool HeaderToken(std::string_view headers, const char* name, std::string* value);

// Numbers read right after the name as scanf reads them ("%u", "%llu", "%d",
// "%f": white space, line ends included, skipped first; an optional sign;
// out-of-range values as the C library's conversions give them); true only
// when a number was read.
bool HeaderU32(std::string_view headers, const char* name, uint32_t* value);
bool HeaderU64(std::string_view headers, const char* name, uint64_t* value);
bool HeaderInt(std::string_view headers, const char* name, int32_t* value);
bool HeaderDecimal(std::string_view headers, const char* name, float* value);

// The status code after the protocol text `version` ("VXPP/1.0"), or -1 when
// the text is absent or no number follows it.
int ResponseStatus(std::string_view headers, const char* version);

// The first occurrences of a few names in one block, found in a single pass
// and then read as the readers above read them.  Every name must end with
// its colon: only the colons of the block are looked at.  For the record
// blocks of the log answers, where each record reads the same names.  The
// block must outlive the index.
class HeaderIndex {
 public:
  static constexpr size_t kMaxNames = 8;

  HeaderIndex(std::string_view headers, std::initializer_list<std::string_view> names);

  // As HeaderText, HeaderU32 and HeaderInt of the name at `index`.
  bool Text(size_t index, std::string* value) const;
  // The same as a view into the headers.
  bool Text(size_t index, std::string_view* value) const;
  bool U32(size_t index, uint32_t* value) const;
  bool Int(size_t index, int32_t* value) const;

 private:
  std::string_view m_headers;
  size_t m_valueStart[kMaxNames];
};

}  // namespace vxpp
