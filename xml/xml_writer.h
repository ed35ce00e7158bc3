// Writing an XmlTree back as text, in the one form the system writes:
// a declaration line and a blank line, then the elements indented by three
// spaces per level, attribute values and contents written as stored.
#pragma once

#include <string>

#include "xml/xml_tree.h"

// The whole document as text.  A tree without root gives the declaration only.
std::string FormatXmlTree(const XmlTree& tree);

// Writes the document to `path` (opened "w"), flushed and committed to disk
// before it is closed.  False, with error 2, when it cannot be written.
bool SaveXmlTree(const XmlTree& tree, const std::string& path);
