// ViewerDriver: works the viewer's window through its Qt widgets, as a
// person at the host would: picks a tab, sets the day picker, presses a
// button, clicks a column header, and photographs the window.  It knows the
// window only as the application's other top-level dialog holding a tab
// widget, so it reaches nothing the person could not.
//
// Each action returns false when the current page has no such control.
#pragma once

#include <QDate>
#include <QImage>
#include <QString>

class QDialog;
class QTabWidget;
class QWidget;

class ViewerDriver {
 public:
  // The shown viewer window other than `host`; null when there is none.
  static QDialog* FindViewerWindow(const QWidget* host);

  explicit ViewerDriver(QDialog& window);

  int TabCount() const;
  QString TabTitle(int index) const;
  void SelectTab(int index);

  // The current page's day picker (its first date field) set to `day`.
  bool SetDay(const QDate& day);
  // Presses the current page's enabled button with this text ("&" marks ignored).
  bool Press(const QString& text);
  // Clicks the header of `column` in the current page's list.
  bool ClickHeader(int column);
  // Double-clicks a row of the current page's list (opens its event).
  bool OpenRow(int row);
  // The rows the current page's list shows; -1 when it has no list.
  int RowCount() const;
  // The text of a cell of the current page's list ("" when there is none).
  QString CellText(int row, int column) const;

  QImage Grab() const;

 private:
  QWidget* Page() const;

  QDialog& m_window;
  QTabWidget* m_tabs;
};

// Lets the event loop deliver what the last action posted and repaint.
void LetEventsRun();
