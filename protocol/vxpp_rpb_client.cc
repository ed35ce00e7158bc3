#include "protocol/vxpp_rpb_client.h"

#include <algorithm>

#include "protocol/format_text.h"
#include "protocol/header_reader.h"
#include "protocol/logger_mgr.h"
#include "protocol/string_list.h"
#include "protocol/transfer_guard.h"
#include "protocol/vxpp_client.h"
#include "protocol/vxpp_exchange.h"
#include "protocol/wire_bytes.h"

namespace {

using vxpp::FormatText;
using vxpp::VxppError;

constexpr const char* kVersion = "VXPP/1.0";

// The date-time of the metadata commands, or "null" for none.
std::string MetadataTime(const CDateTime& time) {
  if (!time.IsValid()) return "null";
  const CDateTime::Fields f = time.Split();
  return FormatText("%d/%d/%d;%d:%d:%d:%d", f.year, f.month, f.day, f.hour, f.minute, f.second, f.millisecond);
}

std::string DeviceLine(int deviceId) { return FormatText("Device-Id: %d\r\n", deviceId); }

uint32_t CheckedU32(const std::string& headers, const char* name, uint64_t limit) {
  int32_t value = 0;
  vxpp::HeaderInt(headers, name, &value);
  if (value < 0) throw VxppError{VxppError::kMalformed};
  vxpp::CheckLimit(static_cast<uint64_t>(value), limit, name);
  return static_cast<uint32_t>(value);
}

}  // namespace

std::unique_ptr<IRPBClient> CVXPPClient::CreatePlaybackClient() {
  auto client = std::make_unique<CVXPPRPBClient>(m_exchange.Api(), m_exchange.Limits());
  client->SetPort(Port());
  return client;
}

CVXPPRPBClient::CVXPPRPBClient(vxpp::SocketApi* api, const vxpp::TransferLimits& limits)
    : m_receive(kReceiveBufferBytes, 0), m_api(api), m_net(api, &m_abort), m_limits(limits) {}

void CVXPPRPBClient::SetSelectTimeSeq(int index, int start, int end, int inUse) {
  if (index < 0 || index >= kTimeSequenceCount) return;
  m_seqStart[index] = static_cast<uint32_t>(start);
  m_seqEnd[index] = static_cast<uint32_t>(end);
  m_seqInUse[index] = static_cast<uint32_t>(inUse);
}

void CVXPPRPBClient::Drop() {
  m_net.Close();
  m_connected = false;
}

bool CVXPPRPBClient::Exchange(const std::function<std::string(int cseq)>& build, uint32_t headerTimeoutMs,
                              uint32_t answerWaitMs, const BodyReader& body, std::string* headers) {
  if (!m_connected) return false;
  std::string request = build(static_cast<int>(m_sequence++));
  const std::string word = request.substr(0, request.find(' '));
  vxpp::CTransferGuard guard(m_api, m_limits, std::max({m_limits.stallWindowMs, headerTimeoutMs, answerWaitMs}));
  m_net.SetGuard(&guard);
  bool ok = false;
  try {
    m_net.SendText(request);
    if (answerWaitMs != 0 && !m_net.WaitReadable(answerWaitMs)) throw VxppError{VxppError::kTimeout};
    *headers = m_net.RecvHeaders(headerTimeoutMs);
    ok = vxpp::ResponseStatus(*headers, kVersion) == 200;
    if (ok && body) body(*headers);
  } catch (const VxppError& error) {
    ok = false;
    LoggerMgr::Instance().GetLogger("VXPP").Write(word + ": " + vxpp::DescribeError(error));
    Drop();
  }
  m_net.SetGuard(nullptr);
  return ok;
}

void CVXPPRPBClient::ReceiveThroughBuffer(size_t length, uint32_t timeoutMs, std::string* out) {
  while (length > 0) {
    const size_t piece = std::min(length, m_receiveSize);
    m_net.RecvExact(m_receive.data(), piece, timeoutMs);
    out->append(m_receive.data(), piece);
    length -= piece;
  }
}

