// ViewerWindow: the viewer dialog as a resizable QDialog (never smaller than
// the dialog's minimum) whose client area is a QTabWidget of the dialog's
// pages under their translated titles.  The close box, Esc and Enter go to
// the dialog, which decides what they mean; the window shows and hides as
// the dialog says, and lays itself out right to left when the dialog does.
//
// The dialog outlives its window: the front end deletes the window when the
// dialog goes.
#pragma once

#include <QDialog>
#include <QTabWidget>
#include <map>

#include "shell/log_viewer_dlg.h"

class ViewerWindow : public QDialog {
 public:
  ViewerWindow(CLogViewerDlg& dialog, QWidget* parent);

  CLogViewerDlg& Dialog() const { return m_dialog; }
  QTabWidget& Tabs() const { return *m_tabs; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void MirrorTabs();
  void MirrorCurrentTab();
  QWidget* PageWidget(CWindowModel* page);

  CLogViewerDlg& m_dialog;
  QTabWidget* m_tabs;
  std::map<CWindowModel*, QWidget*> m_pages;  // made on first show, owned by the window
  bool m_mirroring = false;                   // the tab widget follows the model
};
