#include "xml/xml_util.h"

#include <cctype>
#include <cstdlib>
#include <mutex>
#include <string_view>
#include <utility>

#include "platform/code_page.h"
#include "xml/xml_parser.h"

namespace {

std::mutex g_loadMutex;

// The reading of a 32-bit strtoul: an optional sign, digits, and the largest
// value on overflow; a minus sign negates modulo 2^32.
uint32_t ParseUInt32(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint64_t magnitude = 0;
  bool overflow = false;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    magnitude = magnitude * 10 + static_cast<uint64_t>(text[i] - '0');
    if (magnitude > UINT32_MAX) overflow = true;
    if (overflow) magnitude = UINT32_MAX;  // keeps the accumulation bounded
  }
  if (overflow) return UINT32_MAX;
  const auto value = static_cast<uint32_t>(magnitude);
  return negative ? static_cast<uint32_t>(0u - value) : value;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

uint32_t CXmlUtil::Load(const std::string& path) {
  m_root = nullptr;
  m_tree.reset();
  std::lock_guard<std::mutex> lock(g_loadMutex);
  XmlParser parser;
  if (!parser.LoadFile(path))
    return XmlLastError() == kXmlErrorFile ? kXmlStatusFileNotFound : kXmlStatusFileInvalid;
  std::unique_ptr<XmlTree> tree = parser.TakeTree();
  if (!tree->root) return kXmlStatusFileInvalid;
  m_tree = std::move(tree);
  m_root = m_tree->root.get();
  return kXmlStatusOk;
}

uint32_t CXmlUtil::GetUIntValue(std::string_view name, uint32_t& value) const {
  return GetChildUIntValue(m_root, name, value);
}

uint32_t CXmlUtil::GetStringValue(std::string_view name, std::string& value) const {
  return GetChildStringValue(m_root, name, value);
}

uint32_t CXmlUtil::GetAttributeValue(std::string_view name, std::string& value) const {
  return GetElementAttributeValue(m_root, name, value);
}

uint32_t GetChildUIntValue(const XmlElement* parent, std::string_view name, uint32_t& value) {
  const XmlElement* element = parent ? parent->Child(name) : nullptr;
  if (element == nullptr) return kXmlStatusNotFound;
  value = element->Contents() ? ParseUInt32(*element->Contents()) : 0;
  return kXmlStatusOk;
}

uint32_t GetChildStringValue(const XmlElement* parent, std::string_view name, std::string& value) {
  const XmlElement* element = parent ? parent->Child(name) : nullptr;
  if (element == nullptr) return kXmlStatusNotFound;
  value = element->Contents() ? XmlTextToSystem(*element->Contents()) : std::string();
  return kXmlStatusOk;
}

uint32_t GetElementAttributeValue(const XmlElement* element, std::string_view name, std::string& value) {
  const XmlAttribute* attribute = element ? FindAttributeNoCase(*element, name) : nullptr;
  if (attribute == nullptr) return kXmlStatusNotFound;
  value = XmlTextToSystem(DecodeXmlEntities(attribute->value));
  return kXmlStatusOk;
}

const XmlAttribute* FindAttributeNoCase(const XmlElement& element, std::string_view name) {
  for (const auto& attribute : element.Attributes())
    if (EqualNoCase(attribute.name, name)) return &attribute;
  return nullptr;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty()) return;
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

std::string DecodeXmlEntities(std::string value) {
  constexpr std::pair<std::string_view, std::string_view> kEntities[] = {
      {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&apos;", "'"}, {"&quot;", "\""}};
  for (const auto& [entity, text] : kEntities) ReplaceAll(value, entity, text);
  return value;
}

std::string XmlTextToSystem(const std::string& utf8) {
  std::string converted = platform::Utf8ToSystem(utf8);
  return converted.empty() ? utf8 : converted;
}
