#include "platform/reg_file.h"

#include <optional>

#include "platform/code_page.h"

namespace platform {
namespace {

constexpr std::string_view kHeaderVersion5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHeaderVersion4 = "REGEDIT4";

struct RootName {
  std::string_view abbreviation;
  std::string_view name;
};
constexpr RootName kRoots[] = {
    {"HKLM", "HKEY_LOCAL_MACHINE"}, {"HKCU", "HKEY_CURRENT_USER"}, {"HKCR", "HKEY_CLASSES_ROOT"},
    {"HKU", "HKEY_USERS"},          {"HKCC", "HKEY_CURRENT_CONFIG"},
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && RegNameEquals(s.substr(0, prefix.size()), prefix);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// 1 to `maxDigits` hex digits, nothing else.
bool ParseHexNumber(std::string_view s, size_t maxDigits, uint32_t* out) {
  if (s.empty() || s.size() > maxDigits) return false;
  uint32_t v = 0;
  for (char c : s) {
    const int d = HexDigit(c);
    if (d < 0) return false;
    v = v << 4 | static_cast<uint32_t>(d);
  }
  *out = v;
  return true;
}

// After a value's data only blanks or a comment may follow.
bool RestIsBlank(std::string_view rest) {
  rest = Trim(rest);
  return rest.empty() || rest.front() == ';';
}

}  // namespace

class RegFile::Parser {
 public:
  explicit Parser(RegFile* file) : m_file(file) {}

  bool Run(RegFileError* error) {
    const bool ok = SplitLines() && ParseHeader() && ParseStatements();
    if (!ok && error != nullptr) *error = m_error;
    return ok;
  }

 private:
  bool Fail(size_t line, std::string reason) {
    m_error.line = line + 1;
    m_error.reason = std::move(reason);
    return false;
  }

  // Cuts the bytes into physical lines and decodes each to UTF-8.
  bool SplitLines() {
    const std::string& bytes = m_file->m_bytes;
    size_t pos = 0;
    size_t unit = 1;
    if (bytes.size() >= 2 && bytes.compare(0, 2, "\xFF\xFE") == 0) {
      m_file->m_utf16 = true;
      unit = 2;
      pos = 2;
    } else if (bytes.size() >= 2 && bytes.compare(0, 2, "\xFE\xFF") == 0) {
      return Fail(0, "big-endian UTF-16 is not a registry export encoding");
    } else if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
      pos = 3;
    }
    auto unitAt = [&](size_t at) {
      return unit == 1 ? static_cast<unsigned char>(bytes[at])
                       : static_cast<unsigned>(static_cast<unsigned char>(bytes[at]) |
                                               static_cast<unsigned char>(bytes[at + 1]) << 8);
    };
    while (pos < bytes.size()) {
      Line line{pos, pos, pos};
      size_t at = pos;
      while (at + unit <= bytes.size() && unitAt(at) != '\n') at += unit;
      if (at + unit > bytes.size() && at != bytes.size())
        return Fail(m_file->m_lines.size(), "the file ends inside a UTF-16 character");
      line.end = at;
      line.next = at < bytes.size() ? at + unit : at;
      if (line.end > line.begin && unitAt(line.end - unit) == '\r') line.end -= unit;
      m_file->m_lines.push_back(line);
      m_texts.push_back(Decode(line.begin, line.end));
      pos = line.next;
    }
    return true;
  }

  std::string Decode(size_t begin, size_t end) const {
    const std::string_view text = std::string_view(m_file->m_bytes).substr(begin, end - begin);
    return m_file->m_utf16 ? FromUtf16LeBytes(text, kCodePageUtf8) : std::string(text);
  }

  bool ParseHeader() {
    const std::string_view header = m_texts.empty() ? std::string_view() : Trim(m_texts[0]);
    if (header == kHeaderVersion5) {
      m_unicodeData = true;
    } else if (header != kHeaderVersion4) {
      return Fail(0, "not a registry export: the first line is neither \"" +
                         std::string(kHeaderVersion5) + "\" nor \"" + std::string(kHeaderVersion4) + "\"");
    }
    return true;
  }

