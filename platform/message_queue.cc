#include "platform/message_queue.h"

#include <algorithm>
#include <limits>

namespace platform {

MessageQueue* MessageQueue::Default() {
  static MessageQueue* queue = new MessageQueue();  // never destroyed: windows may outlive static data
  return queue;
}

void MessageQueue::SetWakeUp(std::function<void()> wakeUp) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_wakeUp = std::move(wakeUp);
}

void MessageQueue::Post(const MSG& msg) {
  std::function<void()> wakeUp;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.push_back({m_nextNumber++, msg});
    wakeUp = m_wakeUp;
  }
  m_posted.notify_all();
  if (wakeUp) wakeUp();
}

void MessageQueue::Drop(const CWnd* window) {
  std::lock_guard<std::mutex> lock(m_mutex);
  std::erase_if(m_entries, [window](const Entry& entry) { return entry.msg.hwnd == window; });
}

bool MessageQueue::Take(uint64_t limit, MSG* msg) {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (m_entries.empty() || m_entries.front().number >= limit) return false;
  *msg = m_entries.front().msg;
  m_entries.pop_front();
  return true;
}

// One message at a time, and the lock released while it is handled: a
// handler may post, or destroy a window whose messages are still queued.
size_t MessageQueue::DeliverBelow(uint64_t limit) {
  size_t delivered = 0;
  MSG msg;
  while (Take(limit, &msg)) {
    msg.hwnd->SendMessage(msg.message, msg.wParam, msg.lParam);
    ++delivered;
  }
  return delivered;
}

size_t MessageQueue::DeliverPending() {
  uint64_t limit;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    limit = m_nextNumber;
  }
  return DeliverBelow(limit);
}

size_t MessageQueue::DeliverUntilEmpty() { return DeliverBelow(std::numeric_limits<uint64_t>::max()); }

bool MessageQueue::WaitForMessage(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(m_mutex);
  return m_posted.wait_for(lock, timeout, [this] { return !m_entries.empty(); });
}

}  // namespace platform
