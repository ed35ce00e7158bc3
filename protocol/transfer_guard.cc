#include "protocol/transfer_guard.h"

#include <algorithm>

#include "protocol/socket_api.h"
#include "protocol/vxpp_error.h"

namespace vxpp {

CTransferGuard::CTransferGuard(SocketApi* clock, const TransferLimits& limits, uint32_t windowMs)
    : m_clock(clock), m_windowMs(windowMs), m_quota(limits.stallWindowBytes), m_ceilingMs(limits.commandCeilingMs) {
  const uint64_t now = Now();
  m_deadline = now + limits.commandCeilingMs;
  m_windowEnd = now + m_windowMs;
}

uint64_t CTransferGuard::Now() const { return m_clock->NowMs(); }

uint32_t CTransferGuard::Allow(uint32_t wantedMs) const {
  const uint64_t now = Now();
  const uint64_t end = std::min(m_deadline, m_windowEnd);
  if (now >= end) Expired();
  return static_cast<uint32_t>(std::min<uint64_t>(wantedMs, end - now));
}

void CTransferGuard::Expired() const {
  if (Now() >= m_deadline) throw VxppError{VxppError::kDeadline, 0, nullptr, 0, m_ceilingMs};
  throw VxppError{VxppError::kStalled, 0, nullptr, m_windowBytes, m_windowMs};
}

void CTransferGuard::Received(size_t bytes) {
  m_windowBytes += bytes;
  if (m_windowBytes < m_quota) return;
  m_windowBytes = 0;
  m_windowEnd = Now() + m_windowMs;
}

}  // namespace vxpp