void CVXPPRPBClient::ReceiveFiles(const std::string& headers, std::vector<std::string>* files) {
  const uint32_t count = CheckedU32(headers, "File-Count:", vxpp::kMaxPlaybackFiles);
  for (uint32_t i = 0; i < count; ++i) {
    char length[4];
    m_net.RecvExact(length, sizeof length);
    const uint32_t bytes = vxpp::GetU32(length);
    vxpp::CheckLimit(bytes, vxpp::kMaxPlaybackFileEntryBytes, "file entry length");
    files->emplace_back();
    ReceiveThroughBuffer(bytes, CSocketHelper::kDefaultWait, &files->back());
  }
}

int CVXPPRPBClient::SetupFileInfo(const std::string& url, uint32_t session, const CDateTime& start,
                                  const CDateTime& end, uint32_t cameraIndex, uint32_t recordIndex) {
  Drop();
  m_url = url;
  m_host = vxpp::HostFromUrl(url);
  if (m_host.empty() || !m_net.Connect(m_host, m_port)) return -1;
  m_connected = true;
  const CDateTime::Fields s = start.Split(), e = end.Split();
  std::string sequences;
  for (int i = 0; i < kTimeSequenceCount; ++i)
    if (m_seqInUse[i] == 1)
      sequences += FormatText("Select-Time-Seq: %d-%d\r\n", static_cast<int>(m_seqStart[i]),
                              static_cast<int>(m_seqEnd[i]));
  std::vector<std::string> files;
  uint32_t privacyMask = 0;
  std::string headers;
  const bool ok = Exchange(
      [&](int cseq) {
        return FormatText(
                   "SETUPFILEINFO %s VXPP/1.0\r\nCSeq: %d\r\nUser-Session-No: %u\r\nStart-Date-Time: "
                   "%d/%d/%d;%d:%d:%d\r\nEnd-Date-Time: %d/%d/%d;%d:%d:%d\r\nPrivacy-Mask: 1\r\nCamera-Index: "
                   "%u\r\nRecord-Index: %u\r\n",
                   url.c_str(), cseq, session, s.year, s.month, s.day, s.hour, s.minute, s.second, e.year, e.month,
                   e.day, e.hour, e.minute, e.second, cameraIndex, recordIndex) +
               sequences + "\r\n";
      },
      kHeaderTimeoutMs, kSetupAnswerWaitMs,
      [&](const std::string& answer) {
        vxpp::HeaderU32(answer, "Privacy-Mask:", &privacyMask);
        ReceiveFiles(answer, &files);
      },
      &headers);
  if (!ok) {
    Drop();
    return -1;
  }
  m_files = std::move(files);
  m_privacyMask = privacyMask;
  return static_cast<int>(m_files.size());
}

void CVXPPRPBClient::ReceiveFrames(const std::string& headers, CVxShuffleBuffer* frames) {
  const uint32_t count = CheckedU32(headers, "Frame-Count:", vxpp::kMaxGopFrames);
  const uint32_t total = CheckedU32(headers, "Frame-Length:", vxpp::kMaxGopBytes);
  const uint32_t headerLength = CheckedU32(headers, "Header-Length:", vxpp::kMaxStreamHeaderBytes);
  int32_t encrypted = 0;
  vxpp::HeaderInt(headers, "Frame-Encrypted:", &encrypted);
  frames->encrypted = encrypted != 0;
  if (vxpp::HeaderText(headers, "File-Changed-To:", &frames->fileChangedTo)) {
    vxpp::HeaderText(headers, "New-Camera-Name:", &frames->newCameraName);
    vxpp::HeaderU32(headers, "New-Camera-ID:", &frames->newCameraId);
  }
  ReceiveThroughBuffer(headerLength, kFrameTimeoutMs, &frames->streamHeader);
  uint64_t received = 0;
  for (uint32_t i = 0; i < count; ++i) {
    char head[recording::kFrameHeadBytes];
    m_net.RecvExact(head, sizeof head, kFrameTimeoutMs);
    CVxShuffleBuffer::Frame frame{recording::ReadFrameHead(std::string_view(head, sizeof head)), {}};
    vxpp::CheckLimit(frame.head.length, vxpp::kMaxFrameBytes, "frame length");
    received += sizeof head + frame.head.length;
    // The frames may not run past what the answer announced.
    if (received > total) throw VxppError{VxppError::kMalformed};
    ReceiveThroughBuffer(frame.head.length, kFrameTimeoutMs, &frame.bytes);
    frames->frames.push_back(std::move(frame));
  }
  if (received != total) throw VxppError{VxppError::kMalformed};
}

