// MessageQueue: the posted messages of a group of windows, delivered in the
// order they were posted on the thread that pumps the queue (its owning
// thread).  Without a GUI, that thread calls DeliverPending or
// DeliverUntilEmpty, and may sleep in WaitForMessage; a GUI front end sets a
// wake-up hook that schedules DeliverPending on its own event loop.
//
// Thread use: posting (through CWnd::PostMessage) and WaitForMessage are
// safe from any thread; delivery must happen on one thread, the one that
// creates and destroys the queue's windows.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

#include "platform/cwnd.h"

namespace platform {

class MessageQueue {
 public:
  MessageQueue() = default;
  MessageQueue(const MessageQueue&) = delete;
  MessageQueue& operator=(const MessageQueue&) = delete;

  // The queue of windows made without one; it lives as long as the process.
  static MessageQueue* Default();

  // `wakeUp` is called after every post, on the posting thread and without
  // the queue's lock held, so it may post or deliver itself.  Null: none.
  void SetWakeUp(std::function<void()> wakeUp);

  // Delivers the messages queued before the call, in order; messages posted
  // while they are handled wait for the next call.  Returns how many were
  // delivered.
  size_t DeliverPending();
  // Delivers until the queue is empty, including what handlers post.
  size_t DeliverUntilEmpty();
  // Waits until a message is queued or `timeout` passes; true when one is.
  bool WaitForMessage(std::chrono::milliseconds timeout);

 private:
  friend class CWnd;
  struct Entry {
    uint64_t number;
    MSG msg;
  };

  void Post(const MSG& msg);
  // Forgets every message queued for `window` (it is being destroyed).
  void Drop(const CWnd* window);
  // Takes the oldest message numbered below `limit`.
  bool Take(uint64_t limit, MSG* msg);
  size_t DeliverBelow(uint64_t limit);

  std::mutex m_mutex;
  std::condition_variable m_posted;
  std::deque<Entry> m_entries;
  uint64_t m_nextNumber = 0;
  std::function<void()> m_wakeUp;
};

}  // namespace platform
