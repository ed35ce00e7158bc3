#include "tools/logview-demo/registry_file.h"

#include <cstdio>

#include "platform/code_page.h"

namespace {

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

// "name"=hex(2):xx,xx,... wrapped like the editor: no line longer than 77
// characters before its continuation mark, continuation lines indented by two.
std::string HexValue(const std::string& prefix, const std::string& bytes) {
  std::string out, line = prefix;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(bytes[i]));
    const bool last = i + 1 == bytes.size();
    if (line.size() + (last ? 2 : 3) > 77) {
      out += line + "\\\r\n";
      line = "  ";
    }
    line += hex;
    if (!last) line += ',';
  }
  return out + line;
}

// The bytes the registry holds for an expandable string, terminator included.
std::string ExpandBytes(const std::string& utf8, RegFile::Encoding encoding) {
  if (encoding == RegFile::Encoding::kUtf8) return utf8 + '\0';
  std::string bytes;
  for (char16_t c : platform::ToUtf16(utf8, platform::kCodePageUtf8) + u'\0') {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

}  // namespace

void RegFile::Key(const std::string& path) { m_keys.push_back({path, {}}); }

void RegFile::String(const std::string& name, const std::string& value) {
  m_keys.back().values.push_back({Value::kString, name, value, 0});
}

void RegFile::ExpandString(const std::string& name, const std::string& value) {
  m_keys.back().values.push_back({Value::kExpandString, name, value, 0});
}

void RegFile::Dword(const std::string& name, uint32_t value) {
  m_keys.back().values.push_back({Value::kDword, name, {}, value});
}

std::string RegFile::Render(Encoding encoding) const {
  std::string text = encoding == Encoding::kUtf16 ? "Windows Registry Editor Version 5.00\r\n" : "REGEDIT4\r\n";
  for (const KeyEntry& key : m_keys) {
    text += "\r\n[" + key.path + "]\r\n";
    for (const Value& v : key.values) {
      const std::string prefix = Quoted(v.name) + "=";
      if (v.type == Value::kString) {
        text += prefix + Quoted(v.text);
      } else if (v.type == Value::kDword) {
        char dword[24];
        std::snprintf(dword, sizeof dword, "dword:%08x", v.number);
        text += prefix + dword;
      } else {
        text += HexValue(prefix + "hex(2):", ExpandBytes(v.text, encoding));
      }
      text += "\r\n";
    }
  }
  text += "\r\n";
  if (encoding == Encoding::kUtf8) return text;

  std::string bytes = "\xFF\xFE";
  for (char16_t c : platform::ToUtf16(text, platform::kCodePageUtf8)) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}