  bool ParseStatements() {
    for (size_t line = 1; line < m_texts.size(); ++line) {
      const std::string_view text = Trim(m_texts[line]);
      if (text.empty() || text.front() == ';') continue;
      bool ok;
      if (text.front() == '[') {
        ok = ParseKey(text, line);
        if (!ok) m_section = kUnreadableSection;
      } else if (text.front() == '"' || text.front() == '@') {
        ok = ParseValue(text, &line);
      } else {
        ok = Fail(line, "a line that is neither a key, a value nor a comment");
      }
      if (!ok) m_file->m_skipped.push_back(m_error);
    }
    return true;
  }

  bool ParseKey(std::string_view text, size_t line) {
    if (text.back() != ']') return Fail(line, "a key line without its closing \"]\"");
    text = text.substr(1, text.size() - 2);
    const bool deleted = !text.empty() && text.front() == '-';
    if (deleted) text.remove_prefix(1);
    const std::vector<std::string_view> names = SplitRegPath(text);
    if (names.empty()) return Fail(line, "a key line without a key");
    std::string path;
    for (const RootName& root : kRoots)
      if (RegNameEquals(names[0], root.abbreviation) || RegNameEquals(names[0], root.name))
        path = root.name;
    if (path.empty()) return Fail(line, "unknown root key \"" + std::string(names[0]) + "\"");
    for (size_t i = 1; i < names.size(); ++i) (path += '\\') += names[i];

    RegStatement statement;
    statement.kind = deleted ? RegStatement::Kind::kDeleteKey : RegStatement::Kind::kKey;
    statement.keyPath = path;
    statement.firstLine = statement.lastLine = line;
    m_file->m_statements.push_back(std::move(statement));
    m_section = std::move(path);
    return true;
  }

  // `*line` moves to the last line of the value when it continues.
  bool ParseValue(std::string_view text, size_t* line) {
    if (!m_section) return Fail(*line, "a value before the first key");
    if (*m_section == kUnreadableSection) return Fail(*line, "a value below a key line that could not be read");
    RegStatement statement;
    statement.kind = RegStatement::Kind::kValue;
    statement.keyPath = *m_section;
    statement.firstLine = *line;
    if (text.front() == '@') {
      text.remove_prefix(1);
    } else if (!ParseQuoted(&text, &statement.value.name, *line)) {
      return false;
    }
    text = Trim(text);
    if (text.empty() || text.front() != '=') return Fail(*line, "a value name without \"=\"");
    text = Trim(text.substr(1));
    if (text.empty()) return Fail(*line, "a value without data");

    RegistryTree::Value& value = statement.value;
    if (text.front() == '-' && RestIsBlank(text.substr(1))) {
      statement.kind = RegStatement::Kind::kDeleteValue;
    } else if (text.front() == '"') {
      std::string utf8;
      if (!ParseQuoted(&text, &utf8, *line)) return false;
      if (!RestIsBlank(text)) return Fail(*line, "text after the end of a string value");
      value.type = REG_SZ;
      value.data = ToUtf16LeBytes(utf8, kCodePageUtf8) + std::string(2, '\0');
    } else if (StartsWithNoCase(text, "dword:")) {
      std::string_view digits = text.substr(6);
      digits = Trim(digits.substr(0, digits.find(';')));
      uint32_t number = 0;
      if (!ParseHexNumber(digits, 8, &number))
        return Fail(*line, "a dword value that is not 1 to 8 hex digits");
      value.type = REG_DWORD;
      for (int i = 0; i < 4; ++i) value.data += static_cast<char>(number >> (8 * i) & 0xFF);
    } else if (StartsWithNoCase(text, "hex")) {
      if (!ParseHexValue(text.substr(3), line, &value)) return false;
    } else {
      return Fail(*line, "unrecognised value data");
    }
    statement.lastLine = *line;
    m_file->m_statements.push_back(std::move(statement));
    return true;
  }

