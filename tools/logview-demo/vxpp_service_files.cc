#include "tools/logview-demo/vxpp_service_files.h"

#include <cstdlib>

namespace {

struct DemoAccount {
  const char* password;
  const char* dualPassword;
  const char* privilege;
  const char* allowances;  // "Allow..." lines
};

constexpr const char kAllowEverything[] =
    "AllowWardix=1\r\nAllowSmartSearch=1\r\nAllowCounting=1\r\nAllowPOS=1\r\nAllowLiveStreamingServer=1\r\n"
    "AllowOpenEmap=1\r\nAllowVncServer=1\r\nAllowEventNofiticationServer=1\r\nAllowRemotePlaybackChannels=16\r\n"
    "AllowIVS=1\r\nAllowEdgeRecord=1\r\n";

// The account of a user of the demo site; unknown names watch only.
DemoAccount AccountOf(const std::string& user) {
  if (user == "admin") return {"admin", "", "18446744073709551615", kAllowEverything};
  if (user == "operator")
    return {"operator", "", "31", "AllowCounting=1\r\nAllowPOS=1\r\nAllowIVS=0\r\nAllowRemotePlaybackChannels=4\r\n"};
  if (user == "chief") return {"chief", "second", "255", kAllowEverything};
  return {nullptr, "", "1", "AllowRemotePlaybackChannels=1\r\n"};
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const auto& part : parts) text += (text.empty() ? "" : ";") + part;
  return text;
}

}  // namespace

std::string VxppUsersIni(const DemoWorld& world) {
  std::string text = "; Users of vxpp-server: one section per user.\r\n";
  for (const std::string& user : world.users) {
    const DemoAccount account = AccountOf(user);
    text += "[" + user + "]\r\nPassword=" + (account.password ? account.password : user) + "\r\n";
    if (*account.dualPassword) text += std::string("DualPassword=") + account.dualPassword + "\r\n";
    text += std::string("Privilege=") + account.privilege + "\r\n" + account.allowances;
  }
  return text;
}

std::string VxppServerIni(const DemoWorld& world) {
  std::vector<std::string> numbers, names, ids;
  for (size_t i = 0; i < world.cameras.size(); ++i) {
    numbers.push_back(std::to_string(i + 1));
    names.push_back(world.cameras[i].name);
    ids.push_back(std::to_string(world.cameras[i].deviceId));
  }
  return "[Server]\r\nType=Vantor\r\nVersion=3,2,0,1\r\nCodePageCap=65001\r\nVxppVersion=2.0\r\n"
         "SessionIdleSeconds=900\r\nHandshake=1\r\nMaxDurationDay=31\r\nRemoteLoginTimeout=0\r\n"
         "[Functions]\r\nSupportPOS=1\r\nSupportIVS=1\r\nSupportEdgeRecord=1\r\n"
         "[Cameras]\r\nChannel-Numbers=" + Joined(numbers) + "\r\nCamera-Names=" + Joined(names) +
         "\r\nCamera-ID=" + Joined(ids) + "\r\n";
}

std::string VxppPosIni(const DemoWorld& world) {
  std::string text = "; POS sources of vxpp-server: one section per source.\r\n";
  for (const DemoPosSource& source : world.posSources) {
    text += "[" + source.name + "]\r\nPosId=" + std::to_string(source.posId) + "\r\nName=" + source.name +
            "\r\nIP=192.168.1." + std::to_string(70 + source.posId) + "\r\nbActive=1\r\nSourceName=Shop\r\n";
    // The camera text holds pairs whose second part is a camera index.
    int association = 0;
    for (size_t at = source.cameraIdText.find(':'); at != std::string::npos;
         at = source.cameraIdText.find(':', at + 1)) {
      const size_t index = std::strtoul(source.cameraIdText.c_str() + at + 1, nullptr, 10);
      if (index >= world.cameras.size()) continue;
      text += "Association" + std::to_string(association++) + "=" + std::to_string(world.cameras[index].deviceId) +
              ",1,0,0,320,40\r\n";
    }
  }
  return text;
}
