// IRPBClient: a remote playback client, which keeps one connection to the
// server for a whole playback.  The registry of VXPPClientComm owns them.
//
// SetupFileInfo opens the connection and every later command of the client
// is sent on it.  A command that fails in transport (no answer in time, a
// broken or hostile answer, a closed connection) closes the connection: the
// answers that would follow are out of step, so every later command fails
// without contacting the server until SetupFileInfo sets up again.  A
// command sent before any SetupFileInfo fails the same way.  A command that
// fails leaves its out-parameters as they were.
//
// Results: the int commands answer 1 (or a count, see each) on success, -1
// on failure (transport, limit, no connection, status other than 200); the
// two prepare commands -2 when the server names an "Error:".  The bool
// commands answer whether the exchange succeeded with status 200.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vocabulary/date_time.h"
#include "vocabulary/sample_recording.h"

// The frames one NEXTGOP or NEXTFRAME brought, in order.
class CVxShuffleBuffer {
 public:
  struct Frame {
    recording::FrameHead head;  // head.length == bytes.size()
    std::string bytes;
  };

  std::vector<Frame> frames;
  // When the frames start another recording file ("File-Changed-To:"), its
  // name and stream header ("Header-Length:" bytes, which a decoder takes
  // before the frames) and the camera it belongs to; empty and 0 otherwise.
  std::string fileChangedTo;
  std::string streamHeader;
  std::string newCameraName;
  uint32_t newCameraId = 0;
  bool encrypted = false;  // "Frame-Encrypted:" not 0: the payloads are not plain

  void Clear() { *this = CVxShuffleBuffer(); }
};

class IRPBClient {
 public:
  IRPBClient() = default;
  IRPBClient(const IRPBClient&) = delete;
  IRPBClient& operator=(const IRPBClient&) = delete;
  virtual ~IRPBClient() = default;

  virtual void SetPort(uint32_t port) = 0;
  virtual void SetStreamOption(uint32_t value) = 0;
  // Entry `index` (0 to 127; others are ignored) of the time sequences that
  // SETUPFILEINFO sends, one "Select-Time-Seq:" line for each in use (1).
  virtual void SetSelectTimeSeq(int index, int start, int end, int inUse) = 0;
  // Opens the playback of one camera's recording between start and end:
  // the number of recording files the server found (0 or more), -1 on failure.
  virtual int SetupFileInfo(const std::string& url, uint32_t session, const CDateTime& start,
                            const CDateTime& end, uint32_t cameraIndex, uint32_t recordIndex) = 0;
  // The next GOP (a key frame and the frames up to the next one; with
  // `singleFrame`, NEXTFRAME: the next frame only) into *frames: 1 with
  // frames, 0 when the playback has no more (no frames), -1 on failure.
  virtual int NextGop(const std::string& url, uint32_t session, bool singleFrame, CVxShuffleBuffer& frames) = 0;
  // Moves the playback to `seekSeconds` after the set-up start (to the key
  // frame at or before it): 1 with the seconds reached and the file they lie
  // in, 0 when the time lies past the recording (the playback is then at its
  // end), -1 on failure.
  virtual int Seek(const std::string& url, uint32_t session, int seekSeconds, int& reachedSeconds,
                   std::string& file) = 0;
  // 0: every frame; 1: key frames only (fast play).
  virtual bool DropFrame(const std::string& url, uint32_t session, int dropMode) = 0;
  virtual bool DropAudio(const std::string& url, uint32_t session, int dropAudio) = 0;
  // Whether the playback has passed its last frame.
  virtual bool EndData(const std::string& url, uint32_t session, bool& ended) = 0;

  // Analytics metadata of device `deviceId`: prepare the range (a bound not
  // valid is sent as "null"), then ask for the metadata at one moment (the
  // raw body) or for the entries from it on (a string list).
  virtual int PrepareIvsMetadata(const std::string& url, uint32_t session, int deviceId, const CDateTime& start,
                                 const CDateTime& end) = 0;
  virtual bool IvsMetadata(const std::string& url, uint32_t session, int deviceId, const CDateTime& current,
                           std::string& body) = 0;
  virtual bool IvsMetadataVec(const std::string& url, uint32_t session, int deviceId, const CDateTime& current,
                              std::vector<std::string>& entries) = 0;
  // The same for the device's analytics configurations; the prepare answers
  // how many lie in the range through `count`.
  virtual int PrepareIvsConfig(const std::string& url, uint32_t session, int deviceId, const CDateTime& start,
                               const CDateTime& end, uint32_t& count) = 0;
  virtual bool IvsConfig(const std::string& url, uint32_t session, int deviceId, const CDateTime& current,
                         std::string& body) = 0;
  virtual bool IvsConfigVec(const std::string& url, uint32_t session, int deviceId, const CDateTime& current,
                            std::vector<std::string>& entries) = 0;
  // The metadata index of a register (`posId`) watched by `deviceId`.
  virtual bool MdxPrepare(const std::string& url, uint32_t session, int deviceId, const CDateTime& start) = 0;
  virtual bool MdxVec(const std::string& url, uint32_t session, int deviceId, int posId, const CDateTime& start,
                      std::vector<std::string>& entries) = 0;
};
