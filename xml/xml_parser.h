// XmlParser: builds an XmlTree from the events of one Expat stream parser.
//
// One parser reads one document, from a file or from pieces of memory, and
// is used from one thread.  Failures are recorded in the per-thread last
// error of the tree layer (xml_tree.h).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "xml/xml_tree.h"

struct XML_ParserStruct;

class XmlParser {
 public:
  // Files are read and handed to Expat in pieces of this size.
  static constexpr size_t kChunkSize = 50000;

  // Creates the Expat parser.  White space around the contents of an
  // element is always dropped at its end tag.
  XmlParser();
  // Frees the Expat parser; a tree not taken is freed with it.
  ~XmlParser();
  XmlParser(const XmlParser&) = delete;
  XmlParser& operator=(const XmlParser&) = delete;

  // Reads the file "rb" in chunks, the last one marked final.  A file that
  // cannot be opened or read sets error 2, a rejected document error 4.
  bool LoadFile(const std::string& path);
  // Feeds one piece of a document held in memory.
  bool Parse(const char* data, size_t size, bool isFinal);

  // The document read so far; the parser keeps an empty tree afterwards.
  std::unique_ptr<XmlTree> TakeTree();

 private:
  static void OnXmlDecl(void* self, const char* version, const char* encoding, int standalone);
  static void OnStartElement(void* self, const char* name, const char** attributes);
  static void OnEndElement(void* self, const char* name);
  static void OnCharacterData(void* self, const char* text, int length);
  // Turns an allocation failure inside a handler into an aborted parse.
  template <typename Action>
  void Guarded(Action action);

  XML_ParserStruct* m_expat = nullptr;
  std::unique_ptr<XmlTree> m_tree;
  XmlElement* m_current = nullptr;
  std::vector<XmlElement*> m_stack;
  bool m_outOfMemory = false;
};
