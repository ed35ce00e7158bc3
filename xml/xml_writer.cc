#include "xml/xml_writer.h"

#include <memory>
#include <vector>

namespace {

void Indent(std::string& out, size_t depth) { out.append(depth * 3, ' '); }

// Writes the start tag; true when the element stays open (it has contents
// or children), false when it was written as an empty tag.
bool OpenElement(std::string& out, const XmlElement& element, size_t depth) {
  Indent(out, depth);
  out += '<';
  out += element.Name();
  for (const auto& attribute : element.Attributes()) {
    out += ' ';
    out += attribute.name;
    out += "=\"";
    out += attribute.value;
    out += '"';
  }
  if (element.Contents() == nullptr && element.ChildCount() == 0) {
    out += "/>\n";
    return false;
  }
  out += element.Contents() == nullptr ? ">\n" : ">";
  return true;
}

void CloseElement(std::string& out, const XmlElement& element, size_t depth) {
  if (const std::string* contents = element.Contents())
    out += *contents;
  else
    Indent(out, depth);
  out += "</";
  out += element.Name();
  out += ">\n";
}

}  // namespace

std::string FormatXmlTree(const XmlTree& tree) {
  const char* version = tree.version.empty() ? "1.0" : tree.version.c_str();
  const char* encoding = tree.encoding.empty() ? "UTF-8" : tree.encoding.c_str();
  std::string out = "<?xml version=\"";
  out += version;
  out += "\" encoding=\"";
  out += encoding;
  out += "\" standalone=\"";
  out += tree.standalone ? "yes" : "no";
  out += "\"?>\n\n";
  if (!tree.root) return out;

  // Depth-first with an explicit stack, so nesting depth costs no call stack.
  struct Frame {
    const XmlElement* element;
    size_t nextChild;
  };
  std::vector<Frame> open;
  if (OpenElement(out, *tree.root, 0)) open.push_back({tree.root.get(), 0});
  while (!open.empty()) {
    Frame& top = open.back();
    const size_t depth = open.size() - 1;
    if (const XmlElement* child = top.element->ChildAt(top.nextChild)) {
      ++top.nextChild;
      if (OpenElement(out, *child, depth + 1)) open.push_back({child, 0});
      continue;
    }
    CloseElement(out, *top.element, depth);
    open.pop_back();
  }
  return out;
}

bool SaveXmlTree(const XmlTree& tree, const std::string& path, std::string* error, platform::Env* env) {
  std::string why;
  std::unique_ptr<platform::WritableFile> file;
  bool written = env->NewWritableFile(path, platform::WriteMode::kTruncate, &file, &why);
  if (written) {
    written = file->Append(FormatXmlTree(tree)) && file->Sync() && file->Close();
    if (!written) why = file->Error();
  }
  if (written) return true;
  SetXmlLastError(kXmlErrorFile);
  if (error != nullptr) *error = why;
  return false;
}
