// CLogViewerApp: the library's application object.  It holds the viewer's
// global settings (switches, remote mode, language number, fonts) and owns the
// one modeless dialog object.
//
// One instance per library load, made and initialised by the first exported
// call (TheLogViewerApp), so that loading the library reads and writes
// nothing and a host may set $LOGVIEW_INSTALL and $LOGVIEW_REGISTRY any time
// before that call.  liblogview.so deletes it when it is unloaded.  Used from
// the host's UI thread only; making it is safe from any thread.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "vocabulary/log_status.h"
#include "shell/log_viewer_dlg.h"

struct ViewerFont {
  std::string face;
  int pointSize = 9;
};

class CLogViewerApp {
 public:
  CLogViewerApp();
  ~CLogViewerApp();
  CLogViewerApp(const CLogViewerApp&) = delete;
  CLogViewerApp& operator=(const CLogViewerApp&) = delete;

  // The start-up steps: the system configuration, the language number (read
  // from "LangID", chosen from the system language when 0, written back), the
  // fonts.
  void InitInstance();

  // The modeless dialog object.
  CLogViewerDlg& Dialog() { return *m_dialog; }
  // Deletes the dialog object (and its window) and makes a new one.
  void ReplaceDialog();

  // The host's services, lent to every dialog: the modeless one at once,
  // each modal one when it is made.
  void SetServices(ViewerServices services);
  const ViewerServices& Services() const { return m_services; }
  // Whether the modeless dialog's window exists.
  bool IsCreated() const { return m_dialog->HasWindow(); }

  bool resetRequested = false;  // ResetLogViewerInstance was called
  SystemLogStatus systemLogStatus;
  EventLogStatus eventLogStatus;
  bool remoteMode = false;
  uint32_t languageNumber = 0;
  ViewerFont firstFont;
  ViewerFont secondFont;

  // The switches as pages read them: the host's only in remote mode.
  EventLogStatus EventSwitches() const { return EventSwitchesInEffect(eventLogStatus, remoteMode); }
  SystemLogStatus SystemSwitches() const {
    return SystemSwitchesInEffect(systemLogStatus, remoteMode);
  }

 private:
  ViewerServices m_services;
  std::unique_ptr<CLogViewerDlg> m_dialog;
};

// The application object, made and initialised on the first call.
CLogViewerApp& TheLogViewerApp();
// The application object, or nullptr while none has been made (before the
// first exported call, or after DestroyLogViewerApp).
CLogViewerApp* AfxGetLogViewerApp();
// Makes and initialises a new application object, replacing an earlier one
// (tests start the viewer afresh this way).
CLogViewerApp& CreateLogViewerApp();
void DestroyLogViewerApp();

// The language number for the system's user-interface language.
uint32_t SystemLanguageNumber();
