#include "protocol/socket_helper.h"

#include <algorithm>
#include <cstring>

#include "protocol/socket_errors.h"

namespace {

uint32_t EffectiveWait(uint32_t timeoutMs) {
  return timeoutMs == CSocketHelper::kDefaultWait ? CSocketHelper::kDefaultWaitMs : timeoutMs;
}

// How many bytes one peek looks at while a header block is read.  The bytes
// are only looked at; what is taken off the socket ends at the terminator.
constexpr size_t kPeekChunk = 4096;

}  // namespace

CSocketHelper::CSocketHelper(vxpp::SocketApi* api) : m_api(api) {}

CSocketHelper::~CSocketHelper() {
  if (m_owned) Close();
}

bool CSocketHelper::Open(const std::string& host, uint32_t* address) {
  Close();
  int error = m_api->ResolveIPv4(host, address);
  if (error == 0) error = m_api->Open(&m_socket);
  if (error != 0) {
    m_socket = vxpp::kInvalidSocket;
    m_lastError = static_cast<uint32_t>(error);
    return false;
  }
  return true;
}

void CSocketHelper::Fail(int error) {
  m_lastError = static_cast<uint32_t>(error);
  m_api->Close(m_socket);
  m_socket = vxpp::kInvalidSocket;
  m_owned = false;
}

bool CSocketHelper::Connect(const std::string& host, uint32_t port) {
  return ConnectTimeout(host, port, 0);
}

bool CSocketHelper::ConnectTimeout(const std::string& host, uint32_t port, uint32_t timeoutMs) {
  uint32_t address = 0;
  if (!Open(host, &address)) return false;
  const int error = m_api->Connect(m_socket, address, static_cast<uint16_t>(port), timeoutMs);
  if (error != 0) {
    Fail(error);
    return false;
  }
  m_owned = true;
  m_lastError = 0;
  return true;
}

bool CSocketHelper::WaitReadable(uint32_t timeoutMs, bool* failed, int* error) {
  int waitError = 0;
  const int ready = m_api->WaitReadable(m_socket, EffectiveWait(timeoutMs), &waitError);
  if (ready < 0) {
    if (failed) *failed = true;
    if (error) *error = waitError;
    return false;
  }
  return ready > 0;
}

void CSocketHelper::AwaitData(uint32_t timeoutMs) {
  bool failed = false;
  int error = 0;
  if (WaitReadable(timeoutMs, &failed, &error)) return;
  throw failed ? error : 0;
}

void CSocketHelper::SendAll(const void* bytes, size_t length) {
  const auto* next = static_cast<const char*>(bytes);
  while (length > 0) {
    int error = 0;
    const long sent = m_api->Send(m_socket, next, length, &error);
    if (sent < 0) throw error;
    if (sent == 0) throw 0;
    next += sent;
    length -= static_cast<size_t>(sent);
  }
}

void CSocketHelper::SendText(std::string& text) {
  SendAll(text.data(), text.size());
  text.clear();
}

void CSocketHelper::RecvExact(void* buffer, size_t length, uint32_t timeoutMs) {
  auto* next = static_cast<char*>(buffer);
  while (length > 0) {
    const size_t got = Receive(next, length, timeoutMs, false);
    next += got;
    length -= got;
  }
}

std::string CSocketHelper::RecvUntil(const std::string& terminator, uint32_t timeoutMs) {
  // Peek at what has arrived, find the terminator in it (it may straddle two
  // arrivals) and take off the socket only the bytes up to its end, so that
  // the body behind a header block is left for an exact-length read.
  std::string received;
  char chunk[kPeekChunk];
  while (received.size() < terminator.size() ||
         received.compare(received.size() - terminator.size(), terminator.size(), terminator) != 0) {
    AwaitData(timeoutMs);
    int error = 0;
    const long seen = m_api->Recv(m_socket, chunk, sizeof chunk, true, &error);
    if (seen < 0) throw error;
    if (seen == 0) throw vxpp::kWsaEconnreset;
    // Search from where a terminator starting in the old bytes could begin.
    const size_t keep = std::min(received.size(), terminator.size() - 1);
    std::string window = received.substr(received.size() - keep);
    window.append(chunk, static_cast<size_t>(seen));
    const size_t found = window.find(terminator);
    const size_t take = found == std::string::npos ? static_cast<size_t>(seen)
                                                   : found + terminator.size() - keep;
    const long got = m_api->Recv(m_socket, chunk, take, false, &error);
    if (got < 0) throw error;
    if (got == 0) throw vxpp::kWsaEconnreset;
    received.append(chunk, static_cast<size_t>(got));
  }
  return received;
}

void CSocketHelper::RecvAppend(std::string* out, size_t length, uint32_t timeoutMs) {
  // Grows in steps so that a hostile length is paid for only by bytes that came.
  constexpr size_t kStep = 1 << 20;
  while (length > 0) {
    const size_t piece = std::min(length, kStep);
    const size_t at = out->size();
    out->resize(at + piece);
    try {
      RecvExact(out->data() + at, piece, timeoutMs);
    } catch (int) {
      out->resize(at);
      throw;
    }
    length -= piece;
  }
}

size_t CSocketHelper::Peek(void* buffer, size_t capacity, uint32_t timeoutMs) {
  return Receive(buffer, capacity, timeoutMs, true);
}

size_t CSocketHelper::RecvSome(void* buffer, size_t capacity, uint32_t timeoutMs) {
  return Receive(buffer, capacity, timeoutMs, false);
}

size_t CSocketHelper::Receive(void* buffer, size_t capacity, uint32_t timeoutMs, bool peek) {
  AwaitData(timeoutMs);
  int error = 0;
  const long got = m_api->Recv(m_socket, buffer, capacity, peek, &error);
  if (got < 0) throw error;
  if (got == 0) throw vxpp::kWsaEconnreset;
  return static_cast<size_t>(got);
}

std::string CSocketHelper::RecvHeaders(uint32_t timeoutMs) { return RecvUntil("\r\n\r\n", timeoutMs); }

void CSocketHelper::Close() {
  if (m_socket != vxpp::kInvalidSocket) m_api->Close(m_socket);
  m_socket = vxpp::kInvalidSocket;
  m_owned = false;
}
