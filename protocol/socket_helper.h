// CSocketHelper / CNetHelper: one TCP socket of a protocol command.
//
// A command makes a CNetHelper on its stack, connects, sends its request and
// reads the answer; the destructor closes an owned socket on every path.
// Send and receive failures are thrown as vxpp::VxppError: kSocket with the
// error in the Windows numbering (0 for a send that moved no byte, 10054
// when the peer closed), kTimeout when a wait ran out, kAborted when the
// owner's abort signal ended a wait, and what a transfer guard throws
// (kStalled, kDeadline) when one watches the helper; the command that owns
// the helper catches them.  One thread uses a helper at a time; the abort signal may be
// raised from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "protocol/client_limits.h"
#include "protocol/socket_api.h"
#include "protocol/transfer_guard.h"
#include "protocol/vxpp_error.h"

class CSocketHelper {
 public:
  // A time-out of all bits set stands for the default wait of 5000 ms.
  static constexpr uint32_t kDefaultWait = 0xFFFFFFFFu;
  static constexpr uint32_t kDefaultWaitMs = 5000;

  // `api`, `abort` and `guard` (both may be null) must outlive the helper.
  // A guard cuts every wait to what its window and ceiling leave and counts
  // every byte received.
  explicit CSocketHelper(vxpp::SocketApi* api = vxpp::SocketApi::Default(),
                         const vxpp::AbortSignal* abort = nullptr, vxpp::CTransferGuard* guard = nullptr);
  ~CSocketHelper();
  CSocketHelper(const CSocketHelper&) = delete;
  CSocketHelper& operator=(const CSocketHelper&) = delete;

  // Resolves `host`, opens a socket and connects without a time-out.  On
  // failure the last error is recorded and no socket is kept; a raised abort
  // signal fails at once with 10004.
  bool Connect(const std::string& host, uint32_t port);
  // The same, giving up after `timeoutMs` with last error 10060; a time-out
  // of 0 is the blocking connect.
  bool ConnectTimeout(const std::string& host, uint32_t port, uint32_t timeoutMs);

  // True when data can be read within the time-out, false when it ran out;
  // a failed or aborted wait throws.
  bool WaitReadable(uint32_t timeoutMs);

  void SendAll(const void* bytes, size_t length);
  // SendAll of the whole text; the text is cleared afterwards.
  void SendText(std::string& text);
  // Exactly `length` bytes; each wait for more may take `timeoutMs`.
  void RecvExact(void* buffer, size_t length, uint32_t timeoutMs = kDefaultWait);
  // Everything up to and including `terminator`; no byte after it is taken
  // from the socket.  Each byte may take `timeoutMs` to arrive.  More than
  // kMaxHeaderBlockBytes without the terminator throws kTooLarge.
  std::string RecvUntil(const std::string& terminator, uint32_t timeoutMs);
  // RecvUntil with "\r\n\r\n".
  std::string RecvHeaders(uint32_t timeoutMs);
  // Appends exactly `length` bytes to *out.  The text grows as the bytes
  // arrive, so a length the peer never sends costs no memory up front.
  void RecvAppend(std::string* out, size_t length, uint32_t timeoutMs = kDefaultWait);
  // Receives what has arrived, at most `capacity` bytes, waiting
  // `timeoutMs` for the first one; 0 when the peer closed.
  size_t RecvAvailable(void* buffer, size_t capacity, uint32_t timeoutMs = kDefaultWait);
  // The same, but a peer that closed throws 10054: never 0.
  size_t RecvSome(void* buffer, size_t capacity, uint32_t timeoutMs = kDefaultWait);
  // As RecvSome, but the bytes stay queued for the next receive.
  size_t PeekSome(void* buffer, size_t capacity, uint32_t timeoutMs = kDefaultWait);

  void Close();

  // Watches the helper with `guard` from now on (null: none); for a socket
  // that outlives one command and takes each command's guard in turn.
  void SetGuard(vxpp::CTransferGuard* guard) { m_guard = guard; }

  bool IsValid() const { return m_socket != vxpp::kInvalidSocket; }
  uint32_t LastError() const { return m_lastError; }

 private:
  bool Open(const std::string& host, uint32_t* address);
  void Fail(int error);
  // Waits for readable data or throws (kTimeout when none came).
  void AwaitData(uint32_t timeoutMs);
  // One receive (or peek) of what has arrived; 0 when the peer closed.
  size_t ReceiveNow(void* buffer, size_t capacity, bool peek);
  // The same after waiting up to `timeoutMs` when nothing has arrived.
  size_t Receive(void* buffer, size_t capacity, uint32_t timeoutMs, bool peek);

  bool m_owned = false;
  uint32_t m_lastError = 0;
  vxpp::SocketHandle m_socket = vxpp::kInvalidSocket;
  vxpp::SocketApi* m_api;
  const vxpp::AbortSignal* m_abort;
  vxpp::CTransferGuard* m_guard;
};

// The socket a command makes on its stack.
class CNetHelper : public CSocketHelper {
 public:
  using CSocketHelper::CSocketHelper;
};
