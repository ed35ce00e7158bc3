// RegistryTree: the keys and values of a registry held in memory, as a .reg
// file describes them.  Key paths are written with "\" between names and
// start with a root ("HKEY_LOCAL_MACHINE\SOFTWARE\...").  Key and value
// names compare without regard to ASCII case, as the Windows registry does;
// sub-keys and values keep the order in which they first appeared.  Sub-keys
// are found through an index by folded name, so a key with many thousands of
// sub-keys loads in time linear in their number.
//
// Names are UTF-8.  Value data is kept the way Windows stores it: string
// types (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) as UTF-16LE bytes, everything
// else as the raw bytes.
//
// A tree is not synchronised: build it on one thread, then share it only
// for reading.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

constexpr uint32_t REG_NONE = 0;
constexpr uint32_t REG_SZ = 1;
constexpr uint32_t REG_EXPAND_SZ = 2;
constexpr uint32_t REG_BINARY = 3;
constexpr uint32_t REG_DWORD = 4;
constexpr uint32_t REG_MULTI_SZ = 7;

// True for the types whose data is text (stored as UTF-16LE).
bool IsRegStringType(uint32_t type);

// ASCII case-insensitive equality, the rule for key and value names.
bool RegNameEquals(std::string_view a, std::string_view b);
// The name with ASCII letters lowered: equal for names RegNameEquals matches.
std::string RegNameFold(std::string_view name);

class RegistryTree {
 public:
  struct Value {
    std::string name;  // "" is the key's default value ("@" in a .reg file)
    uint32_t type = REG_NONE;
    std::string data;
  };

  class Key {
   public:
    explicit Key(std::string name) : m_name(std::move(name)) {}
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    const std::string& Name() const { return m_name; }
    const std::vector<std::unique_ptr<Key>>& SubKeys() const { return m_subKeys; }
    const std::vector<Value>& Values() const { return m_values; }

    const Key* FindSubKey(std::string_view name) const;
    Key* FindSubKey(std::string_view name);
    const Value* FindValue(std::string_view name) const;

    Key* FindOrAddSubKey(std::string_view name);
    void RemoveSubKey(std::string_view name);
    // Replaces the value of that name in place, or appends it.
    void SetValue(Value value);
    void RemoveValue(std::string_view name);

   private:
    std::string m_name;
    std::vector<std::unique_ptr<Key>> m_subKeys;
    std::unordered_map<std::string, Key*> m_subKeyIndex;  // by RegNameFold
    std::vector<Value> m_values;
  };

  RegistryTree() : m_top("") {}

  // The key at `path`, or nullptr.  Empty names between separators are
  // skipped, so "A\\B\" is "A\B".
  const Key* Find(std::string_view path) const;
  // The key at `path`, made with every missing key on the way.
  Key* Create(std::string_view path);
  // Removes the key at `path` with all its sub-keys; nothing when absent.
  void Remove(std::string_view path);

  // The roots ("HKEY_LOCAL_MACHINE", ...) in order of first appearance.
  const Key& Top() const { return m_top; }

 private:
  Key m_top;
};

// The names of `path` between "\" separators, empty names left out.
std::vector<std::string_view> SplitRegPath(std::string_view path);

}  // namespace platform
