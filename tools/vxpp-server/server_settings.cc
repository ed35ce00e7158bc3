#include "tools/vxpp-server/server_settings.h"

#include <cstdlib>

#include "config/initial_file.h"
#include "platform/paths.h"

namespace vxpp_server {
namespace {

void ReadText(const CInitialFile& file, const char* section, const char* key, std::string* value) {
  const std::string text = file.GetValue(section, key);
  if (!text.empty()) *value = text;
}

template <typename Number>
void ReadNumber(const CInitialFile& file, const char* section, const char* key, Number* value) {
  const std::string text = file.GetValue(section, key);
  if (!text.empty()) *value = static_cast<Number>(std::strtoll(text.c_str(), nullptr, 10));
}

NamedValues SectionEntries(const CInitialFile& file, const std::string& section) {
  NamedValues entries;
  for (const auto& entry : file.Entries())
    if (!entry.comment && entry.section == section) entries.emplace_back(entry.key, entry.value);
  return entries;
}

}  // namespace

bool ServerSettings::Load(const std::string& installFolder) {
  CInitialFile file;
  if (!file.Load(platform::JoinPath(installFolder, kFileName))) return false;
  ReadText(file, "Server", "Type", &serverType);
  ReadText(file, "Server", "Version", &serverVersion);
  ReadNumber(file, "Server", "CodePageCap", &codePageCap);
  ReadText(file, "Server", "VxppVersion", &vxppVersion);
  int64_t idleSeconds = sessionIdle.count() / 1000;
  ReadNumber(file, "Server", "SessionIdleSeconds", &idleSeconds);
  sessionIdle = std::chrono::seconds(idleSeconds);
  int handshakeFlag = handshake ? 1 : 0;
  ReadNumber(file, "Server", "Handshake", &handshakeFlag);
  handshake = handshakeFlag != 0;
  ReadNumber(file, "Server", "MaxDurationDay", &maxDurationDay);
  ReadText(file, "Server", "RemoteLoginTimeout", &remoteLoginTimeout);
  ReadNumber(file, "Server", "SupportMetadataMultipart", &supportMetadataMultipart);
  ReadText(file, "Server", "LangPackVersion", &langPackVersion);
  ReadNumber(file, "Server", "MaxPosRecords", &maxPosRecords);
  ReadNumber(file, "Access", "Enabled", &accessEnabled);
  ReadNumber(file, "Access", "Period", &accessPeriod);
  ReadNumber(file, "Failover", "OnGuardServicePort", &onGuardServicePort);
  functions = SectionEntries(file, "Functions");
  cameras = SectionEntries(file, "Cameras");
  failoverHistory.clear();
  for (const auto& entry : SectionEntries(file, "FailoverHistory")) failoverHistory.push_back(entry.second);
  failoverTokens = SectionEntries(file, "FailoverTokens");
  return true;
}

bool ServerSettings::SendsTextBlocks() const { return std::strtod(vxppVersion.c_str(), nullptr) >= 2.0; }

}  // namespace vxpp_server
