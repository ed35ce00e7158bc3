#include "qt/viewer_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "qt/model_link.h"
#include "qt/page_widget.h"

namespace {

constexpr int kVirtualKeyReturn = 0x0D;
constexpr int kVirtualKeyEscape = 0x1B;

}  // namespace

ViewerWindow::ViewerWindow(CLogViewerDlg& dialog, QWidget* parent)
    : QDialog(parent), m_dialog(dialog), m_tabs(new QTabWidget(this)) {
  setMinimumSize(CLogViewerDlg::kMinWidth, CLogViewerDlg::kMinHeight);
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(m_tabs);
  new ModelLink(dialog, *this, [this](CWindowModel::Property property) {
    if (property == CWindowModel::Property::kText) setWindowTitle(QString::fromStdString(m_dialog.GetWindowText()));
    if (property == CWindowModel::Property::kVisible) setVisible(m_dialog.IsVisible());
  }, false);
  CTabCtrlEx& tabs = dialog.TabCtrl();
  auto* tabLink = new ModelLink(tabs, *m_tabs, [this](CWindowModel::Property property) {
    if (property == CWindowModel::Property::kItems) MirrorTabs();
    if (property == CWindowModel::Property::kSelection) MirrorCurrentTab();
  }, false);
  MirrorTabs();
  connect(m_tabs, &QTabWidget::currentChanged, tabLink, [this](int index) {
    if (m_mirroring || index == m_dialog.TabCtrl().GetCurSel()) return;
    m_dialog.TabCtrl().UserSelect(index);
    MirrorCurrentTab();
  });
  resize(CLogViewerDlg::kMinWidth * 3 / 2, CLogViewerDlg::kMinHeight * 3 / 2);
}

QWidget* ViewerWindow::PageWidget(CWindowModel* page) {
  auto [it, added] = m_pages.try_emplace(page, nullptr);
  if (added) it->second = MakePageWidget(*page, this);
  return it->second;
}

void ViewerWindow::MirrorTabs() {
  m_mirroring = true;
  const CTabCtrlEx& tabs = m_dialog.TabCtrl();
  while (m_tabs->count() > 0) m_tabs->removeTab(0);
  for (int i = 0; i < tabs.GetItemCount(); ++i) {
    const CTabItem* tab = tabs.GetTab(i);
    m_tabs->addTab(PageWidget(tab->page), QString::fromStdString(tab->title));
  }
  m_mirroring = false;
  MirrorCurrentTab();
}

void ViewerWindow::MirrorCurrentTab() {
  m_mirroring = true;
  if (m_dialog.TabCtrl().GetCurSel() >= 0) m_tabs->setCurrentIndex(m_dialog.TabCtrl().GetCurSel());
  m_mirroring = false;
}

void ViewerWindow::closeEvent(QCloseEvent* event) {
  event->ignore();  // the dialog hides or ends itself
  m_dialog.OnClose();
}

void ViewerWindow::reject() { m_dialog.OnCancel(); }

void ViewerWindow::keyPressEvent(QKeyEvent* event) {
  int key = 0;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) key = kVirtualKeyReturn;
  if (event->key() == Qt::Key_Escape) key = kVirtualKeyEscape;
  if (key != 0 && m_dialog.PreTranslateKey(key)) return;
  QDialog::keyPressEvent(event);
}

void ViewerWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const CRect& rect = m_dialog.GetRect();
  m_dialog.MoveWindow(CRect{rect.left, rect.top, rect.left + width(), rect.top + height()});
}
