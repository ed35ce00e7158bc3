#include "protocol/multipart_message.h"

#include <stdexcept>

#include "protocol/client_limits.h"
#include "protocol/socket_helper.h"
#include "protocol/vxpp_error.h"

MultipartMessage::SocketInputStream::SocketInputStream(CSocketHelper& socket) : m_socket(socket) {}

bool MultipartMessage::SocketInputStream::eof() { return m_ended; }

void MultipartMessage::SocketInputStream::close() {
  m_socket.Close();
  m_ended = true;
}

char MultipartMessage::SocketInputStream::get() {
  if (m_ended) return 0;
  if (m_position == m_filled) {
    if (!m_socket.IsValid()) {
      m_ended = true;
      return 0;
    }
    // A server that stops sending must not hold the command forever: the
    // wait is the socket's default one.
    const size_t got = m_socket.RecvAvailable(m_buffer, kBufferSize);
    if (got == 0) {
      m_ended = true;
      return 0;
    }
    m_filled = got;
    m_position = 0;
  }
  return m_buffer[m_position++];
}

MultipartMessage::MultipartMessage(InputStream& input) : m_input(input) {
  ReadHeaders(&m_headers);
  const auto type = m_headers.find("Content-Type");
  if (type == m_headers.end()) throw std::logic_error("does not have Content-Type");
  const size_t at = type->second.find("boundary=");
  if (at == std::string::npos) throw std::invalid_argument("boundary not found");
  const std::string rest = type->second.substr(at + 9);
  m_boundary = rest.substr(0, rest.find_first_of(" \t"));
  // The preamble runs up to the first boundary line.
  for (;;) {
    const std::string line = ReadLine();
    if (line.empty()) {
      End();
      return;
    }
    if (IsBoundaryLine(line)) {
      if (IsClosingBoundary(line)) End();
      return;
    }
  }
}

std::string MultipartMessage::ReadLine() {
  std::string line;
  while (!m_input.eof()) {
    const char c = m_input.get();
    if (m_input.eof()) break;
    line += c;
    if (c == '\n' && line.size() >= 2 && line[line.size() - 2] == '\r') break;
    vxpp::CheckLimit(line.size(), vxpp::kMaxRecordBytes, "multipart line");
  }
  return line;
}

void MultipartMessage::ReadHeaders(HeaderMap* headers) {
  headers->clear();
  for (;;) {
    const std::string line = ReadLine();
    if (line.empty() || line == "\r\n") return;
    vxpp::CheckLimit(headers->size() + 1, vxpp::kMaxMultipartHeaders, "multipart headers");
    const size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    size_t value = colon + 1;
    while (value < line.size() && (line[value] == ' ' || line[value] == '\t')) ++value;
    const size_t end = line.find_first_of("\r", value);
    (*headers)[line.substr(0, colon)] = line.substr(value, end == std::string::npos ? end : end - value);
  }
}

bool MultipartMessage::IsBoundaryLine(const std::string& line) const {
  return line.size() >= m_boundary.size() + 4 && line.compare(0, 2, "--") == 0 &&
         line.compare(2, m_boundary.size(), m_boundary) == 0;
}

bool MultipartMessage::IsClosingBoundary(const std::string& line) const {
  return line.compare(2 + m_boundary.size(), 2, "--") == 0;
}

void MultipartMessage::End() {
  m_input.close();
  m_ended = true;
}

bool MultipartMessage::NextPart(std::string* body) {
  body->clear();
  m_partHeaders.clear();
  if (m_ended) return false;
  ReadHeaders(&m_partHeaders);
  for (;;) {
    std::string line = ReadLine();
    if (line.empty()) {
      // The stream ended inside the part: what came is the part.
      End();
      return !body->empty() || !m_partHeaders.empty();
    }
    if (IsBoundaryLine(line)) {
      // The CR LF in front of a boundary line belongs to the boundary.
      if (body->size() >= 2 && body->compare(body->size() - 2, 2, "\r\n") == 0) body->resize(body->size() - 2);
      if (IsClosingBoundary(line)) End();
      return true;
    }
    *body += line;
    vxpp::CheckLimit(body->size(), vxpp::kMaxRecordBytes, "multipart part");
  }
}
