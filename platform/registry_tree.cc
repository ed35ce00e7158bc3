#include "platform/registry_tree.h"

#include <algorithm>

namespace platform {
namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool IsRegStringType(uint32_t type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

bool RegNameEquals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

std::string RegNameFold(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = AsciiLower(c);
  return folded;
}

std::vector<std::string_view> SplitRegPath(std::string_view path) {
  std::vector<std::string_view> names;
  while (!path.empty()) {
    const size_t cut = path.find('\\');
    const std::string_view name = path.substr(0, cut);
    if (!name.empty()) names.push_back(name);
    if (cut == std::string_view::npos) break;
    path.remove_prefix(cut + 1);
  }
  return names;
}

const RegistryTree::Key* RegistryTree::Key::FindSubKey(std::string_view name) const {
  return const_cast<Key*>(this)->FindSubKey(name);
}

RegistryTree::Key* RegistryTree::Key::FindSubKey(std::string_view name) {
  const auto found = m_subKeyIndex.find(RegNameFold(name));
  return found != m_subKeyIndex.end() ? found->second : nullptr;
}

const RegistryTree::Value* RegistryTree::Key::FindValue(std::string_view name) const {
  for (const auto& value : m_values)
    if (RegNameEquals(value.name, name)) return &value;
  return nullptr;
}

RegistryTree::Key* RegistryTree::Key::FindOrAddSubKey(std::string_view name) {
  Key*& slot = m_subKeyIndex[RegNameFold(name)];
  if (slot == nullptr) {
    m_subKeys.push_back(std::make_unique<Key>(std::string(name)));
    slot = m_subKeys.back().get();
  }
  return slot;
}

void RegistryTree::Key::RemoveSubKey(std::string_view name) {
  const auto found = m_subKeyIndex.find(RegNameFold(name));
  if (found == m_subKeyIndex.end()) return;
  const Key* removed = found->second;
  m_subKeyIndex.erase(found);
  std::erase_if(m_subKeys, [&](const std::unique_ptr<Key>& key) { return key.get() == removed; });
}

void RegistryTree::Key::SetValue(Value value) {
  for (auto& existing : m_values) {
    if (RegNameEquals(existing.name, value.name)) {
      existing.type = value.type;
      existing.data = std::move(value.data);
      return;
    }
  }
  m_values.push_back(std::move(value));
}

void RegistryTree::Key::RemoveValue(std::string_view name) {
  std::erase_if(m_values, [&](const Value& value) { return RegNameEquals(value.name, name); });
}

const RegistryTree::Key* RegistryTree::Find(std::string_view path) const {
  const Key* key = &m_top;
  for (std::string_view name : SplitRegPath(path)) {
    key = key->FindSubKey(name);
    if (key == nullptr) return nullptr;
  }
  return key;
}

RegistryTree::Key* RegistryTree::Create(std::string_view path) {
  Key* key = &m_top;
  for (std::string_view name : SplitRegPath(path)) key = key->FindOrAddSubKey(name);
  return key;
}

void RegistryTree::Remove(std::string_view path) {
  std::vector<std::string_view> names = SplitRegPath(path);
  if (names.empty()) return;
  const std::string_view last = names.back();
  names.pop_back();
  Key* parent = &m_top;
  for (std::string_view name : names) {
    parent = parent->FindSubKey(name);
    if (parent == nullptr) return;
  }
  parent->RemoveSubKey(last);
}

}  // namespace platform
