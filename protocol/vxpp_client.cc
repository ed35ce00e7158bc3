#include "protocol/vxpp_client.h"

#include "protocol/format_text.h"

CVXPPClient::CVXPPClient(vxpp::SocketApi* api) : m_exchange(api) {}

CVXPPClient::~CVXPPClient() = default;

bool CVXPPClient::Abort() {
  m_exchange.Abort();
  return true;
}

bool CVXPPClient::ResetAbort() {
  m_exchange.ResetAbort();
  return true;
}

std::string CVXPPClient::TimeSequenceLines() const {
  std::string lines;
  for (int i = 0; i < kTimeSequenceCount; ++i) {
    if (m_timeSequences.inUse[i] != 1) continue;
    lines += vxpp::FormatText("Select-Time-Seq_%d: %d-%d\r\n", i, static_cast<int>(m_timeSequences.start[i]),
                              static_cast<int>(m_timeSequences.end[i]));
  }
  return lines;
}
