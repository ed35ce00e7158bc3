#include "tools/vxpp-server/vxpp_request.h"

#include <cerrno>
#include <cstdlib>

namespace vxpp_server {

bool VxppRequest::Parse(const std::string& block) {
  headers.clear();
  size_t lineEnd = block.find("\r\n");
  const std::string line = block.substr(0, lineEnd);
  const size_t first = line.find(' ');
  const size_t last = line.rfind(' ');
  if (first == std::string::npos || first == last) return false;
  command = line.substr(0, first);
  url = line.substr(first + 1, last - first - 1);
  version = line.substr(last + 1);
  if (command.empty() || version.rfind("VXPP/", 0) != 0) return false;
  while (lineEnd != std::string::npos) {
    const size_t start = lineEnd + 2;
    lineEnd = block.find("\r\n", start);
    const std::string header = block.substr(start, lineEnd == std::string::npos ? lineEnd : lineEnd - start);
    const size_t colon = header.find(':');
    if (colon == std::string::npos) continue;
    const size_t value = header.find_first_not_of(" \t", colon + 1);
    headers.emplace_back(header.substr(0, colon), value == std::string::npos ? "" : header.substr(value));
  }
  return true;
}

const std::string* VxppRequest::Find(const std::string& name) const {
  for (const auto& header : headers)
    if (header.first == name) return &header.second;
  return nullptr;
}

std::string VxppRequest::Text(const std::string& name) const {
  const std::string* value = Find(name);
  return value ? *value : std::string();
}

int64_t VxppRequest::Number(const std::string& name, int64_t fallback) const {
  const std::string* value = Find(name);
  if (value == nullptr || value->empty()) return fallback;
  char* end = nullptr;
  errno = 0;
  const long long number = std::strtoll(value->c_str(), &end, 10);
  if (end == value->c_str() || errno != 0) return fallback;
  return number;
}

std::string VxppResponse::Head(const std::string& version, const std::string& cseq) const {
  std::string text = version + " " + std::to_string(status) + " " + reason + "\r\nCSeq: " + cseq + "\r\n";
  for (const auto& [name, value] : headers) text += name + ": " + value + "\r\n";
  text += "\r\n";
  return text;
}

}  // namespace vxpp_server