  // `*text` starts at the opening quote; on return it holds what follows the
  // closing quote.
  bool ParseQuoted(std::string_view* text, std::string* out, size_t line) {
    out->clear();
    for (size_t i = 1; i < text->size(); ++i) {
      const char c = (*text)[i];
      if (c == '"') {
        text->remove_prefix(i + 1);
        return true;
      }
      if (c == '\\' && i + 1 < text->size()) {
        const char next = (*text)[++i];
        if (next == 'n') {
          *out += '\n';
        } else if (next == 'r') {
          *out += '\r';
        } else if (next == '\\' || next == '"') {
          *out += next;
        } else {  // not an escape: the backslash stands for itself
          *out += '\\';
          *out += next;
        }
        continue;
      }
      *out += c;
    }
    return Fail(line, "unterminated string");
  }

  // `text` follows "hex": an optional "(type)", ":" and the bytes.
  bool ParseHexValue(std::string_view text, size_t* line, RegistryTree::Value* value) {
    value->type = REG_BINARY;
    if (!text.empty() && text.front() == '(') {
      const size_t close = text.find(')');
      if (close == std::string_view::npos || !ParseHexNumber(text.substr(1, close - 1), 8, &value->type))
        return Fail(*line, "a hex value type that is not a hex number in brackets");
      text.remove_prefix(close + 1);
    }
    if (text.empty() || text.front() != ':') return Fail(*line, "a hex value without \":\"");
    std::string list(Trim(text.substr(1)));
    while (!list.empty() && list.back() == '\\') {
      list.pop_back();
      if (++*line >= m_texts.size()) return Fail(*line - 1, "a continued hex value at the end of the file");
      list += Trim(m_texts[*line]);
    }
    std::string bytes;
    std::string_view rest(list);
    while (!rest.empty()) {
      const size_t comma = rest.find(',');
      uint32_t byte = 0;
      if (!ParseHexNumber(Trim(rest.substr(0, comma)), 2, &byte)) return Fail(*line, "bad hex byte");
      bytes += static_cast<char>(byte);
      if (comma == std::string_view::npos) break;
      rest.remove_prefix(comma + 1);
    }
    // Text given in hex is narrow in REGEDIT4 files; the tree keeps all text as UTF-16.
    const bool narrowText = IsRegStringType(value->type) && !m_unicodeData;
    value->data = narrowText ? ToUtf16LeBytes(bytes, kCodePageUtf8) : std::move(bytes);
    return true;
  }

  RegFile* m_file;
  std::vector<std::string> m_texts;  // the physical lines decoded to UTF-8
  bool m_unicodeData = false;        // version 5 header: text in hex is UTF-16LE
  // The key of the values that follow; none before the first key line.
  std::optional<std::string> m_section;
  // After a key line that could not be read: no key path is empty.
  static constexpr std::string_view kUnreadableSection = "";
  RegFileError m_error;
};

bool RegFile::Parse(std::string bytes, RegFile* file, RegFileError* error) {
  RegFile parsed;
  parsed.m_bytes = std::move(bytes);
  if (!Parser(&parsed).Run(error)) {
    *file = RegFile();
    return false;
  }
  *file = std::move(parsed);
  return true;
}

std::string RegFile::Encode(std::string_view utf8) const {
  return m_utf16 ? ToUtf16LeBytes(utf8, kCodePageUtf8) : std::string(utf8);
}

std::unique_ptr<RegistryTree> RegFile::BuildTree() const {
  auto tree = std::make_unique<RegistryTree>();
  RegistryTree::Key* section = nullptr;
  for (const RegStatement& statement : m_statements) {
    switch (statement.kind) {
      case RegStatement::Kind::kKey:
        section = tree->Create(statement.keyPath);
        break;
      case RegStatement::Kind::kDeleteKey:
        tree->Remove(statement.keyPath);
        section = nullptr;  // values under a removed key describe nothing, as regedit has it
        break;
      case RegStatement::Kind::kValue:
        if (section != nullptr) section->SetValue(statement.value);
        break;
      case RegStatement::Kind::kDeleteValue:
        if (section != nullptr) section->RemoveValue(statement.value.name);
        break;
    }
  }
  return tree;
}

}  // namespace platform
