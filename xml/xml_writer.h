// Writing an XmlTree back as text, in the one form the system writes:
// a declaration line and a blank line, then the elements indented by three
// spaces per level, attribute values and contents written as stored.
#pragma once

#include <string>

#include "platform/env.h"
#include "xml/xml_tree.h"

// The whole document as text.  A tree without root gives the declaration only.
std::string FormatXmlTree(const XmlTree& tree);

// Writes the document to `path` through `env` (the file emptied first),
// flushed and committed to disk before it is closed.  False, with error 2
// (kXmlErrorFile), when it was not written whole; `error`, when given, then
// says why: "<path>: No space left on device".
bool SaveXmlTree(const XmlTree& tree, const std::string& path, std::string* error = nullptr,
                 platform::Env* env = platform::Env::Default());
