// IRPBClient: a remote playback client, which keeps one connection to the
// server for a whole playback.  The registry of VXPPClientComm owns them.
#pragma once

#include <cstdint>
#include <string>

#include "vocabulary/date_time.h"

class IRPBClient {
 public:
  IRPBClient() = default;
  IRPBClient(const IRPBClient&) = delete;
  IRPBClient& operator=(const IRPBClient&) = delete;
  virtual ~IRPBClient() = default;

  virtual void SetPort(uint32_t port) = 0;
  virtual void SetStreamOption(uint32_t value) = 0;
  virtual void SetSelectTimeSeq(int index, int start, int end, int inUse) = 0;
  // Opens the playback of one camera's recording between start and end.
  virtual int SetupFileInfo(const std::string& url, uint32_t session, const CDateTime& start,
                            const CDateTime& end, uint32_t cameraIndex, uint32_t recordIndex) = 0;
};
