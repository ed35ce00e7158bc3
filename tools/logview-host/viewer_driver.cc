#include "tools/logview-host/viewer_driver.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDateTimeEdit>
#include <QDialog>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

namespace {

QTableView* ListOf(QWidget* page) { return page != nullptr ? page->findChild<QTableView*>() : nullptr; }

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& where, Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(where), QPointF(widget->mapToGlobal(where)), Qt::LeftButton, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// A press and release of the left button at `where` in `widget`.
void ClickAt(QWidget* widget, const QPoint& where) {
  SendMouse(widget, QEvent::MouseButtonPress, where, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseButtonRelease, where, Qt::NoButton);
}

}  // namespace

void LetEventsRun() {
  QApplication::sendPostedEvents();
  QApplication::processEvents();
}

namespace {

// The application's top-level dialogs other than `host` that hold a tab widget.
QList<QDialog*> ViewerWindows(const QWidget* host) {
  QList<QDialog*> windows;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QDialog*>(widget);
    if (dialog != nullptr && dialog != host && dialog->findChild<QTabWidget*>() != nullptr) windows.append(dialog);
  }
  return windows;
}

}  // namespace

QDialog* ViewerDriver::FindViewerWindow(const QWidget* host) {
  for (QDialog* window : ViewerWindows(host))
    if (window->isVisible()) return window;
  return nullptr;
}

ViewerDriver::ViewerDriver(QDialog& window) : m_window(window), m_tabs(window.findChild<QTabWidget*>()) {}

int ViewerDriver::TabCount() const { return m_tabs->count(); }

QString ViewerDriver::TabTitle(int index) const { return m_tabs->tabText(index); }

void ViewerDriver::SelectTab(int index) {
  m_tabs->setCurrentIndex(index);
  LetEventsRun();
}

QWidget* ViewerDriver::Page() const { return m_tabs->currentWidget(); }

bool ViewerDriver::SetDay(const QDate& day) {
  auto* picker = Page() != nullptr ? Page()->findChild<QDateTimeEdit*>() : nullptr;
  if (picker == nullptr) return false;
  picker->setDate(day);
  LetEventsRun();
  return picker->date() == day;
}

bool ViewerDriver::Press(const QString& text) {
  if (Page() == nullptr) return false;
  for (QPushButton* button : Page()->findChildren<QPushButton*>()) {
    if (!button->isEnabled() || QString(button->text()).remove('&') != text) continue;
    button->click();
    LetEventsRun();
    return true;
  }
  return false;
}

bool ViewerDriver::ClickHeader(int column) {
  QTableView* list = ListOf(Page());
  if (list == nullptr || column >= list->model()->columnCount()) return false;
  QHeaderView* header = list->horizontalHeader();
  const int middle = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
  ClickAt(header->viewport(), QPoint(middle, header->height() / 2));
  LetEventsRun();
  return true;
}

bool ViewerDriver::OpenRow(int row) {
  QTableView* list = ListOf(Page());
  if (list == nullptr || row >= list->model()->rowCount()) return false;
  const QPoint where = list->visualRect(list->model()->index(row, 0)).center();
  ClickAt(list->viewport(), where);
  SendMouse(list->viewport(), QEvent::MouseButtonDblClick, where, Qt::LeftButton);
  SendMouse(list->viewport(), QEvent::MouseButtonRelease, where, Qt::NoButton);
  LetEventsRun();
  return true;
}

int ViewerDriver::RowCount() const {
  QTableView* list = ListOf(Page());
  return list != nullptr ? list->model()->rowCount() : -1;
}

QString ViewerDriver::CellText(int row, int column) const {
  QTableView* list = ListOf(Page());
  if (list == nullptr) return {};
  return list->model()->data(list->model()->index(row, column)).toString();
}

QImage ViewerDriver::Grab() const { return m_window.grab().toImage(); }
