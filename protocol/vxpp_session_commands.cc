// The session commands of CVXPPClient: handshake key, login and logout,
// session check, and the server's identity, functions, limits and
// fail-over data.
#include <cinttypes>
#include <cstdio>

#include "protocol/format_text.h"
#include "protocol/header_reader.h"
#include "protocol/password_cipher.h"
#include "protocol/result_codes.h"
#include "protocol/vxpp_client.h"

namespace {

constexpr const char* kVersion1 = "VXPP/1.0";
constexpr const char* kVersion2 = "VXPP/2.0";
// Answers of VXPP/2.0 session commands, read at once or awaited first.
constexpr vxpp::AnswerShape kAnswer2{kVersion2, nullptr, CVXPPClient::kHeaderTimeoutMs, false};
constexpr vxpp::AnswerShape kAwaitedAnswer2{kVersion2, nullptr, CVXPPClient::kHeaderTimeoutMs, true};
// Numbered headers ("History%04d:") are read for at most this many entries,
// so that a wild count cannot exhaust the client.
constexpr int32_t kMaxNumberedEntries = 10000;

// The password as it travels: the text with any handshake digits appended,
// enciphered under the shared key.  False when it cannot be enciphered
// (longer than the cipher's working buffer).
bool EncipherPassword(const std::string& text, uint32_t handshakeKey, std::string* bytes) {
  *bytes = handshakeKey != 0 ? vxpp::FormatText("%s%u", text.c_str(), handshakeKey) : text;
  // The working buffer holds a C text: its length ends at the first NUL.
  bytes->resize(std::char_traits<char>::length(bytes->c_str()));
  if (bytes->size() > CVXPPClient::kMaxPasswordBytes) return false;
  vxpp::Rc4Crypt(vxpp::PasswordCipherKey(), bytes);
  return true;
}

int ServerKindOf(const std::string& type) {
  if (type == "Vantor") return vxpp::kServerKindVantor;
  if (type == "Ravlo") return vxpp::kServerKindRavlo;
  return vxpp::kServerKindUnknown;
}

void ReadPrivileges(const std::string& headers, UserPrivileges& privileges) {
  vxpp::HeaderToken(headers, "Remote-Login-Timeout:", &privileges.remoteLoginTimeout);
  vxpp::HeaderToken(headers, "AllowWardix:", &privileges.allowWardix);
  vxpp::HeaderToken(headers, "AllowSmartSearch:", &privileges.allowSmartSearch);
  vxpp::HeaderToken(headers, "AllowCounting:", &privileges.allowCounting);
  vxpp::HeaderToken(headers, "AllowPOS:", &privileges.allowPos);
  vxpp::HeaderToken(headers, "AllowLiveStreamingServer:", &privileges.allowLiveStreamingServer);
  vxpp::HeaderToken(headers, "AllowOpenEmap:", &privileges.allowOpenEmap);
  vxpp::HeaderToken(headers, "AllowVncServer:", &privileges.allowVncServer);
  vxpp::HeaderToken(headers, "AllowEventNofiticationServer:", &privileges.allowEventNotificationServer);
  uint32_t channels = 0;
  privileges.allowRemotePlaybackChannels =
      vxpp::HeaderU32(headers, "AllowRemotePlaybackChannels:", &channels) ? vxpp::FormatText("%u", channels) : "16";
  vxpp::HeaderToken(headers, "AllowIVS:", &privileges.allowIvs);
  vxpp::HeaderToken(headers, "AllowEdgeRecord:", &privileges.allowEdgeRecord);
}

void ReadCameraTexts(const std::string& headers, LoginInfo& info) {
  vxpp::HeaderText(headers, "Channel-Numbers:", &info.channelNumbers);
  vxpp::HeaderText(headers, "Camera-Names:", &info.cameraNames);
  vxpp::HeaderText(headers, "Camera-Models:", &info.cameraModels);
  vxpp::HeaderText(headers, "Camera-ID:", &info.cameraIds);
  vxpp::HeaderText(headers, "Camera-EnableOpenCLs:", &info.cameraOpenCLs);
  vxpp::HeaderText(headers, "Camera-FOVs:", &info.cameraFovs);
  vxpp::HeaderText(headers, "Camera-XFactors:", &info.cameraXFactors);
  vxpp::HeaderText(headers, "Camera-YFactors:", &info.cameraYFactors);
  vxpp::HeaderText(headers, "Camera-SemiHorizontalAxisFactors:", &info.cameraSemiHorizontalAxisFactors);
  vxpp::HeaderText(headers, "Camera-SemiVerticalAxisFactors:", &info.cameraSemiVerticalAxisFactors);
  vxpp::HeaderText(headers, "Camera-RotateAngles:", &info.cameraRotateAngles);
}

}  // namespace

