// LogviewHost: the host window of the command-line viewer.  It answers the
// viewer's questions as the options say (32792: playable or not; 32791: a
// playback channel is free) and writes every message it receives to
// standard error as "host: NUMBER WPARAM LPARAM", pointer arguments shown by
// what they point to.  It also answers the viewer's message boxes (AskUser),
// writing each as "message: CAPTION: TEXT", and notes the failures the
// viewer reports.
//
// One per run, on the main thread; its posted messages go to the process's
// default queue (DeliverPosted).
#pragma once

#include <cstdio>
#include <string>

#include "platform/cwnd.h"

class LogviewHost : public platform::CWnd {
 public:
  LogviewHost(bool playable, FILE* log);
  ~LogviewHost() override;

  // Delivers what the viewer posted so far.
  void DeliverPosted();

  // A message box of the viewer: written to the log and answered with its
  // default button.  Every box the viewer shows this host reports a failure
  // (a failed search, a database that could not be opened, a file that
  // could not be written).  After NoteFailureReason the line ends with
  // " (REASON)": the box's text is the system's, the reason says why it came.
  int AskUser(const std::string& text, const std::string& caption, unsigned style);
  void NoteFailureReason(const std::string& reason) { m_reason = reason; }

  // Whether the viewer reported a failure: message 32789 or a message box.
  bool SearchFailed() const { return m_searchFailed; }

 protected:
  platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                               platform::LPARAM lParam) override;

 private:
  const bool m_playable;
  FILE* const m_log;
  bool m_searchFailed = false;
  std::string m_reason;  // for the next box, then cleared
};

// How a host line shows a message's arguments (exposed for the tests).
std::string DescribeHostMessage(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);
