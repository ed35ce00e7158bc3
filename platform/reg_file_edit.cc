// Rewriting one value of a .reg file in place.  The file may be hand-made or
// exported by another program, so nothing but the one value's line is
// touched: no re-export, no normalised spelling, no reordering.
#include <cstdint>
#include <cstdio>

#include "platform/reg_file.h"

namespace platform {
namespace {

bool IsSameOrAncestor(std::string_view ancestor, std::string_view path) {
  const std::vector<std::string_view> a = SplitRegPath(ancestor);
  const std::vector<std::string_view> p = SplitRegPath(path);
  if (a.size() > p.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (!RegNameEquals(a[i], p[i])) return false;
  return true;
}

bool SamePath(std::string_view a, std::string_view b) {
  return SplitRegPath(a).size() == SplitRegPath(b).size() && IsSameOrAncestor(a, b);
}

std::string QuotedName(std::string_view name) {
  if (name.empty()) return "@";
  std::string out = "\"";
  for (char c : name) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      if (c == '\\' || c == '"') out += '\\';
      out += c;
    }
  }
  return out + '"';
}

}  // namespace

std::string RegFile::LineEnding() const {
  const Line& first = m_lines.front();
  return first.next - first.end == (m_utf16 ? 2u : 1u) ? "\n" : "\r\n";
}

// What has to follow `line` before another line can start after it.  The
// last line of a file may end in a carriage return alone: only its line
// feed is missing then, as a second carriage return would become part of
// the line's text.
std::string RegFile::MissingTerminator(const Line& line) const {
  if (line.next == line.end) return LineEnding();
  const size_t unit = m_utf16 ? 2 : 1;
  const bool endsInLineFeed = m_bytes[line.next - unit] == '\n' && (unit == 1 || m_bytes[line.next - 1] == '\0');
  return endsInLineFeed ? "" : "\n";
}

bool RegFile::WithDword(std::string_view keyPath, std::string_view name, uint32_t value,
                        std::string* bytes) const {
  if (BuildTree()->Find(keyPath) == nullptr) return false;

  // The statement that last set or removed the value, and the last line of
  // the key's last section, both as of the key's latest creation.
  const RegStatement* last = nullptr;
  constexpr size_t kNoSection = SIZE_MAX;
  size_t sectionEnd = kNoSection;
  bool inSection = false;
  for (const RegStatement& statement : m_statements) {
    switch (statement.kind) {
      case RegStatement::Kind::kKey:
        inSection = SamePath(statement.keyPath, keyPath);
        if (inSection) sectionEnd = statement.lastLine;
        break;
      case RegStatement::Kind::kDeleteKey:
        inSection = false;
        if (IsSameOrAncestor(statement.keyPath, keyPath)) {
          last = nullptr;
          sectionEnd = kNoSection;
        }
        break;
      case RegStatement::Kind::kValue:
      case RegStatement::Kind::kDeleteValue:
        if (!inSection) break;
        sectionEnd = statement.lastLine;
        if (RegNameEquals(statement.value.name, name)) last = &statement;
        break;
    }
  }

  char number[16];
  std::snprintf(number, sizeof number, "%08x", value);
  // A value keeps the spelling of its name, as Windows keeps it.
  const std::string text = QuotedName(last != nullptr ? last->value.name : name) + "=dword:" + number;
  const std::string eol = LineEnding();
  *bytes = m_bytes;
  if (last != nullptr) {
    const size_t begin = m_lines[last->firstLine].begin;
    bytes->replace(begin, m_lines[last->lastLine].end - begin, Encode(text));
  } else if (sectionEnd != kNoSection) {
    const Line& after = m_lines[sectionEnd];
    const std::string missing = MissingTerminator(after);
    bytes->insert(after.next, Encode(missing.empty() ? text + eol : missing + text));
  } else {
    // The key exists only as the parent of keys named below it: it gets a
    // section of its own at the end of the file.
    const Line& lastLine = m_lines.back();
    std::string tail = MissingTerminator(lastLine);
    if (lastLine.end > lastLine.begin) tail += eol;
    tail.append("[").append(keyPath).append("]").append(eol).append(text).append(eol);
    *bytes += Encode(tail);
  }
  return true;
}

}  // namespace platform
