// CWnd: the small window handle through which the viewer, its pages and the
// host talk, in place of a Windows window and its messages.
//
// A window receives messages in its WindowProc.  SendMessage calls it at
// once on the calling thread and returns its answer; PostMessage queues the
// message on the window's MessageQueue, which delivers it later on the
// queue's owning thread.  A host implements its own CWnd to receive the
// viewer's messages (the kMsg... numbers below).
//
// Thread use: create, destroy and SendMessage to a window on the thread that
// pumps its queue; PostMessage is safe from any thread while the window
// lives.  Messages still queued for a window when it is destroyed are
// dropped.
#pragma once

#include <cstdint>

namespace platform {

using UINT = unsigned;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

class CWnd;
class MessageQueue;

struct MSG {
  CWnd* hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// Messages between the viewer and its host window.
// Sent by a page to the dialog: a search failed; lParam 0 or a std::string* with the reason.
constexpr UINT kMsgSearchFailed = 32786;
// Posted to the host: seek playback; wParam points to a CDateTime.
constexpr UINT kMsgSeekPlayback = 32787;
// Posted to the host: the viewer is closing (0, 0).
constexpr UINT kMsgViewerClosing = 32788;
// Posted to the host: a remote request failed with result 4294967295 (0, 0).
constexpr UINT kMsgRemoteRequestFailed = 32789;
// Posted to the host: start playback; wParam points to the playback request.
constexpr UINT kMsgStartPlayback = 32790;
// Sent to the host: wParam camera index; non-zero answer: no playback channel free.
constexpr UINT kMsgPlaybackChannelsFull = 32791;
// Sent to the host: wParam camera index, lParam points to a CDateTime;
// non-zero answer: the host can play that camera at that time.
constexpr UINT kMsgCanPlay = 32792;
// Sent to the host by a modal viewer: play that camera (wParam) at that time (lParam, CDateTime*).
constexpr UINT kMsgPlayModal = 32793;
// Posted to the host: the modeless viewer was hidden (wParam 1).
constexpr UINT kMsgViewerHidden = 32911;

// A key pressed, as a host forwards it to FilterDllMsg: wParam the key's
// virtual-key code.
constexpr UINT kMsgKeyDown = 0x0100;
constexpr WPARAM kVirtualKeyReturn = 0x0D;
constexpr WPARAM kVirtualKeyEscape = 0x1B;

class CWnd {
 public:
  // A window whose posted messages go to `queue` (null: MessageQueue::Default()).
  // The queue must outlive the window.
  explicit CWnd(MessageQueue* queue = nullptr);
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // Calls WindowProc now and returns its answer.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // Queues the message; true (there is no full queue).
  bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  MessageQueue* Queue() const { return m_queue; }

 protected:
  // The window's handler; the base answers 0 to everything.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  MessageQueue* m_queue;
};

}  // namespace platform