int CVXPPRPBClient::NextGop(const std::string& url, uint32_t session, bool singleFrame, CVxShuffleBuffer& frames) {
  m_frames.Clear();
  std::string headers;
  const bool ok = Exchange(
      [&](int cseq) {
        return FormatText(
            "%s %s VXPP/1.0\r\nCSeq: %d\r\nDetect-File-Changed: 1\r\nSupportStreamEncryptType: 1\r\n"
            "User-Session-No: %u\r\n\r\n",
            singleFrame ? "NEXTFRAME" : "NEXTGOP", url.c_str(), cseq, session);
      },
      kFrameTimeoutMs, 0, [&](const std::string& answer) { ReceiveFrames(answer, &m_frames); }, &headers);
  if (!ok) return -1;
  std::swap(frames, m_frames);
  m_frames.Clear();
  return frames.frames.empty() ? 0 : 1;
}

int CVXPPRPBClient::Seek(const std::string& url, uint32_t session, int seekSeconds, int& reachedSeconds,
                         std::string& file) {
  std::string headers;
  const bool ok = StatusCommand("SEEK", url, session,
                                FormatText("Get-Seek-To-File: 1\r\nSeek-Time: %d\r\n", seekSeconds), &headers);
  int32_t reached = -1;
  if (!ok || !vxpp::HeaderInt(headers, "Seek-Time:", &reached)) return -1;
  reachedSeconds = reached;
  if (reached < 0) return 0;
  file.clear();
  vxpp::HeaderText(headers, "Seek-To-File:", &file);
  return 1;
}

bool CVXPPRPBClient::StatusCommand(const char* word, const std::string& url, uint32_t session,
                                   const std::string& lines, std::string* headers) {
  return Exchange([&](int cseq) { return vxpp::SessionRequest(word, url, kVersion, cseq, session, lines); },
                  kHeaderTimeoutMs, 0, {}, headers);
}

bool CVXPPRPBClient::DropFrame(const std::string& url, uint32_t session, int dropMode) {
  std::string headers;
  return StatusCommand("DROPFRAME", url, session, FormatText("Drop-Mode: %d\r\n", dropMode), &headers);
}

bool CVXPPRPBClient::DropAudio(const std::string& url, uint32_t session, int dropAudio) {
  std::string headers;
  return StatusCommand("DROPAUDIO", url, session, FormatText("Drop-Audio: %d\r\n", dropAudio), &headers);
}

bool CVXPPRPBClient::EndData(const std::string& url, uint32_t session, bool& ended) {
  std::string headers;
  int32_t value = 0;
  if (!StatusCommand("ENDDATA", url, session, "", &headers) || !vxpp::HeaderInt(headers, "End-Data:", &value))
    return false;
  ended = value != 0;
  return true;
}

int CVXPPRPBClient::PrepareCommand(const char* word, const std::string& url, uint32_t session,
                                   const std::string& lines, std::string* headers) {
  if (!StatusCommand(word, url, session, lines, headers)) return -1;
  return vxpp::HasServerError(*headers) ? -2 : 1;
}

