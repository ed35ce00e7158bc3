// The log, device, backup, language-pack, bookmark and playback commands of
// CVXPPClient.  Their record readers are not part of this client yet: until
// they are, each command reports failure without contacting the server, as
// a server that does not answer it would.
#include "protocol/result_codes.h"
#include "protocol/vxpp_client.h"

bool CVXPPClient::GetCamInfo(const std::string&, uint32_t, std::vector<std::string>&, std::vector<uint32_t>&) {
  return false;
}
bool CVXPPClient::GetIVSDeviceInfo(const std::string&, uint32_t, std::vector<uint32_t>&, std::vector<std::string>&,
                                   std::vector<uint32_t>&) {
  return false;
}
bool CVXPPClient::GetCombinedCounterInfo(const std::string&, uint32_t, std::map<uint32_t, std::string>&) {
  return false;
}
bool CVXPPClient::GetRecLog(const std::string&, uint32_t, const CDateTime&, const std::vector<int>&, int,
                            std::string&) {
  return false;
}
bool CVXPPClient::GetDayLogs2(const std::string&, uint32_t, std::string&) { return false; }
bool CVXPPClient::QueryPosSetting(const std::string&, uint32_t, std::vector<PosSetting>&) { return false; }
int CVXPPClient::PosRecord(const std::string&, uint32_t, const std::string&, int, const std::vector<int>&,
                           const CDateTime&, const CDateTime&, std::vector<PosRecordEntry>&) {
  return vxpp::kResultFailure;
}
int CVXPPClient::MetadataRecord(const std::string&, uint32_t, const std::string&, int, const std::vector<int>&,
                                const CDateTime&, const CDateTime&, std::vector<MetadataRecordEntry>&) {
  return vxpp::kResultFailure;
}
bool CVXPPClient::AddSystemLog(const std::string&, uint32_t, int, const std::vector<std::string>&) { return false; }
bool CVXPPClient::GetRecLog2(const std::string&, uint32_t, const CDateTime&, std::string&) { return false; }
bool CVXPPClient::GetDayLogs(const std::string&, uint32_t, std::vector<std::string>&) { return false; }

int CVXPPClient::EventLog(const std::string&, uint32_t, const int*, const uint32_t*, const CDateTime&,
                          const CDateTime&, std::vector<EventLogBasket>&, const uint32_t*, int*) {
  return vxpp::kResultFailure;
}
int CVXPPClient::SystemLog(const std::string&, uint32_t, const int*, const CDateTime&, const CDateTime&,
                           std::vector<SystemLogRecord>&) {
  return vxpp::kResultFailure;
}
int CVXPPClient::CountingLog(const std::string&, uint32_t, const uint32_t*, const CDateTime&, const CDateTime&,
                             std::vector<CounterLog>&, const uint32_t*, int*) {
  return vxpp::kResultFailure;
}
int CVXPPClient::IVSCountingLog(const std::string&, uint32_t, const uint32_t*, const CDateTime&, const CDateTime&,
                                std::vector<IVSCounterLog>&, const uint32_t*, int*) {
  return vxpp::kResultFailure;
}
int CVXPPClient::CombinedCountingLog(const std::string&, uint32_t, const uint32_t*, const CDateTime&,
                                     const CDateTime&, std::vector<CombinedCounterLog>&) {
  return vxpp::kResultFailure;
}
bool CVXPPClient::PosEventLog(const std::string&, uint32_t, const int*, const uint32_t*, const CDateTime&,
                              const CDateTime&, std::vector<PosEventLogBasket>&) {
  return false;
}
int CVXPPClient::PosEventLog2(const std::string&, uint32_t, const int*, const uint32_t*, const CDateTime&,
                              const CDateTime&, std::vector<PosEventLogBasket>&) {
  return vxpp::kResultFailure;
}
int CVXPPClient::IVSEventLog(const std::string&, uint32_t, const uint32_t*, const int*, const CDateTime&,
                             const CDateTime&, std::vector<EventLogBasket>&, int*) {
  return vxpp::kResultFailure;
}
int CVXPPClient::EdgeRecordLog(const std::string&, uint32_t, const int*, const uint32_t*, const CDateTime&,
                               const CDateTime&, std::vector<EdgeRecordLogBasket>&, int*) {
  return vxpp::kResultFailure;
}

bool CVXPPClient::BackupInit(const std::string&, uint32_t, const BackupSelection&) { return false; }
bool CVXPPClient::BackupInit2(const std::string&, uint32_t, const BackupSelection&) { return false; }
bool CVXPPClient::BackupBegin(const std::string&, uint32_t, const std::string&) { return false; }
bool CVXPPClient::BackupUninit(const std::string&, uint32_t) { return false; }
bool CVXPPClient::QueryRecSizeSeparate(const std::string&, uint32_t, const BackupSelection&, uint64_t&,
                                       std::vector<uint64_t>&) {
  return false;
}
bool CVXPPClient::QueryRecSize(const std::string&, uint32_t, const BackupSelection&, uint64_t&) { return false; }
bool CVXPPClient::DeleteFileRecord(const std::string&, uint32_t, const BackupSelection&) { return false; }

bool CVXPPClient::HasVideo(const std::string&, uint32_t, const CDateTime&, const CDateTime&, uint32_t, int, int&) {
  return false;
}
bool CVXPPClient::LangPackGetVersion(const std::string&, uint32_t, std::string&) { return false; }
bool CVXPPClient::LangPackGetFile(const std::string&, uint32_t, const std::string&, const std::string&) {
  return false;
}
bool CVXPPClient::GetVideoSpan(const std::string&, uint32_t, uint32_t, int, int&, CDateTime&, CDateTime&) {
  return false;
}
bool CVXPPClient::AddBookmark(const std::string&, uint32_t, const std::string&) { return false; }
bool CVXPPClient::ModifyBookmark(const std::string&, uint32_t, const std::string&) { return false; }
bool CVXPPClient::DeleteBookmark(const std::string&, uint32_t, const std::string&) { return false; }
bool CVXPPClient::QueryBookmark(const std::string&, uint32_t, std::string&) { return false; }
bool CVXPPClient::SupportedEdgeEventListOfDP(const std::string&, uint32_t, const std::string&, const std::string&) {
  return false;
}

IRPBClient* CVXPPClient::CreatePlaybackClient() { return nullptr; }
