// CTransferGuard: holds one command to the pace and the ceiling of
// TransferLimits (client_limits.h).  The socket helper asks it how long a
// wait may last and tells it every byte received; the clock is the socket
// API's, so that scripted peers run on their virtual time.
//
// The window is a tumbling one: it restarts each time the server has
// delivered its quota, and a window that ends short of it abandons the
// command.  A server that delivers the quota in every 30 s that passes is
// never abandoned; one that delivers less in some 30 s is abandoned within
// two windows.
#pragma once

#include <cstddef>
#include <cstdint>

#include "protocol/client_limits.h"

namespace vxpp {

class SocketApi;

class CTransferGuard {
 public:
  // Starts both clocks.  `windowMs` is the pace window of this command (the
  // limits' window, or a longer wait that the command itself allows).
  CTransferGuard(SocketApi* clock, const TransferLimits& limits, uint32_t windowMs);

  // The part of a wait of `wantedMs` that the window and the ceiling leave;
  // throws VxppError kStalled or kDeadline when nothing is left.
  uint32_t Allow(uint32_t wantedMs) const;
  // A wait that Allow cut short has run out: throws what ended it.
  [[noreturn]] void Expired() const;
  void Received(size_t bytes);

 private:
  uint64_t Now() const;

  SocketApi* m_clock;
  uint64_t m_deadline;
  uint64_t m_windowMs;
  size_t m_quota;
  uint64_t m_windowEnd;
  size_t m_windowBytes = 0;
  uint32_t m_ceilingMs;
};

}  // namespace vxpp
