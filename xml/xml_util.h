// CXmlUtil: loads one XML file and answers the two questions most readers
// ask of it -- the value of a named child element of the root and the value
// of a named attribute of the root -- with Windows-style status codes.
//
// Load may be called from any thread (files are parsed one at a time under a
// process-wide lock); the getters and the tree belong to the owning thread.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "xml/xml_tree.h"

// Status codes: the Windows error numbers of the same meaning.
constexpr uint32_t kXmlStatusOk = 0;
constexpr uint32_t kXmlStatusFileNotFound = 2;   // missing or unreadable file
constexpr uint32_t kXmlStatusFileInvalid = 1006;  // not a well-formed document
constexpr uint32_t kXmlStatusNotFound = 1168;     // no tree, element or attribute

class CXmlUtil {
 public:
  // Reads `path`, replacing the tree held before (also when it fails).
  uint32_t Load(const std::string& path);

  // Contents of the root's child element `name` (exact name) as a base-10
  // unsigned number; 0 when the element has no contents.
  uint32_t GetUIntValue(std::string_view name, uint32_t& value) const;
  // Contents of the root's child element `name`, in the system code page.
  uint32_t GetStringValue(std::string_view name, std::string& value) const;
  // The root's attribute `name` (any case), entities decoded, in the system code page.
  uint32_t GetAttributeValue(std::string_view name, std::string& value) const;

  const XmlTree* Tree() const { return m_tree.get(); }
  const XmlElement* Root() const { return m_root; }

 private:
  std::unique_ptr<XmlTree> m_tree;
  const XmlElement* m_root = nullptr;
};

// The getters' rules on any element, for readers that walk a tree.
uint32_t GetChildUIntValue(const XmlElement* parent, std::string_view name, uint32_t& value);
uint32_t GetChildStringValue(const XmlElement* parent, std::string_view name, std::string& value);

uint32_t GetElementAttributeValue(const XmlElement* element, std::string_view name, std::string& value);

// The first attribute of `element` whose name equals `name` without regard to case.
const XmlAttribute* FindAttributeNoCase(const XmlElement& element, std::string_view name);

// Replaces "&amp;", "&lt;", "&gt;", "&apos;" and "&quot;", one entity after
// the other in this order, so "&amp;lt;" ends as "<".
std::string DecodeXmlEntities(std::string value);

// A UTF-8 text of a document in the system code page; the text itself when
// the conversion yields nothing.
std::string XmlTextToSystem(const std::string& utf8);

// Replaces every occurrence of `from` in `text` by `to`, scanning on after
// each replacement (the replaced text is not scanned again).
void ReplaceAll(std::string& text, std::string_view from, std::string_view to);
