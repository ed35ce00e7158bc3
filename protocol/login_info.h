// The records that USERLOGIN fills.
#pragma once

#include <cstdint>
#include <string>

// In/out record of a login.  The eleven camera texts are passed on as the
// server sent them (one entry per camera packed into each value).
struct LoginInfo {
  std::string channelNumbers;        // "Channel-Numbers:"
  std::string cameraNames;           // "Camera-Names:", converted to the local code page
  std::string cameraModels;          // "Camera-Models:"
  std::string cameraIds;             // "Camera-ID:"
  std::string cameraOpenCLs;         // "Camera-EnableOpenCLs:"
  std::string cameraFovs;            // "Camera-FOVs:"
  std::string cameraXFactors;        // "Camera-XFactors:"
  std::string cameraYFactors;        // "Camera-YFactors:"
  std::string cameraSemiHorizontalAxisFactors;  // "Camera-SemiHorizontalAxisFactors:"
  std::string cameraSemiVerticalAxisFactors;    // "Camera-SemiVerticalAxisFactors:"
  std::string cameraRotateAngles;    // "Camera-RotateAngles:"
  int32_t serverKind = -1;           // see vxpp::kServerKind*
  uint32_t clientCodePageCap = 0;    // sent as "ClientCodepageCap:"; reset by every login
  uint32_t handshakeKey = 0;         // input: from GetLoginHandshakingKey, 0 for none
  bool supportsNextGop = false;      // "SupportNEXTGOP:" not 0
  bool supportsMetadataMultipart = false;  // "SupportMetadataMultipart:" 1
  bool hasFailoverHistory = false;   // "HasFailoverHistory:" 1
  std::string failoverLoginServer;   // input: empty for an ordinary login
  int32_t onGuardServicePort = 0;    // input: sent with the fail-over login server
};

// Out record of a login: what the user may do.  Texts are token values.
struct UserPrivileges {
  uint64_t privilegeMask = 0;                 // "User-Privilege:"
  std::string remoteLoginTimeout = "N/A";     // "Remote-Login-Timeout:"
  std::string allowWardix;                    // "AllowWardix:"
  std::string allowSmartSearch;               // "AllowSmartSearch:"
  std::string allowCounting;                  // "AllowCounting:"
  std::string allowPos;                       // "AllowPOS:"
  std::string allowLiveStreamingServer;       // "AllowLiveStreamingServer:"
  std::string allowOpenEmap;                  // "AllowOpenEmap:"
  std::string allowVncServer;                 // "AllowVncServer:"
  std::string allowEventNotificationServer;   // "AllowEventNofiticationServer:"
  std::string allowRemotePlaybackChannels;    // "AllowRemotePlaybackChannels:" as a number; "16" when absent
  std::string allowIvs;                       // "AllowIVS:"
  std::string allowEdgeRecord;                // "AllowEdgeRecord:"
};