int CVXPPClient::GetLoginHandshakingKey(const std::string& url, const std::string& user,
                                        const std::string& password, const std::string& dualPassword,
                                        uint32_t& key) {
  std::string passwordBytes, dualBytes;
  if (!EncipherPassword(password, 0, &passwordBytes) || !EncipherPassword(dualPassword, 0, &dualBytes))
    return vxpp::kLoginNoConnection;
  const AnswerShape shape{kVersion1, kVersion2, kHandshakeHeaderTimeoutMs, false};
  const Answer answer = m_exchange.Exchange(
      url, shape,
      [&](int cseq) {
        return vxpp::FormatText(
            "GETLOGINHANDSHAKINGKEY %s VXPP/2.0\r\nCSeq: %d\r\nUsername: %s\r\nPassword-Length: %d\r\n"
            "DualPassword-Length: %d\r\nVXPP-Client-Version: 2.0\r\n\r\n",
            url.c_str(), cseq, user.c_str(), static_cast<int>(passwordBytes.size()),
            static_cast<int>(dualBytes.size()));
      },
      [&](CNetHelper& net) {
        net.SendAll(passwordBytes.data(), passwordBytes.size());
        net.SendAll(dualBytes.data(), dualBytes.size());
      });
  if (answer.outcome != Outcome::kStatus) return vxpp::kLoginNoConnection;
  if (answer.status != 200) return answer.status;
  vxpp::HeaderU32(answer.headers, "Login-HandShaking-Key:", &key);
  return vxpp::kLoginSuccess;
}

