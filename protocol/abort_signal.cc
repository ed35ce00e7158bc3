#include "protocol/abort_signal.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace vxpp {

AbortSignal::AbortSignal() : m_wake(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

AbortSignal::~AbortSignal() {
  if (m_wake >= 0) ::close(m_wake);
}

void AbortSignal::Raise() {
  std::lock_guard<std::mutex> guard(m_mutex);
  if (m_raised.exchange(true) || m_wake < 0) return;
  const uint64_t one = 1;
  [[maybe_unused]] const ssize_t n = ::write(m_wake, &one, sizeof one);
}

void AbortSignal::Clear() {
  std::lock_guard<std::mutex> guard(m_mutex);
  if (!m_raised.exchange(false) || m_wake < 0) return;
  uint64_t count = 0;
  [[maybe_unused]] const ssize_t n = ::read(m_wake, &count, sizeof count);
}

}  // namespace vxpp
