// logview_qt.h: the Qt Widgets front end of the log viewer, for a host that
// is a Qt application.  Link logview::logview_qt (it brings
// logview::logview); a host without Qt links logview::logview alone.
#pragma once

// Call once, after the QApplication exists and before the first exported
// logview function: the viewer's windows, message boxes and save dialogs
// become Qt widgets, and messages posted to the viewer's and host's
// platform::CWnd windows are delivered through Qt's event loop.  The
// viewer's windows still open are deleted when the QApplication is.
void InstallLogViewerQtFrontEnd();
