#include "qt/log_list_view.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QMenu>
#include <algorithm>

#include "qt/log_table_model.h"
#include "qt/model_link.h"

namespace {

// The pages give their column widths in pixels of the recorder's dialog
// font, whose average character is 6 pixels wide.  A wider font here (the
// desktop's, usually DejaVu Sans) gets the columns widened in proportion, so
// that a time still fits beside its row image; a narrower one keeps them.
double ColumnScale(const QFontMetrics& font) {
  constexpr double kDialogFontAverageWidth = 6.0;
  const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const double average = font.horizontalAdvance(alphabet) / static_cast<double>(alphabet.size());
  return std::max(1.0, average / kDialogFontAverageWidth);
}

void MirrorColumns(const CLogListCtrl& list, QTableView& view) {
  const double scale = ColumnScale(view.fontMetrics());
  for (int i = 0; i < list.GetColumnCount(); ++i)
    view.setColumnWidth(i, static_cast<int>(list.GetColumn(i)->width * scale + 0.5));
}

void MirrorSort(const CLogListCtrl& list, QHeaderView& header) {
  header.setSortIndicatorShown(list.GetSortColumn() != CLogListCtrl::kNone);
  if (list.GetSortColumn() != CLogListCtrl::kNone)
    header.setSortIndicator(list.GetSortColumn(),
                            list.GetSortDirection() == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

}  // namespace

QTableView* MakeLogListView(CLogListCtrl& list, QWidget* parent) {
  auto* view = new QTableView(parent);
  auto* model = new LogTableModel(list, view);
  view->setModel(model);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setShowGrid(false);
  view->setWordWrap(false);
  view->setCornerButtonEnabled(false);
  view->setTabKeyNavigation(false);  // Tab leaves the list for the next control
  QHeaderView* rows = view->verticalHeader();
  rows->hide();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(view->fontMetrics().height() + 4);
  QHeaderView* header = view->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Interactive);
  header->setSectionsClickable(true);
  header->setHighlightSections(false);
  header->setStretchLastSection(false);
  MirrorColumns(list, *view);
  MirrorSort(list, *header);

  auto* link = new ModelLink(list, *view, [&list, view, header](CWindowModel::Property property) {
    if (property == CWindowModel::Property::kColumns) MirrorColumns(list, *view);
    if (property == CWindowModel::Property::kSort) MirrorSort(list, *header);
    if (property == CWindowModel::Property::kSelection) {
      if (list.GetSelectedRow() == CLogListCtrl::kNone)
        view->clearSelection();
      else if (view->currentIndex().row() != list.GetSelectedRow())
        view->selectRow(list.GetSelectedRow());
    }
  });
  // The list's sort indicator is the model's: a click only asks for a sort.
  QObject::connect(header, &QHeaderView::sectionClicked, link, [&list, header](int column) {
    list.ClickHeader(column);
    MirrorSort(list, *header);
  });
  QObject::connect(view, &QTableView::doubleClicked, link,
                   [&list](const QModelIndex& index) { list.DoubleClickRow(index.row()); });
  QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, link,
                   [&list](const QModelIndex& current) {
                     if (current.isValid() && current.row() != list.GetSelectedRow()) list.SelectRow(current.row());
                   });
  // The page's row menu ("Same type" ...), on the row under the pointer.
  if (!list.GetRowMenu().empty()) {
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, link, [&list, view](const QPoint& at) {
      const QModelIndex index = view->indexAt(at);
      if (!index.isValid()) return;
      QMenu menu(view);
      const std::vector<std::string>& entries = list.GetRowMenu();
      for (size_t i = 0; i < entries.size(); ++i) menu.addAction(QString::fromStdString(entries[i]))->setData(int(i));
      if (const QAction* chosen = menu.exec(view->viewport()->mapToGlobal(at)))
        list.ChooseRowMenuItem(index.row(), chosen->data().toInt());
    });
  }
  return view;
}
