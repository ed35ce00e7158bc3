// LogTableModel: the list of a page as one Qt table model.  It keeps no
// rows: every cell's text and the row's small image are asked of the list
// (and through it of the page) when a view needs them, so a million rows
// cost the front end nothing per row.  Rows are reset when the list's row
// count is set, cells reported changed when the list redraws rows, and the
// header follows the list's columns.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <vector>

#include "ui/log_list_ctrl.h"

class LogTableModel : public QAbstractTableModel {
 public:
  // The list outlives the model (the page's widget goes before the page).
  explicit LogTableModel(CLogListCtrl& list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  CLogListCtrl& List() const { return m_list; }

 private:
  CLogListCtrl& m_list;
  std::vector<QIcon> m_images;  // the list's images, by index
  std::vector<CConnection> m_connections;
};
