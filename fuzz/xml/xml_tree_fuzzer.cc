// Feeds the input to the tree builder in pieces whose sizes the first bytes
// choose (so element names, texts and attributes straddle piece borders as
// they do at the 50000-byte chunks of a file), then walks and writes the
// tree that came out.
#include <cstddef>
#include <cstdint>

#include "xml/xml_parser.h"
#include "xml/xml_util.h"
#include "xml/xml_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const size_t pieceSize = 1 + (static_cast<size_t>(data[0]) << 8 | data[1]) % 4096;
  data += 2;
  size -= 2;
  XmlParser parser;
  bool ok = true;
  for (size_t at = 0; ok;) {
    const size_t n = size - at < pieceSize ? size - at : pieceSize;
    const bool isFinal = at + n == size;
    ok = parser.Parse(reinterpret_cast<const char*>(data) + at, n, isFinal);
    at += n;
    if (isFinal) break;
  }
  if (!ok) return 0;
  std::unique_ptr<XmlTree> tree = parser.TakeTree();
  if (!tree->root) return 0;
  std::string value;
  uint32_t number = 0;
  for (size_t i = 0; const XmlElement* child = tree->root->ChildAt(i); ++i) {
    GetChildUIntValue(tree->root.get(), child->Name(), number);
    GetChildStringValue(tree->root.get(), child->Name(), value);
    for (const auto& attribute : child->Attributes()) value = DecodeXmlEntities(attribute.value);
  }
  FormatXmlTree(*tree);
  return 0;
}
