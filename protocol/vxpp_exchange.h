// The exchange that every VXPP command makes: connect, send one request,
// read and judge one answer, close.
//
// CExchanger holds what the exchanges of one client share: the socket API,
// the port and connect time-out, the CSeq counter (post-incremented by every
// request sent, whatever the command), the last URL and its host, and the
// abort signal.  The free functions are the request and body pieces that
// the commands have in common.
//
// Every exchange runs under a transfer guard of the exchanger's
// TransferLimits (client_limits.h): from the connect on, the server must
// keep the pace of its window and be done within the ceiling.  A failed
// exchange says why on the debug output, logger "VXPP": the command word
// and the reason ("EVENTLOG: description length: 2147483647 (limit 65536)").
//
// Threads: an exchanger is used by one thread at a time; Abort may be
// called from any other thread and ends the exchange under way (a blocked
// connect, send or wait) within moments.  The socket API must outlive it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "protocol/abort_signal.h"
#include "protocol/client_limits.h"
#include "protocol/socket_helper.h"

namespace vxpp {

// How a command reads its answer.
struct AnswerShape {
  const char* version;       // protocol text the status follows
  const char* otherVersion;  // tried when `version` is absent, or null
  uint32_t headerTimeoutMs;  // per byte of the header block
  bool waitsForAnswer;       // first byte awaited in CExchanger::kAnswerWaitMs waits
  // Not 0: the first byte is awaited in one wait of this long instead, and
  // the command fails when none came (the backup commands' 60 s).
  uint32_t singleWaitMs = 0;
};

// How far an exchange got.
enum class Outcome { kNoConnection, kTransportFailure, kNoStatus, kStatus };

struct Answer {
  Outcome outcome = Outcome::kNoConnection;
  int status = -1;
  std::string headers;
  // kTransportFailure: why, as the debug output says it ("socket error 10054").
  std::string failure;
  bool Ok() const { return outcome == Outcome::kStatus && status == 200; }
};

// Makes the request text with the CSeq value it is given.
using RequestBuilder = std::function<std::string(int cseq)>;
// Sends what follows the request (binary payloads).
using SocketStep = std::function<void(CNetHelper& net)>;
// Reads the body of a status-200 answer; may throw VxppError.
using BodyReader = std::function<void(CNetHelper& net, const std::string& headers)>;

// The host part of a URL: after the first "://" up to the next "/"; empty
// when the URL has no "://".
std::string HostFromUrl(const std::string& url);

// The request line, "CSeq" and "User-Session-No", then the header lines
// `more` (each ending in CR LF) and the empty line.
std::string SessionRequest(const char* word, const std::string& url, const char* version, int cseq,
                           uint32_t session, const std::string& more);

// Receives the number of bytes that the header `lengthName` ("%d") of
// `headers` gives (0 when absent) and appends them to *body; a negative
// length throws VxppError kMalformed, one above kMaxBodyBytes kTooLarge.
void ReceiveSized(CNetHelper& net, const std::string& headers, const char* lengthName, std::string* body);

// True when the answer carries a non-empty "Error:" token.
bool HasServerError(const std::string& headers);

class CExchanger {
 public:
  static constexpr uint32_t kDefaultPort = 5160;
  static constexpr uint32_t kDefaultConnectTimeoutMs = 1000;
  // The wait for the first byte of an answer is made of waits of this
  // length, repeated until the transfer guard's window ends them.
  static constexpr uint32_t kAnswerWaitMs = 5000;

  explicit CExchanger(SocketApi* api) : m_api(api) {}

  void SetPort(uint32_t port) { m_port = port; }
  // Milliseconds; 0 selects the connect without time-out.
  void SetConnectTimeout(uint32_t timeoutMs) { m_connectTimeout = timeoutMs; }
  void SetTransferLimits(const TransferLimits& limits) { m_limits = limits; }
  const TransferLimits& Limits() const { return m_limits; }

  // One exchange: connect to `url`, send the request that `build` makes
  // with the next CSeq, run `payload`, read and judge the answer's header
  // block and, on status 200, run `body`.  Whatever the socket steps or the
  // body reader throw ends the exchange as kTransportFailure.  A connection
  // that fails (or an abort raised before it) takes no CSeq.
  Answer Exchange(const std::string& url, const AnswerShape& shape, const RequestBuilder& build,
                  const SocketStep& payload = {}, const BodyReader& body = {});
  // An exchange whose request is SessionRequest without further headers.
  Answer SessionCommand(const std::string& url, uint32_t session, const char* word, const AnswerShape& shape);
  // An exchange whose answer is "Content-Length:" bytes; *body gets them
  // only when the whole answer came.
  bool ContentAnswer(const std::string& url, const AnswerShape& shape, const RequestBuilder& build,
                     std::string& body);

  // Raised by Abort (any thread), it ends the exchange under way and fails
  // every later one without contacting the server, until ResetAbort.
  void Abort() { m_abort.Raise(); }
  void ResetAbort() { m_abort.Clear(); }
  void SetWaitTick(std::function<void()> tick) { m_abort.SetTick(std::move(tick)); }
  bool AbortSignalled() const { return m_abort.Raised(); }

  SocketApi* Api() const { return m_api; }
  uint32_t NextCSeq() const { return m_sequence; }
  const std::string& Host() const { return m_host; }
  const std::string& Url() const { return m_url; }
  uint32_t Port() const { return m_port; }
  uint32_t ConnectTimeout() const { return m_connectTimeout; }

 private:
  bool ConnectTo(const std::string& url, CNetHelper& net);
  void AwaitAnswer(CNetHelper& net);

  SocketApi* m_api;
  AbortSignal m_abort;
  uint32_t m_sequence = 0;
  std::string m_host;
  std::string m_url;
  uint32_t m_port = kDefaultPort;
  uint32_t m_connectTimeout = kDefaultConnectTimeoutMs;
  TransferLimits m_limits;
};

}  // namespace vxpp
