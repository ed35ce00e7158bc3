#include "platform/cwnd.h"

#include "platform/message_queue.h"

namespace platform {

CWnd::CWnd(MessageQueue* queue) : m_queue(queue != nullptr ? queue : MessageQueue::Default()) {}

CWnd::~CWnd() { m_queue->Drop(this); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return WindowProc(message, wParam, lParam);
}

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  m_queue->Post(MSG{this, message, wParam, lParam});
  return true;
}

LRESULT CWnd::WindowProc(UINT, WPARAM, LPARAM) { return 0; }

}  // namespace platform
