// RegFile: a registry export as the Windows registry editor writes it, for
// the installation's "registry.reg".  Keys are written in the order they are
// added (the editor lists sub-keys alphabetically, so callers add them that
// way), values in the order given.  Two forms:
// - kUtf16: "Windows Registry Editor Version 5.00", UTF-16LE with a byte
//   order mark, expandable strings as hex(2) bytes of UTF-16LE;
// - kUtf8: the older "REGEDIT4" form, here in UTF-8, expandable strings as
//   hex(2) bytes of the narrow text.
// Both with CRLF line ends and long hex lines continued with "\" as the
// editor wraps them.  Texts are given in UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class RegFile {
 public:
  enum class Encoding { kUtf16, kUtf8 };

  // Starts a key, e.g. "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\VEXOIP".
  void Key(const std::string& path);
  // Values of the key started last.
  void String(const std::string& name, const std::string& value);
  void ExpandString(const std::string& name, const std::string& value);
  void Dword(const std::string& name, uint32_t value);

  // The file's bytes.
  std::string Render(Encoding encoding) const;

 private:
  struct Value {
    enum Type { kString, kExpandString, kDword } type;
    std::string name, text;
    uint32_t number;
  };
  struct KeyEntry {
    std::string path;
    std::vector<Value> values;
  };
  std::vector<KeyEntry> m_keys;
};
