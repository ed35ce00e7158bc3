#include "tools/vxpp-server/session_commands.h"

#include <cstdio>

#include "protocol/password_cipher.h"
#include "tools/vxpp-server/credentials.h"

namespace vxpp_server {
namespace {

constexpr const char* kVersion1 = "VXPP/1.0";
constexpr const char* kVersion2 = "VXPP/2.0";
// The client enciphers passwords in a 256-byte buffer.
constexpr int64_t kMaxPasswordBytes = 255;

// Reads `lengthHeader` bytes of enciphered password after the request and
// deciphers them.  False when the length is out of bounds or the bytes do
// not come: the connection cannot be trusted any further.
bool ReadPassword(const VxppRequest& request, ServerConnection& connection, const char* lengthHeader,
                  std::string* text) {
  const int64_t length = request.Number(lengthHeader, 0);
  if (length < 0 || length > kMaxPasswordBytes) return false;
  if (!connection.ReadExact(static_cast<size_t>(length), text)) return false;
  vxpp::Rc4Crypt(vxpp::PasswordCipherKey(), text);
  return true;
}

void AddNamedValues(VxppResponse& response, const NamedValues& values) {
  for (const auto& [name, value] : values) response.Add(name, value);
}

std::string Numbered(const char* format, size_t index) {
  char name[32];
  std::snprintf(name, sizeof name, format, static_cast<int>(index));
  return name;
}

bool HandshakeKey(ServerContext& context, const VxppRequest& request, ServerConnection& connection,
                  VxppResponse& response) {
  std::string password, dualPassword;
  if (!ReadPassword(request, connection, "Password-Length", &password) ||
      !ReadPassword(request, connection, "DualPassword-Length", &dualPassword)) {
    response.Fail(400, "Bad Request");
    return false;
  }
  if (!context.settings.handshake) return true;
  const std::string user = request.Text("Username");
  HandshakeKeys& keys = context.handshakeKeys;
  response.Add("Login-HandShaking-Key", context.Users()->Find(user) ? keys.Issue(user) : keys.Unstored());
  return true;
}

bool Login(ServerContext& context, const VxppRequest& request, ServerConnection& connection,
           VxppResponse& response) {
  std::string sent;
  if (!ReadPassword(request, connection, "Password-Length", &sent)) {
    response.Fail(400, "Bad Request");
    return false;
  }
  const std::string user = request.Text("Username");
  const auto users = context.Users();
  const UserAccount* account = users->Find(user);
  const std::string* knownUser = account ? &user : nullptr;
  LoginThrottle& throttle = context.loginThrottle;
  bool valid = false;
  if (throttle.Allows(connection.Address(), knownUser)) {
    valid = account && CredentialsMatch(request, sent, user, *account, context.handshakeKeys);
    if (valid) throttle.Succeeded(connection.Address(), user);
    else throttle.Failed(connection.Address(), knownUser);
  }

  const ServerSettings& settings = context.settings;
  response.Add("User-Valid", valid ? 1 : 0);
  response.Add("User-Session-No", valid ? context.sessions.Open(user) : 0);
  response.Add("User-Privilege", std::to_string(valid ? account->privilege : 0));
  if (valid) {
    AddNamedValues(response, settings.cameras);
    AddNamedValues(response, account->allowances);
    response.Add("Remote-Login-Timeout", settings.remoteLoginTimeout);
  }
  response.Add("Server-Type", settings.serverType);
  response.Add("Server-Version", settings.serverVersion);
  response.Add("ServerCodePageCap", settings.codePageCap);
  response.Add("SupportNEXTGOP", 1);
  response.Add("SupportMetadataMultipart", settings.supportMetadataMultipart);
  response.Add("HasFailoverHistory", settings.failoverHistory.empty() ? 0 : 1);
  return true;
}

bool Logout(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  const int64_t session = request.Number("User-Session-No", 0);
  if (session <= 0 || session > 0xFFFFFFFFll || !context.sessions.Close(static_cast<uint32_t>(session)))
    response.Fail(702, "Session Expired");
  return true;
}

// A command that answers a live session with headers made from the settings.
CommandHandler SettingsAnswer(ServerContext& context, std::function<NamedValues(const ServerSettings&)> values) {
  return [&context, values](const VxppRequest& request, ServerConnection&, VxppResponse& response) {
    if (SessionAlive(context, request, response)) AddNamedValues(response, values(context.settings));
    return true;
  };
}

NamedValues HistoryHeaders(const ServerSettings& settings) {
  NamedValues values{{"History-Count", std::to_string(settings.failoverHistory.size())}};
  for (size_t i = 0; i < settings.failoverHistory.size(); ++i)
    values.emplace_back(Numbered("History%04d", i), settings.failoverHistory[i]);
  return values;
}

NamedValues TokenHeaders(const ServerSettings& settings) {
  NamedValues values{{"Token-Count", std::to_string(settings.failoverTokens.size())}};
  for (size_t i = 0; i < settings.failoverTokens.size(); ++i) {
    values.emplace_back(Numbered("Server%04d", i), settings.failoverTokens[i].first);
    values.emplace_back(Numbered("Token%04d", i), settings.failoverTokens[i].second);
  }
  return values;
}

}  // namespace

bool SessionAlive(ServerContext& context, const VxppRequest& request, VxppResponse& response, uint64_t needs) {
  const int64_t session = request.Number("User-Session-No", 0);
  std::string user;
  if (session <= 0 || session > 0xFFFFFFFFll || !context.sessions.Touch(static_cast<uint32_t>(session), &user)) {
    response.Fail(702, "Session Expired");
    return false;
  }
  const auto users = context.Users();
  const UserAccount* account = users->Find(user);
  if (account && (account->privilege & needs) == needs) return true;
  response.Fail(403, "Forbidden");
  return false;
}

void AddSessionCommands(CommandTable& table, ServerContext& context) {
  auto bind = [&context](bool (*handler)(ServerContext&, const VxppRequest&, ServerConnection&, VxppResponse&)) {
    return [&context, handler](const VxppRequest& request, ServerConnection& connection, VxppResponse& response) {
      return handler(context, request, connection, response);
    };
  };
  auto answer = [&context](std::function<NamedValues(const ServerSettings&)> values) {
    return SettingsAnswer(context, std::move(values));
  };
  table.Add("GETLOGINHANDSHAKINGKEY", kVersion2, bind(HandshakeKey));
  table.Add("USERLOGIN", kVersion1, bind(Login));
  table.Add("USERLOGOUT", kVersion1, bind(Logout));
  table.Add("QUERYIFALIVE", kVersion2, answer([](const ServerSettings&) { return NamedValues{}; }));
  table.Add("GETSERVERINFO", kVersion2, answer([](const ServerSettings& s) {
              return NamedValues{{"Server-Type", s.serverType}, {"Server-Version", s.serverVersion}};
            }));
  table.Add("QUERYFUNCTIONS", kVersion2, answer([](const ServerSettings& s) { return s.functions; }));
  table.Add("MAXDURATIONDAY", kVersion2, answer([](const ServerSettings& s) {
              return NamedValues{{"MaxDurationDay", std::to_string(s.maxDurationDay)}};
            }));
  table.Add("GETACCESSPERIOD", kVersion2, answer([](const ServerSettings& s) {
              return NamedValues{{"Enabled", std::to_string(s.accessEnabled)},
                                 {"Access-Video-Period", std::to_string(s.accessPeriod)}};
            }));
  table.Add("GETONGUARDSERVICEPORT", kVersion2, answer([](const ServerSettings& s) {
              return NamedValues{{"OnGuardServicePort", std::to_string(s.onGuardServicePort)}};
            }));
  table.Add("GETFAILOVERHISTORY", kVersion2, answer(HistoryHeaders));
  table.Add("GETFAILOVERTOKEN", kVersion2, answer(TokenHeaders));
}

}  // namespace vxpp_server