int CVXPPClient::UserLogin(const std::string& url, const std::string& user, const std::string& password,
                           const std::string& dualPassword, bool forBackup, bool hasDualPassword,
                           uint32_t& session, LoginInfo& info, UserPrivileges& privileges) {
  info.clientCodePageCap = 0;
  std::string passwordBytes, dualLine;
  if (!EncipherPassword(password, info.handshakeKey, &passwordBytes)) return vxpp::kLoginNoConnection;
  if (hasDualPassword) {
    std::string dualBytes;
    if (!EncipherPassword(dualPassword, info.handshakeKey, &dualBytes)) return vxpp::kLoginNoConnection;
    dualLine = vxpp::FormatText("DualPwdContent:%s\r\n", vxpp::Base64Encode(dualBytes).c_str());
  }
  const std::string failoverLines =
      info.failoverLoginServer.empty()
          ? std::string()
          : vxpp::FormatText("Failover-Login-Server: %s\r\nOn-Guard-Service-Port: %d\r\n",
                             info.failoverLoginServer.c_str(), info.onGuardServicePort);
  const AnswerShape shape{kVersion1, nullptr, kHeaderTimeoutMs, false};
  const Answer answer = m_exchange.Exchange(
      url, shape,
      [&](int cseq) {
        return vxpp::FormatText(
            "USERLOGIN %s VXPP/1.0\r\nCSeq: %d\r\nUsername: %s\r\nPassword-Length: %d\r\n%s %d\r\n"
            "Client-GUID: %s\r\nHasLoginHandShakingKey: %d\r\n%sSupportDualPwd:1\r\n%s%s"
            "Support-Channel-Count: %d\r\nSupportNEXTGOP: 1\r\nVXPP-Client-Version: 2.0\r\n\r\n",
            url.c_str(), cseq, user.c_str(), static_cast<int>(passwordBytes.size()), "ClientCodepageCap:",
            static_cast<int>(info.clientCodePageCap), m_clientGuid.c_str(), info.handshakeKey != 0 ? 1 : 0,
            failoverLines.c_str(), dualLine.c_str(), forBackup ? "ForBackUp:1\r\n" : "", kSupportChannelCount);
      },
      [&](CNetHelper& net) { net.SendAll(passwordBytes.data(), passwordBytes.size()); });
  if (answer.outcome != Outcome::kStatus || answer.status == 500) return vxpp::kLoginNoConnection;
  if (answer.status != 200) return answer.status;

  const std::string& headers = answer.headers;
  int32_t valid = 0;
  vxpp::HeaderInt(headers, "User-Valid:", &valid);
  vxpp::HeaderU32(headers, "User-Session-No:", &session);
  vxpp::HeaderU64(headers, "User-Privilege:", &privileges.privilegeMask);
  ReadCameraTexts(headers, info);
  int32_t flag = 0;
  vxpp::HeaderInt(headers, "SupportMetadataMultipart:", &flag);
  info.supportsMetadataMultipart = flag == 1;
  vxpp::HeaderInt(headers, "SupportNEXTGOP:", &flag);
  info.supportsNextGop = flag != 0;
  vxpp::HeaderInt(headers, "HasFailoverHistory:", &flag);
  info.hasFailoverHistory = flag == 1;

  std::string type, version;
  vxpp::HeaderToken(headers, "Server-Type:", &type);
  vxpp::HeaderToken(headers, "Server-Version:", &version);
  m_serverDescription = type + version;
  m_serverKind = ServerKindOf(type);
  if (m_serverKind == vxpp::kServerKindUnknown && privileges.privilegeMask != 0)
    m_serverKind = vxpp::kServerKindOther;
  info.serverKind = m_serverKind;

  ReadPrivileges(headers, privileges);

  vxpp::HeaderU32(headers, "ServerCodePageCap:", &m_serverCodePageCap);
  info.cameraNames = CameraNameFromServer(info.cameraNames);
  return valid == 1 ? vxpp::kLoginSuccess : vxpp::kLoginUserNotValid;
}

bool CVXPPClient::UserLogout(const std::string& url, uint32_t session) {
  return m_exchange.SessionCommand(url, session, "USERLOGOUT", {kVersion1, nullptr, kHeaderTimeoutMs, false}).Ok();
}

bool CVXPPClient::QueryIfAlive(const std::string& url, uint32_t session, bool& alive) {
  const Answer answer = m_exchange.SessionCommand(url, session, "QUERYIFALIVE", kAnswer2);
  if (answer.outcome != Outcome::kStatus || (answer.status != 200 && answer.status != 702)) return false;
  alive = answer.status == 200;
  return true;
}

bool CVXPPClient::GetServerInfo(const std::string& url, uint32_t session) {
  const Answer answer = m_exchange.SessionCommand(url, session, "GETSERVERINFO", kAwaitedAnswer2);
  if (!answer.Ok()) return false;
  std::string type, version;
  vxpp::HeaderText(answer.headers, "Server-Type:", &type);
  vxpp::HeaderText(answer.headers, "Server-Version:", &version);
  m_serverDescription = type + version;
  m_serverKind = ServerKindOf(type);
  return true;
}

