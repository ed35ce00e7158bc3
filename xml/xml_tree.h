// The element tree that the configuration files (filter files, language
// table and packs, the manual index) are read into.
//
// A tree owns its root element; an element owns its attributes and its child
// elements.  Elements are handed out as raw pointers that stay valid as long
// as the tree they belong to.  A tree is used from one thread at a time.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The last failure of the tree layer, kept per thread.
enum XmlError : int {
  kXmlErrorNone = 0,
  kXmlErrorNoMemory = 1,
  kXmlErrorFile = 2,   // file not opened or not read
  kXmlErrorParse = 4,  // the parser rejected the document
};
int XmlLastError();
void SetXmlLastError(int error);

struct XmlAttribute {
  std::string name;
  std::string value;
};

class XmlElement {
 public:
  explicit XmlElement(std::string name) : m_name(std::move(name)) {}
  // Frees the whole subtree without recursing, so a deeply nested document
  // cannot exhaust the stack.
  ~XmlElement();
  XmlElement(const XmlElement&) = delete;
  XmlElement& operator=(const XmlElement&) = delete;

  const std::string& Name() const { return m_name; }

  // The text of the element, or nullptr when it has none.
  const std::string* Contents() const { return m_contents ? &*m_contents : nullptr; }
  // Character data grows the contents; the first piece starts them.
  void AppendContents(std::string_view text);
  // Removes trailing white space (space, \t, \n, \v, \f, \r) and leading
  // space, \n, \r, \t and \v; contents left empty are dropped.
  void TrimContents();

  // An attribute whose name equals an existing one exactly replaces it in
  // place; any other is appended.
  void SetAttribute(std::string name, std::string value);
  const XmlAttribute* FindAttribute(std::string_view name) const;
  const std::vector<XmlAttribute>& Attributes() const { return m_attributes; }

  // Appends `child` as the last child and returns it.
  XmlElement* AppendChild(std::unique_ptr<XmlElement> child);
  // The first child named exactly `name`, or nullptr.
  XmlElement* Child(std::string_view name) const;
  // The child at `index` in document order, or nullptr when out of range.
  XmlElement* ChildAt(size_t index) const;
  size_t ChildCount() const { return m_children.size(); }

  XmlElement* NextSibling() const { return m_next; }

 private:
  std::string m_name;
  std::optional<std::string> m_contents;
  std::vector<XmlAttribute> m_attributes;
  std::vector<std::unique_ptr<XmlElement>> m_children;
  XmlElement* m_next = nullptr;
};

struct XmlTree {
  std::string version;   // from the XML declaration; empty when none
  std::string encoding;  // likewise
  bool standalone = false;
  std::unique_ptr<XmlElement> root;
};
