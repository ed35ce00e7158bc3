#include "protocol/socket_helper.h"

#include <algorithm>
#include <cstring>

#include "protocol/abort_signal.h"
#include "protocol/socket_errors.h"

using vxpp::VxppError;

namespace {

uint32_t EffectiveWait(uint32_t timeoutMs) {
  return timeoutMs == CSocketHelper::kDefaultWait ? CSocketHelper::kDefaultWaitMs : timeoutMs;
}

// How many bytes one peek looks at while a header block is read.  The bytes
// are only looked at; what is taken off the socket ends at the terminator.
constexpr size_t kPeekChunk = 4096;

// A failed socket call: 10004 is what the socket layer reports for a wait
// that the abort signal ended.
[[noreturn]] void ThrowSocketError(int error) {
  if (error == vxpp::kWsaEintr) throw VxppError{VxppError::kAborted};
  throw VxppError{VxppError::kSocket, error};
}

}  // namespace

CSocketHelper::CSocketHelper(vxpp::SocketApi* api, const vxpp::AbortSignal* abort, vxpp::CTransferGuard* guard)
    : m_api(api), m_abort(abort), m_guard(guard) {}

CSocketHelper::~CSocketHelper() {
  if (m_owned) Close();
}

bool CSocketHelper::Open(const std::string& host, uint32_t* address) {
  Close();
  int error = m_abort != nullptr && m_abort->Raised() ? vxpp::kWsaEintr : 0;
  if (error == 0) error = m_api->ResolveIPv4(host, address);
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
  const int error = m_api->Connect(m_socket, address, static_cast<uint16_t>(port), timeoutMs, m_abort);
  if (error != 0) {
    Fail(error);
    return false;
  }
  m_owned = true;
  m_lastError = 0;
  return true;
}

bool CSocketHelper::WaitReadable(uint32_t timeoutMs) {
  const uint32_t wanted = EffectiveWait(timeoutMs);
  const uint32_t allowed = m_guard != nullptr ? m_guard->Allow(wanted) : wanted;
  int error = 0;
  const int ready = m_api->WaitReadable(m_socket, allowed, m_abort, &error);
  if (ready < 0) ThrowSocketError(error);
  if (ready == 0 && allowed < wanted) m_guard->Expired();
  return ready > 0;
}

void CSocketHelper::AwaitData(uint32_t timeoutMs) {
  if (!WaitReadable(timeoutMs)) throw VxppError{VxppError::kTimeout};
}

void CSocketHelper::SendAll(const void* bytes, size_t length) {
  const auto* next = static_cast<const char*>(bytes);
  while (length > 0) {
    int error = 0;
    const long sent = m_api->Send(m_socket, next, length, m_abort, &error);
    if (sent < 0) ThrowSocketError(error);
    if (sent == 0) throw VxppError{VxppError::kSocket, 0};
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
    const size_t got = RecvSome(next, length, timeoutMs);
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
  for (;;) {
    if (received.size() >= vxpp::kMaxHeaderBlockBytes)
      throw VxppError{VxppError::kTooLarge, 0, "header block bytes without an end", received.size(),
                      vxpp::kMaxHeaderBlockBytes};
    const size_t seen =
        PeekSome(chunk, std::min(sizeof chunk, vxpp::kMaxHeaderBlockBytes - received.size()), timeoutMs);
    // Search from where a terminator starting in the old bytes could begin.
    const size_t keep = std::min(received.size(), terminator.size() - 1);
    std::string window = received.substr(received.size() - keep);
    window.append(chunk, seen);
    const size_t found = window.find(terminator);
    const size_t take = found == std::string::npos ? seen : found + terminator.size() - keep;
    const size_t got = ReceiveNow(chunk, take, false);
    if (got == 0) throw VxppError{VxppError::kSocket, vxpp::kWsaEconnreset};
    received.append(chunk, got);
    if (found != std::string::npos && got == take) return received;
  }
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
    } catch (const VxppError&) {
      out->resize(at);
      throw;
    }
    length -= piece;
  }
}

size_t CSocketHelper::RecvAvailable(void* buffer, size_t capacity, uint32_t timeoutMs) {
  return Receive(buffer, capacity, timeoutMs, false);
}

size_t CSocketHelper::RecvSome(void* buffer, size_t capacity, uint32_t timeoutMs) {
  const size_t got = RecvAvailable(buffer, capacity, timeoutMs);
  if (got == 0) throw VxppError{VxppError::kSocket, vxpp::kWsaEconnreset};
  return got;
}

size_t CSocketHelper::PeekSome(void* buffer, size_t capacity, uint32_t timeoutMs) {
  const size_t seen = Receive(buffer, capacity, timeoutMs, true);
  if (seen == 0) throw VxppError{VxppError::kSocket, vxpp::kWsaEconnreset};
  return seen;
}

size_t CSocketHelper::Receive(void* buffer, size_t capacity, uint32_t timeoutMs, bool peek) {
  // Bytes already queued are taken without a wait; the guard's time and a
  // raised abort signal end a read as they end a wait.
  if (m_guard != nullptr) m_guard->Allow(kDefaultWaitMs);  // throws once the time is up
  if (m_abort == nullptr || !m_abort->Raised()) {
    int error = 0;
    const long got = m_api->RecvQueued(m_socket, buffer, capacity, peek, &error);
    if (got < 0 && got != vxpp::SocketApi::kNothingQueued) ThrowSocketError(error);
    if (got >= 0) {
      if (!peek && m_guard != nullptr) m_guard->Received(static_cast<size_t>(got));
      return static_cast<size_t>(got);
    }
  }
  AwaitData(timeoutMs);
  return ReceiveNow(buffer, capacity, peek);
}

size_t CSocketHelper::ReceiveNow(void* buffer, size_t capacity, bool peek) {
  int error = 0;
  const long got = m_api->Recv(m_socket, buffer, capacity, peek, &error);
  if (got < 0) ThrowSocketError(error);
  if (!peek && m_guard != nullptr) m_guard->Received(static_cast<size_t>(got));
  return static_cast<size_t>(got);
}

std::string CSocketHelper::RecvHeaders(uint32_t timeoutMs) { return RecvUntil("\r\n\r\n", timeoutMs); }

void CSocketHelper::Close() {
  if (m_socket != vxpp::kInvalidSocket) m_api->Close(m_socket);
  m_socket = vxpp::kInvalidSocket;
  m_owned = false;
}
