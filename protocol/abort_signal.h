// AbortSignal: the client's abort event.  Raise (from any thread) ends every
// socket wait that watches the signal within moments, and every later wait
// at once, until Clear.  Clear belongs to the thread that runs the commands.
//
// The signal is an eventfd that the socket layer polls together with the
// socket, plus a flag for the waits that need no poll.  Should the process
// be out of descriptors, only the flag is left: an abort then ends the
// command at its next wait instead of the current one.
#pragma once

#include <atomic>
#include <mutex>

namespace vxpp {

class AbortSignal {
 public:
  AbortSignal();
  ~AbortSignal();
  AbortSignal(const AbortSignal&) = delete;
  AbortSignal& operator=(const AbortSignal&) = delete;

  void Raise();
  void Clear();
  bool Raised() const { return m_raised.load(); }
  // A descriptor that is readable while the signal is raised; -1 when there is none.
  int WakeHandle() const { return m_wake; }

 private:
  std::mutex m_mutex;  // keeps the flag and the descriptor in step
  std::atomic<bool> m_raised{false};
  int m_wake;
};

}  // namespace vxpp
