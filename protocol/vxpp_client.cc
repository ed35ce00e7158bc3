#include "protocol/vxpp_client.h"

#include "protocol/format_text.h"
#include "protocol/header_reader.h"
#include "protocol/result_codes.h"

CVXPPClient::CVXPPClient(vxpp::SocketApi* api)
    : m_scratch(kScratchSize, '\0'), m_longOperation(api), m_referenceTime(CDateTime::Now()), m_api(api) {}

CVXPPClient::~CVXPPClient() {
  m_longOperation.Close();
  DestroyPlaybackClients();
}

bool CVXPPClient::Abort() {
  m_abortSignalled.store(true);
  m_longOperation.Close();
  return true;
}

bool CVXPPClient::ResetAbort() {
  m_abortSignalled.store(false);
  return true;
}

std::string CVXPPClient::TimeSequenceLines() const {
  std::string lines;
  for (int i = 0; i < kTimeSequenceCount; ++i) {
    if (m_timeSequences.inUse[i] != 1) continue;
    lines += vxpp::FormatText("Select-Time-Seq_%d: %d-%d\r\n", i, static_cast<int>(m_timeSequences.start[i]),
                              static_cast<int>(m_timeSequences.end[i]));
  }
  return lines;
}

std::string CVXPPClient::HostFromUrl(const std::string& url) {
  const size_t scheme = url.find("://");
  if (scheme == std::string::npos) return std::string();
  const size_t begin = scheme + 3;
  const size_t end = url.find('/', begin);
  return url.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

bool CVXPPClient::ConnectTo(const std::string& url, CNetHelper& net) {
  m_url = url;
  m_host = HostFromUrl(url);
  if (m_host.empty()) return false;
  return net.ConnectTimeout(m_host, m_port, m_connectTimeout);
}

void CVXPPClient::AwaitAnswer(CNetHelper& net) {
  // The server may take long to gather a big answer; the waits repeat while
  // it keeps the connection open, up to a bound so a page is never held forever.
  for (int wait = 0; wait < kAnswerWaitLimit; ++wait) {
    bool failed = false;
    int error = 0;
    if (net.WaitReadable(kAnswerWaitMs, &failed, &error)) return;
    if (failed) throw error;
  }
  throw 0;
}

CVXPPClient::Answer CVXPPClient::Exchange(const std::string& url, const CommandShape& shape,
                                          const RequestBuilder& build, const SocketStep& payload,
                                          const BodyReader& body) {
  Answer answer;
  CNetHelper net(m_api);
  if (!ConnectTo(url, net)) return answer;
  try {
    std::string request = build(static_cast<int>(m_sequence++));
    net.SendText(request);
    if (payload) payload(net);
    if (shape.waitsForAnswer) AwaitAnswer(net);
    answer.headers = net.RecvHeaders(shape.headerTimeoutMs);
    answer.status = vxpp::ResponseStatus(answer.headers, shape.version);
    if (answer.status < 0 && shape.otherVersion != nullptr)
      answer.status = vxpp::ResponseStatus(answer.headers, shape.otherVersion);
    answer.outcome = answer.status < 0 ? Outcome::kNoStatus : Outcome::kStatus;
    if (answer.Ok() && body) body(net, answer.headers);
  } catch (int) {
    answer.outcome = Outcome::kTransportFailure;
  }
  return answer;
}

CVXPPClient::Answer CVXPPClient::SessionCommand(const std::string& url, uint32_t session, const char* word,
                                                const CommandShape& shape) {
  return Exchange(url, shape, [&](int cseq) { return SessionRequest(word, url, shape.version, cseq, session, ""); });
}

bool CVXPPClient::HasServerError(const std::string& headers) {
  std::string error;
  return vxpp::HeaderToken(headers, "Error:", &error) && !error.empty();
}
