#include "xml/xml_tree.h"

#include <cstring>

namespace {
thread_local int t_lastError = kXmlErrorNone;

bool IsTrailingSpace(char c) { return c != '\0' && std::strchr(" \t\n\v\f\r", c) != nullptr; }
bool IsLeadingSpace(char c) { return c != '\0' && std::strchr(" \n\r\t\v", c) != nullptr; }
}  // namespace

int XmlLastError() { return t_lastError; }
void SetXmlLastError(int error) { t_lastError = error; }

XmlElement::~XmlElement() {
  std::vector<std::unique_ptr<XmlElement>> pending = std::move(m_children);
  while (!pending.empty()) {
    std::unique_ptr<XmlElement> element = std::move(pending.back());
    pending.pop_back();
    for (auto& child : element->m_children) pending.push_back(std::move(child));
    element->m_children.clear();
  }
}

void XmlElement::AppendContents(std::string_view text) {
  if (!m_contents) m_contents.emplace();
  m_contents->append(text);
}

void XmlElement::TrimContents() {
  if (!m_contents) return;
  std::string& text = *m_contents;
  size_t end = text.size();
  while (end > 0 && IsTrailingSpace(text[end - 1])) --end;
  size_t begin = 0;
  while (begin < end && IsLeadingSpace(text[begin])) ++begin;
  if (begin == end) {
    m_contents.reset();
    return;
  }
  text.erase(end);
  text.erase(0, begin);
}

void XmlElement::SetAttribute(std::string name, std::string value) {
  for (auto& attribute : m_attributes) {
    if (attribute.name == name) {
      attribute.value = std::move(value);
      return;
    }
  }
  m_attributes.push_back({std::move(name), std::move(value)});
}

const XmlAttribute* XmlElement::FindAttribute(std::string_view name) const {
  for (const auto& attribute : m_attributes)
    if (attribute.name == name) return &attribute;
  return nullptr;
}

XmlElement* XmlElement::AppendChild(std::unique_ptr<XmlElement> child) {
  XmlElement* added = child.get();
  added->m_next = nullptr;
  if (!m_children.empty()) m_children.back()->m_next = added;
  m_children.push_back(std::move(child));
  return added;
}

XmlElement* XmlElement::Child(std::string_view name) const {
  for (const auto& child : m_children)
    if (child->m_name == name) return child.get();
  return nullptr;
}

XmlElement* XmlElement::ChildAt(size_t index) const {
  return index < m_children.size() ? m_children[index].get() : nullptr;
}
