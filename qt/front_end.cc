// InstallLogViewerQtFrontEnd: the viewer's dialogs get a ViewerWindow each
// while their window exists, the modal viewer runs in a Qt event loop, boxes
// and save dialogs are Qt dialogs, a search lets the event loop run as it
// reports progress, and posted messages are delivered from Qt's event loop.
#include "logview/logview_qt.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <map>

#include "platform/message_queue.h"
#include "qt/message_box.h"
#include "qt/viewer_window.h"
#include "shell/log_viewer_dlg.h"

namespace {

std::map<CLogViewerDlg*, QPointer<ViewerWindow>>& Windows() {
  static auto* windows = new std::map<CLogViewerDlg*, QPointer<ViewerWindow>>();
  return *windows;
}

void MakeWindow(CLogViewerDlg& dialog) { Windows()[&dialog] = new ViewerWindow(dialog, nullptr); }

void DropWindow(CLogViewerDlg& dialog) {
  const auto it = Windows().find(&dialog);
  if (it == Windows().end()) return;
  delete it->second.data();
  Windows().erase(it);
}

// The viewer's dialogs live as long as the library; their windows must not
// outlive the QApplication they were made in.
void DropAllWindows() {
  for (auto& [dialog, window] : Windows()) delete window.data();
  Windows().clear();
}

// Until the dialog ends (its window's close box, Esc, OK or Cancel); the
// window is modal to the application meanwhile.
void RunModal(CLogViewerDlg& dialog) {
  const QPointer<ViewerWindow> window = Windows()[&dialog];
  if (!window) return;
  window->setWindowModality(Qt::ApplicationModal);
  window->show();
  while (!dialog.EndedModal() && window && !QCoreApplication::closingDown())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Posting may happen on any thread: the delivery is queued onto the
// application's thread.
void DeliverFromEventLoop() {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [] { platform::MessageQueue::Default()->DeliverPending(); },
      Qt::QueuedConnection);
}

}  // namespace

void InstallLogViewerQtFrontEnd() {
  CLogViewerDlg::FrontEnd frontEnd;
  frontEnd.windowMade = MakeWindow;
  frontEnd.destroying = DropWindow;
  frontEnd.services.askUser = AskWithMessageBox;
  frontEnd.services.chooseSavePath = ChooseWithFileDialog;
  frontEnd.searchProgress = [] { QCoreApplication::processEvents(QEventLoop::AllEvents); };
  CLogViewerDlg::SetFrontEnd(std::move(frontEnd));
  CLogViewerDlg::SetModalLoop(RunModal);
  platform::MessageQueue::Default()->SetWakeUp(DeliverFromEventLoop);
  qRemovePostRoutine(DropAllWindows);  // once, however often the host installs
  qAddPostRoutine(DropAllWindows);
  DeliverFromEventLoop();  // what was posted before
}
