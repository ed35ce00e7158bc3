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
#include <functional>
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

  // What a socket wait that watches the signal runs every kTickMs while it
  // lasts, on the waiting thread: a window front end lets its events run
  // there, and may Raise the signal from it.  Set by the thread that runs
  // the commands, between commands; null: none.
  static constexpr int kTickMs = 30;
  void SetTick(std::function<void()> tick) { m_tick = std::move(tick); }
  const std::function<void()>& Tick() const { return m_tick; }

 private:
  std::mutex m_mutex;  // keeps the flag and the descriptor in step
  std::atomic<bool> m_raised{false};
  int m_wake;
  std::function<void()> m_tick;
};

}  // namespace vxpp
