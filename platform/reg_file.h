// RegFile: a Windows registry export (.reg file) parsed from memory.
//
// Accepted forms, as regedit writes them:
//   - "Windows Registry Editor Version 5.00" in UTF-16LE with a byte-order
//     mark, or in UTF-8 (with or without a mark);
//   - "REGEDIT4" in narrow text, read as UTF-8.
// Lines end in CRLF or LF.  Statements:
//   [HKEY_LOCAL_MACHINE\SOFTWARE\...]   a key (made with its parents); HKLM,
//                                       HKCU, HKCR, HKU and HKCC are spelled out
//   [-HKEY_LOCAL_MACHINE\...]           removes the key and its sub-keys
//   "Name"="text"  @="text"             REG_SZ ("\\" and "\"" escapes; @ is the default value)
//   "Name"=dword:0000002a               REG_DWORD
//   "Name"=hex:01,02  hex(N):...        REG_BINARY, or raw data of type N; a
//                                       trailing "\" continues on the next line
//   "Name"=-                            removes the value
//   ; comment
// The string types given in hex (hex(1), hex(2), hex(7)) hold UTF-16LE bytes
// in version 5 files and narrow bytes in REGEDIT4 files; both are kept as
// UTF-16LE, as Windows stores them.
//
// Parsing never throws.  A file that is not a registry export (wrong first
// line, broken encoding) fails to parse.  A statement line that cannot be
// read is skipped and listed in SkippedLines(), and the rest of the file
// kept; values below a key line that cannot be read are skipped with it, so
// they never land in the key before it.
// A RegFile is immutable once parsed and may be read from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry_tree.h"

namespace platform {

struct RegStatement {
  enum class Kind { kKey, kDeleteKey, kValue, kDeleteValue };
  Kind kind = Kind::kKey;
  // The key of a key statement, or the key of the section holding a value
  // statement; the root is spelled out ("HKEY_LOCAL_MACHINE\...").
  std::string keyPath;
  // Value statements: the name ("" for @); kValue also the type and data.
  RegistryTree::Value value;
  // Physical lines (0-based) the statement spans, continuations included.
  size_t firstLine = 0;
  size_t lastLine = 0;
};

struct RegFileError {
  size_t line = 0;  // 1-based; 0 when the fault lies in no line
  std::string reason;
};

class RegFile {
 public:
  // Parses the whole file.  On failure returns false and fills `error`
  // (when given); `file` is then left empty.
  static bool Parse(std::string bytes, RegFile* file, RegFileError* error = nullptr);

  const std::vector<RegStatement>& Statements() const { return m_statements; }
  // The lines skipped, in file order, each with why.
  const std::vector<RegFileError>& SkippedLines() const { return m_skipped; }
  bool IsUtf16() const { return m_utf16; }

  // The key tree the statements build in file order.
  std::unique_ptr<RegistryTree> BuildTree() const;

  // The bytes of this file with the value `name` of the key `keyPath` (root
  // spelled out) set to the DWORD `value`.  Every other byte stays as it
  // was: the line that last set or removed the value is replaced, or, when
  // the key never had it, a line is added after the key's last statement.
  // False, and nothing is made, when the key does not exist.
  bool WithDword(std::string_view keyPath, std::string_view name, uint32_t value,
                 std::string* bytes) const;

 private:
  struct Line {
    size_t begin = 0;  // byte offsets into m_bytes: the text is [begin, end),
    size_t end = 0;    // its terminator (CRLF, LF or none) [end, next)
    size_t next = 0;
  };
  class Parser;

  std::string Encode(std::string_view utf8) const;
  std::string LineEnding() const;
  std::string MissingTerminator(const Line& line) const;

  std::string m_bytes;
  bool m_utf16 = false;
  std::vector<Line> m_lines;
  std::vector<RegStatement> m_statements;
  std::vector<RegFileError> m_skipped;
};

}  // namespace platform