bool CVXPPRPBClient::ContentCommand(const char* word, const std::string& url, uint32_t session,
                                    const std::string& lines, std::string* body) {
  std::string headers, received;
  if (!Exchange([&](int cseq) { return vxpp::SessionRequest(word, url, kVersion, cseq, session, lines); },
                kHeaderTimeoutMs, 0,
                [&](const std::string& answer) { vxpp::ReceiveSized(m_net, answer, "Content-Length:", &received); },
                &headers))
    return false;
  *body = std::move(received);
  return true;
}

bool CVXPPRPBClient::ListCommand(const char* word, const std::string& url, uint32_t session,
                                 const std::string& lines, std::vector<std::string>* entries) {
  std::string body;
  if (!ContentCommand(word, url, session, lines, &body)) return false;
  *entries = vxpp::ReadStringList(body);
  return true;
}

int CVXPPRPBClient::PrepareIvsMetadata(const std::string& url, uint32_t session, int deviceId,
                                       const CDateTime& start, const CDateTime& end) {
  std::string headers;
  return PrepareCommand("PREPAREIVSMETADATA", url, session,
                        DeviceLine(deviceId) + "Start-Date-Time: " + MetadataTime(start) +
                            "\r\nEnd-Date-Time: " + MetadataTime(end) + "\r\n",
                        &headers);
}

bool CVXPPRPBClient::IvsMetadata(const std::string& url, uint32_t session, int deviceId, const CDateTime& current,
                                 std::string& body) {
  return ContentCommand("IVSMETADATA", url, session,
                        DeviceLine(deviceId) + "Current-Date-Time: " + MetadataTime(current) + "\r\n", &body);
}

bool CVXPPRPBClient::IvsMetadataVec(const std::string& url, uint32_t session, int deviceId,
                                    const CDateTime& current, std::vector<std::string>& entries) {
  return ListCommand("IVSMETADATAVEC", url, session,
                     DeviceLine(deviceId) + "Current-Date-Time: " + MetadataTime(current) + "\r\n", &entries);
}

int CVXPPRPBClient::PrepareIvsConfig(const std::string& url, uint32_t session, int deviceId,
                                     const CDateTime& start, const CDateTime& end, uint32_t& count) {
  std::string headers;
  const int result = PrepareCommand("PREPAREIVSCONFIG", url, session,
                                    DeviceLine(deviceId) + "Start-Date-Time: " + MetadataTime(start) +
                                        "\r\nEnd-Date-Time: " + MetadataTime(end) + "\r\n",
                                    &headers);
  if (result == 1) vxpp::HeaderU32(headers, "Ivs-Config-Count:", &count);
  return result;
}

bool CVXPPRPBClient::IvsConfig(const std::string& url, uint32_t session, int deviceId, const CDateTime& current,
                               std::string& body) {
  return ContentCommand("IVSCONFIG", url, session,
                        DeviceLine(deviceId) + "Current-Date-Time: " + MetadataTime(current) + "\r\n", &body);
}

bool CVXPPRPBClient::IvsConfigVec(const std::string& url, uint32_t session, int deviceId, const CDateTime& current,
                                  std::vector<std::string>& entries) {
  return ListCommand("IVSCONFIGVEC", url, session,
                     DeviceLine(deviceId) + "Current-Date-Time: " + MetadataTime(current) + "\r\n", &entries);
}

bool CVXPPRPBClient::MdxPrepare(const std::string& url, uint32_t session, int deviceId, const CDateTime& start) {
  std::string headers;
  return StatusCommand("MDXPREPARE", url, session,
                       DeviceLine(deviceId) + "Start-Date-Time: " + MetadataTime(start) + "\r\n", &headers);
}

bool CVXPPRPBClient::MdxVec(const std::string& url, uint32_t session, int deviceId, int posId,
                            const CDateTime& start, std::vector<std::string>& entries) {
  return ListCommand("MDXVEC", url, session,
                     DeviceLine(deviceId) + FormatText("Pos-Id: %d\r\n", posId) + "Start-Date-Time: " +
                         MetadataTime(start) + "\r\n",
                     &entries);
}
