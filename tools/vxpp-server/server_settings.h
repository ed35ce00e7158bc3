// ServerSettings: what the server says about itself and how it keeps
// sessions, read from "vxpp-server.ini" in the installation folder.
//
//   [Server]   Type, Version, CodePageCap, VxppVersion, SessionIdleSeconds,
//              Handshake (1/0), MaxDurationDay, RemoteLoginTimeout,
//              SupportMetadataMultipart, LangPackVersion, MaxPosRecords
//   [Access]   Enabled, Period
//   [Functions]         every entry answers QUERYFUNCTIONS as "Name: value"
//   [Cameras]           entries named after the login's camera headers
//                       ("Camera-Names" ...), sent as they stand
//   [FailoverHistory]   one entry per server, values in file order
//   [FailoverTokens]    server=token
//   [Failover]          OnGuardServicePort
//
// A missing file or key keeps the default.  Read once; afterwards the
// settings are only read, from any thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vxpp_server {

using NamedValues = std::vector<std::pair<std::string, std::string>>;

struct ServerSettings {
  static constexpr const char* kFileName = "vxpp-server.ini";

  std::string serverType = "Vantor";
  std::string serverVersion = "3,2,0,1";
  uint32_t codePageCap = 65001;
  std::string vxppVersion = "2.0";
  std::chrono::milliseconds sessionIdle = std::chrono::minutes(15);
  bool handshake = true;
  int maxDurationDay = 31;
  std::string remoteLoginTimeout = "0";
  int supportMetadataMultipart = 1;
  std::string langPackVersion = "1";
  // POSRECORD and METADATARECORD answer at most this many records.
  int maxPosRecords = 10000;
  // The most time one of them spends matching descriptions against a
  // regular expression (not read from the file).
  std::chrono::milliseconds maxPatternMatchTime = std::chrono::seconds(5);
  int accessEnabled = 0;
  int accessPeriod = 0;
  int onGuardServicePort = 0;
  NamedValues functions;
  NamedValues cameras;
  std::vector<std::string> failoverHistory;
  NamedValues failoverTokens;

  // Reads `installFolder`/vxpp-server.ini over the defaults.  False (and
  // the defaults) when the file cannot be read.
  bool Load(const std::string& installFolder);

  // Log answers are text blocks from protocol version 2.0 on, binary
  // records below it.
  bool SendsTextBlocks() const;
};

}  // namespace vxpp_server
