// CVXPPRPBClient: the remote playback client over VXPP (IRPBClient).
//
// SETUPFILEINFO connects (a connect without time-out, which Abort ends) and
// keeps the connection; every later command of the client goes over it and
// reads its answer there.  The waits: SETUPFILEINFO's answer may take
// kSetupAnswerWaitMs to begin (the server gathers the recording files), each
// byte of its header block kHeaderTimeoutMs; every byte of a NEXTGOP or
// NEXTFRAME header block and every exact-length read of its frame data
// kFrameTimeoutMs; the other commands kHeaderTimeoutMs per byte.  On top,
// each command runs under the transfer limits (client_limits.h): the pace
// window (SETUPFILEINFO's own wait counts as its window) and the ceiling.
// Every length and count the server gives is held to the playback limits of
// client_limits.h.  Failures write one line to the debug output, logger
// "VXPP" ("NEXTGOP: Frame-Count: 5000 (limit 4096)").
//
// Threads: one thread at a time (the registry's lease sees to that); Abort
// may be called from any thread and ends the wait under way.  The socket
// API must outlive the client.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "protocol/abort_signal.h"
#include "protocol/client_limits.h"
#include "protocol/irpb_client.h"
#include "protocol/socket_helper.h"

class CVXPPRPBClient : public IRPBClient {
 public:
  static constexpr uint32_t kDefaultPort = 5160;
  static constexpr size_t kReceiveBufferBytes = 500000;
  static constexpr int kTimeSequenceCount = 128;
  static constexpr uint32_t kSetupAnswerWaitMs = 600000;
  static constexpr uint32_t kHeaderTimeoutMs = 5000;
  static constexpr uint32_t kFrameTimeoutMs = 8000;

  explicit CVXPPRPBClient(vxpp::SocketApi* api = vxpp::SocketApi::Default(),
                          const vxpp::TransferLimits& limits = vxpp::TransferLimits());

  void SetPort(uint32_t port) override { m_port = port; }
  void SetStreamOption(uint32_t value) override { m_streamOption = value; }
  void SetSelectTimeSeq(int index, int start, int end, int inUse) override;
  int SetupFileInfo(const std::string& url, uint32_t session, const CDateTime& start, const CDateTime& end,
                    uint32_t cameraIndex, uint32_t recordIndex) override;
  int NextGop(const std::string& url, uint32_t session, bool singleFrame, CVxShuffleBuffer& frames) override;
  int Seek(const std::string& url, uint32_t session, int seekSeconds, int& reachedSeconds,
           std::string& file) override;
  bool DropFrame(const std::string& url, uint32_t session, int dropMode) override;
  bool DropAudio(const std::string& url, uint32_t session, int dropAudio) override;
  bool EndData(const std::string& url, uint32_t session, bool& ended) override;
  int PrepareIvsMetadata(const std::string& url, uint32_t session, int deviceId, const CDateTime& start,
                         const CDateTime& end) override;
  bool IvsMetadata(const std::string& url, uint32_t session, int deviceId, const CDateTime& current,
                   std::string& body) override;
  bool IvsMetadataVec(const std::string& url, uint32_t session, int deviceId, const CDateTime& current,
                      std::vector<std::string>& entries) override;
  int PrepareIvsConfig(const std::string& url, uint32_t session, int deviceId, const CDateTime& start,
                       const CDateTime& end, uint32_t& count) override;
  bool IvsConfig(const std::string& url, uint32_t session, int deviceId, const CDateTime& current,
                 std::string& body) override;
  bool IvsConfigVec(const std::string& url, uint32_t session, int deviceId, const CDateTime& current,
                    std::vector<std::string>& entries) override;
  bool MdxPrepare(const std::string& url, uint32_t session, int deviceId, const CDateTime& start) override;
  bool MdxVec(const std::string& url, uint32_t session, int deviceId, int posId, const CDateTime& start,
              std::vector<std::string>& entries) override;

  // Not part of the interface.
  void SetTransferLimits(const vxpp::TransferLimits& limits) { m_limits = limits; }
  // Raised from any thread: ends the command under way and fails the later
  // ones at once, until ResetAbort.
  void Abort() { m_abort.Raise(); }
  void ResetAbort() { m_abort.Clear(); }
  // The per-file entries of the last successful SETUPFILEINFO, one per
  // recording file ("<file>;<bytes>", see docs/vxpp-server.md), and its
  // "Privacy-Mask:".
  const std::vector<std::string>& Files() const { return m_files; }
  uint32_t PrivacyMask() const { return m_privacyMask; }
  bool Connected() const { return m_connected; }
  uint32_t NextCSeq() const { return m_sequence; }
  const std::string& Host() const { return m_host; }
  const std::string& Url() const { return m_url; }
  uint32_t Port() const { return m_port; }
  uint32_t StreamOption() const { return m_streamOption; }

 private:
  // Reads what follows a status-200 header block; may throw VxppError.
  using BodyReader = std::function<void(const std::string& headers)>;
  // One exchange on the held connection: the request `build` makes with the
  // next CSeq, the header block (`headerTimeoutMs` per byte, after a wait of
  // `answerWaitMs` for its first byte when not 0), status 200 after
  // "VXPP/1.0", then `body`.  *headers gets the block.  False on any
  // failure; a transport failure also drops the connection.
  bool Exchange(const std::function<std::string(int cseq)>& build, uint32_t headerTimeoutMs,
                uint32_t answerWaitMs, const BodyReader& body, std::string* headers);
  // A command whose request is the session lines and `lines`, and whose
  // answer is a header block.
  bool StatusCommand(const char* word, const std::string& url, uint32_t session, const std::string& lines,
                     std::string* headers);
  // The metadata commands that answer "Content-Length:" bytes.
  bool ContentCommand(const char* word, const std::string& url, uint32_t session, const std::string& lines,
                      std::string* body);
  bool ListCommand(const char* word, const std::string& url, uint32_t session, const std::string& lines,
                   std::vector<std::string>* entries);
  // A prepare command: 1, -1, or -2 for an "Error:" answer.
  int PrepareCommand(const char* word, const std::string& url, uint32_t session, const std::string& lines,
                     std::string* headers);
  void ReceiveFiles(const std::string& headers, std::vector<std::string>* files);
  void ReceiveFrames(const std::string& headers, CVxShuffleBuffer* frames);
  // Appends `length` bytes through the receive buffer, `timeoutMs` per read.
  void ReceiveThroughBuffer(size_t length, uint32_t timeoutMs, std::string* out);
  void Drop();

  uint32_t m_sequence = 0;
  std::string m_host;
  std::string m_url;
  uint32_t m_port = kDefaultPort;
  std::vector<char> m_receive;
  size_t m_receiveSize = kReceiveBufferBytes;
  vxpp::SocketApi* m_api;
  vxpp::AbortSignal m_abort;
  CNetHelper m_net;
  bool m_connected = false;
  uint32_t m_streamOption = 0xFFFFFFFFu;
  uint32_t m_seqStart[kTimeSequenceCount] = {};
  uint32_t m_seqEnd[kTimeSequenceCount] = {};
  uint32_t m_seqInUse[kTimeSequenceCount] = {};
  CVxShuffleBuffer m_frames;
  vxpp::TransferLimits m_limits;
  std::vector<std::string> m_files;
  uint32_t m_privacyMask = 0;
};
