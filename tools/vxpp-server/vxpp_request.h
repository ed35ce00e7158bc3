// VxppRequest and VxppResponse: a request as the server parses it and the
// answer it writes.  Both are reused by every command of the server.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/large_text.h"

namespace vxpp_server {

class ServerConnection;

struct VxppRequest {
  std::string command;  // "USERLOGIN"
  std::string url;
  std::string version;  // "VXPP/1.0"
  std::vector<std::pair<std::string, std::string>> headers;  // in arrival order

  // Parses a header block: request line, then "Name: value" lines (blanks
  // after the colon skipped).  False when the request line is malformed.
  bool Parse(const std::string& block);
  // The value of the first header with exactly this name (no colon).
  const std::string* Find(const std::string& name) const;
  std::string Text(const std::string& name) const;
  // The header as a decimal number; `fallback` when absent or not a number.
  int64_t Number(const std::string& name, int64_t fallback = 0) const;
};

struct VxppResponse {
  int status = 200;
  std::string reason = "OK";
  std::vector<std::pair<std::string, std::string>> headers;
  std::string body;  // bytes written after the header block
  // Bytes written after the body: the records of a large answer, built in
  // large memory as the search runs.
  platform::LargeText records;
  // Run after the answer is written, when it has status 200, for an
  // exchange that goes on (the client acknowledges, the server sends
  // more).  Returns whether the connection can carry another request.
  std::function<bool(ServerConnection&)> followUp;

  void Add(std::string name, std::string value) { headers.emplace_back(std::move(name), std::move(value)); }
  void Add(std::string name, int64_t value) { Add(std::move(name), std::to_string(value)); }
  void Fail(int code, std::string why) {
    status = code;
    reason = std::move(why);
  }
  // "<version> <status> <reason>\r\nCSeq: <cseq>\r\n" then the headers and
  // an empty line; the body follows it on the wire.
  std::string Head(const std::string& version, const std::string& cseq) const;
};

}  // namespace vxpp_server
