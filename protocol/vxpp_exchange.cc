#include "protocol/vxpp_exchange.h"

#include <algorithm>

#include "protocol/format_text.h"
#include "protocol/header_reader.h"
#include "protocol/logger_mgr.h"

namespace vxpp {

std::string HostFromUrl(const std::string& url) {
  const size_t scheme = url.find("://");
  if (scheme == std::string::npos) return std::string();
  const size_t begin = scheme + 3;
  const size_t end = url.find('/', begin);
  return url.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

std::string SessionRequest(const char* word, const std::string& url, const char* version, int cseq,
                           uint32_t session, const std::string& more) {
  return FormatText("%s %s %s\r\nCSeq: %d\r\nUser-Session-No: %u\r\n%s\r\n", word, url.c_str(), version, cseq,
                    session, more.c_str());
}

void ReceiveSized(CNetHelper& net, const std::string& headers, const char* lengthName, std::string* body) {
  int32_t length = 0;
  HeaderInt(headers, lengthName, &length);
  if (length < 0) throw VxppError{VxppError::kMalformed};
  CheckLimit(static_cast<uint64_t>(length), kMaxBodyBytes, lengthName);
  net.RecvAppend(body, static_cast<size_t>(length));
}

bool HasServerError(const std::string& headers) {
  std::string error;
  return HeaderToken(headers, "Error:", &error) && !error.empty();
}

bool CExchanger::ConnectTo(const std::string& url, CNetHelper& net) {
  m_url = url;
  m_host = HostFromUrl(url);
  if (m_host.empty()) return false;
  return net.ConnectTimeout(m_host, m_port, m_connectTimeout);
}

void CExchanger::AwaitAnswer(CNetHelper& net) {
  // The server may take a while to gather a big answer; the waits repeat
  // while it keeps the connection open, until the guard's window ends them.
  while (!net.WaitReadable(kAnswerWaitMs)) {
  }
}

Answer CExchanger::Exchange(const std::string& url, const AnswerShape& shape, const RequestBuilder& build,
                            const SocketStep& payload, const BodyReader& body) {
  Answer answer;
  // A command's own wait for a byte is never cut short by the pace window.
  CTransferGuard guard(m_api, m_limits, std::max({m_limits.stallWindowMs, shape.headerTimeoutMs, shape.singleWaitMs}));
  CNetHelper net(m_api, &m_abort, &guard);
  if (!ConnectTo(url, net)) return answer;
  std::string request = build(static_cast<int>(m_sequence++));
  const std::string word = request.substr(0, request.find(' '));
  try {
    net.SendText(request);
    if (payload) payload(net);
    if (shape.waitsForAnswer && shape.singleWaitMs != 0 && !net.WaitReadable(shape.singleWaitMs))
      throw VxppError{VxppError::kTimeout};
    if (shape.waitsForAnswer && shape.singleWaitMs == 0) AwaitAnswer(net);
    answer.headers = net.RecvHeaders(shape.headerTimeoutMs);
    answer.status = ResponseStatus(answer.headers, shape.version);
    if (answer.status < 0 && shape.otherVersion != nullptr)
      answer.status = ResponseStatus(answer.headers, shape.otherVersion);
    answer.outcome = answer.status < 0 ? Outcome::kNoStatus : Outcome::kStatus;
    if (answer.Ok() && body) body(net, answer.headers);
  } catch (const VxppError& error) {
    // Timed out, reset, aborted, unreadable or beyond a limit: all the same
    // failure to the caller; the debug output tells them apart.
    answer.outcome = Outcome::kTransportFailure;
    answer.failure = DescribeError(error);
    LoggerMgr::Instance().GetLogger("VXPP").Write(word + ": " + answer.failure);
  }
  return answer;
}

Answer CExchanger::SessionCommand(const std::string& url, uint32_t session, const char* word,
                                  const AnswerShape& shape) {
  return Exchange(url, shape, [&](int cseq) { return SessionRequest(word, url, shape.version, cseq, session, ""); });
}

bool CExchanger::ContentAnswer(const std::string& url, const AnswerShape& shape, const RequestBuilder& build,
                               std::string& body) {
  std::string received;
  const Answer answer = Exchange(url, shape, build, {}, [&](CNetHelper& net, const std::string& headers) {
    ReceiveSized(net, headers, "Content-Length:", &received);
  });
  if (!answer.Ok()) return false;
  body = std::move(received);
  return true;
}

}  // namespace vxpp
