// LogviewHost: the host window of the command-line viewer.  It answers the
// viewer's questions as the options say (32792: playable or not; 32791: a
// playback channel is free) and writes every message it receives to
// standard error as "host: NUMBER WPARAM LPARAM", pointer arguments shown by
// what they point to.  It also writes the viewer's message boxes as
// "message: CAPTION: TEXT" and notes the failures the viewer reports.
//
// One per run, on the main thread; its posted messages go to the process's
// default queue (DeliverPosted).
#pragma once

#include <cstdio>
#include <string>

#include "platform/cwnd.h"
#include "ui/message_box.h"

class LogviewHost : public platform::CWnd {
 public:
  LogviewHost(bool playable, FILE* log);
  ~LogviewHost() override;

  // Delivers what the viewer posted so far.
  void DeliverPosted();

  // Whether the viewer reported a failed search: message 32789, or the box
  // of a failed search or of a database that could not be opened.
  bool SearchFailed() const { return m_searchFailed; }

 protected:
  platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                               platform::LPARAM lParam) override;

 private:
  int OnMessageBox(const CMessageBoxRequest& request);

  const bool m_playable;
  FILE* const m_log;
  bool m_searchFailed = false;
  CMessageBox::Handler m_previousHandler;
};

// How a host line shows a message's arguments (exposed for the tests).
std::string DescribeHostMessage(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);