int CVXPPClient::QueryFunctions(const std::string& url, uint32_t session, std::string& headers) {
  const Answer answer =
      m_exchange.SessionCommand(url, session, "QUERYFUNCTIONS", {kVersion2, nullptr, kFunctionsHeaderTimeoutMs, false});
  switch (answer.outcome) {
    case Outcome::kNoConnection: return vxpp::kFunctionsNoConnection;
    case Outcome::kTransportFailure: return vxpp::kFunctionsTransportFailure;
    case Outcome::kNoStatus: return vxpp::kFunctionsStatusNotOk;
    case Outcome::kStatus: break;
  }
  if (answer.status != 200) return vxpp::kFunctionsStatusNotOk;
  headers = answer.headers;
  return vxpp::kFunctionsSuccess;
}

bool CVXPPClient::IsFunctionSupported(const std::string& headers, const std::string& function, bool& supported) {
  int32_t value = 0;
  if (!vxpp::HeaderInt(headers, vxpp::FormatText("%s:", function.c_str()).c_str(), &value)) return false;
  supported = value != 0;
  return true;
}

bool CVXPPClient::MaxDurationDay(const std::string& url, uint32_t session, int& days) {
  const Answer answer = m_exchange.SessionCommand(url, session, "MAXDURATIONDAY", kAwaitedAnswer2);
  if (!answer.Ok()) return false;
  int32_t value = 0;
  if (vxpp::HeaderInt(answer.headers, "MaxDurationDay:", &value)) days = value;
  return true;
}

bool CVXPPClient::GetAccessPeriod(const std::string& url, uint32_t session, int& enabled, int& period) {
  const Answer answer = m_exchange.SessionCommand(url, session, "GETACCESSPERIOD", kAwaitedAnswer2);
  if (!answer.Ok()) return false;
  int32_t value = 0;
  if (vxpp::HeaderInt(answer.headers, "Enabled:", &value)) enabled = value;
  if (vxpp::HeaderInt(answer.headers, "Access-Video-Period:", &value)) period = value;
  return true;
}

bool CVXPPClient::GetOnGuardServicePort(const std::string& url, uint32_t session, int& port) {
  const Answer answer = m_exchange.SessionCommand(url, session, "GETONGUARDSERVICEPORT", kAwaitedAnswer2);
  if (!answer.Ok()) return false;
  int32_t value = 0;
  if (vxpp::HeaderInt(answer.headers, "OnGuardServicePort:", &value)) port = value;
  return true;
}

bool CVXPPClient::GetFailoverHistory(const std::string& url, uint32_t session, std::vector<std::string>& history) {
  const Answer answer = m_exchange.SessionCommand(url, session, "GETFAILOVERHISTORY", kAwaitedAnswer2);
  if (!answer.Ok()) return false;
  history.clear();
  int32_t count = 0;
  vxpp::HeaderInt(answer.headers, "History-Count:", &count);
  for (int32_t i = 0; i < count && i < kMaxNumberedEntries; ++i) {
    std::string entry;
    vxpp::HeaderToken(answer.headers, vxpp::FormatText("History%04d:", i).c_str(), &entry);
    history.push_back(entry);
  }
  return true;
}

bool CVXPPClient::GetFailoverToken(const std::string& url, uint32_t session,
                                   std::map<std::string, std::string>& tokens) {
  const Answer answer = m_exchange.SessionCommand(url, session, "GETFAILOVERTOKEN", kAwaitedAnswer2);
  if (!answer.Ok()) return false;
  tokens.clear();
  int32_t count = 0;
  vxpp::HeaderInt(answer.headers, "Token-Count:", &count);
  for (int32_t i = 0; i < count && i < kMaxNumberedEntries; ++i) {
    std::string server, token;
    vxpp::HeaderToken(answer.headers, vxpp::FormatText("Server%04d:", i).c_str(), &server);
    vxpp::HeaderToken(answer.headers, vxpp::FormatText("Token%04d:", i).c_str(), &token);
    tokens.insert({server, token});
  }
  return true;
}
