#include "xml/xml_parser.h"

#include <expat.h>

#include <climits>
#include <cstdio>
#include <new>

XmlParser::XmlParser() : m_expat(XML_ParserCreate(nullptr)), m_tree(std::make_unique<XmlTree>()) {
  if (m_expat == nullptr) return;
  XML_SetUserData(m_expat, this);
  XML_SetXmlDeclHandler(m_expat, &XmlParser::OnXmlDecl);
  XML_SetElementHandler(m_expat, &XmlParser::OnStartElement, &XmlParser::OnEndElement);
  XML_SetCharacterDataHandler(m_expat, &XmlParser::OnCharacterData);
}

XmlParser::~XmlParser() {
  if (m_expat != nullptr) XML_ParserFree(m_expat);
}

bool XmlParser::LoadFile(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    SetXmlLastError(kXmlErrorFile);
    return false;
  }
  std::vector<char> chunk(kChunkSize);
  bool ok = true;
  for (;;) {
    const size_t n = std::fread(chunk.data(), 1, chunk.size(), file);
    if (std::ferror(file)) {
      SetXmlLastError(kXmlErrorFile);
      ok = false;
      break;
    }
    const bool isFinal = std::feof(file) != 0;
    if (!Parse(chunk.data(), n, isFinal)) {
      ok = false;
      break;
    }
    if (isFinal) break;
  }
  std::fclose(file);
  return ok;
}

bool XmlParser::Parse(const char* data, size_t size, bool isFinal) {
  if (m_expat == nullptr) {
    SetXmlLastError(kXmlErrorNoMemory);
    return false;
  }
  // Expat takes an int length; a larger piece is fed in parts.
  while (size > static_cast<size_t>(INT_MAX)) {
    if (!Parse(data, static_cast<size_t>(INT_MAX), false)) return false;
    data += INT_MAX;
    size -= static_cast<size_t>(INT_MAX);
  }
  if (XML_Parse(m_expat, data, static_cast<int>(size), isFinal ? 1 : 0) != XML_STATUS_ERROR)
    return true;
  const bool noMemory = m_outOfMemory || XML_GetErrorCode(m_expat) == XML_ERROR_NO_MEMORY;
  SetXmlLastError(noMemory ? kXmlErrorNoMemory : kXmlErrorParse);
  return false;
}

std::unique_ptr<XmlTree> XmlParser::TakeTree() {
  std::unique_ptr<XmlTree> tree = std::move(m_tree);
  m_tree = std::make_unique<XmlTree>();
  m_current = nullptr;
  m_stack.clear();
  return tree;
}

template <typename Action>
void XmlParser::Guarded(Action action) {
  try {
    action();
  } catch (const std::bad_alloc&) {
    m_outOfMemory = true;
    XML_StopParser(m_expat, XML_FALSE);
  }
}

void XmlParser::OnXmlDecl(void* self, const char* version, const char* encoding, int standalone) {
  auto* parser = static_cast<XmlParser*>(self);
  parser->Guarded([&] {
    if (version) parser->m_tree->version = version;
    if (encoding) parser->m_tree->encoding = encoding;
    parser->m_tree->standalone = standalone == 1;
  });
}

void XmlParser::OnStartElement(void* self, const char* name, const char** attributes) {
  auto* parser = static_cast<XmlParser*>(self);
  parser->Guarded([&] {
    auto element = std::make_unique<XmlElement>(name);
    for (const char** a = attributes; a[0] != nullptr; a += 2) element->SetAttribute(a[0], a[1]);
    XmlTree& tree = *parser->m_tree;
    if (!tree.root) {
      tree.root = std::move(element);
      parser->m_current = tree.root.get();
      return;
    }
    // A second top-level element cannot reach here: Expat rejects it first.
    parser->m_stack.push_back(parser->m_current);
    parser->m_current = parser->m_current->AppendChild(std::move(element));
  });
}

void XmlParser::OnEndElement(void* self, const char* /*name*/) {
  auto* parser = static_cast<XmlParser*>(self);
  if (parser->m_current != nullptr) parser->m_current->TrimContents();
  if (parser->m_stack.empty()) {
    parser->m_current = nullptr;
    return;
  }
  parser->m_current = parser->m_stack.back();
  parser->m_stack.pop_back();
}

void XmlParser::OnCharacterData(void* self, const char* text, int length) {
  auto* parser = static_cast<XmlParser*>(self);
  if (parser->m_current == nullptr) return;
  parser->Guarded([&] { parser->m_current->AppendContents(std::string_view(text, static_cast<size_t>(length))); });
}
