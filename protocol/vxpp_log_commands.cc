// The log queries of CVXPPClient.
#include "protocol/result_codes.h"
#include "protocol/vxpp_client.h"

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
