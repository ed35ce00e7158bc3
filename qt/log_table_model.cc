#include "qt/log_table_model.h"

#include "qt/row_images.h"

LogTableModel::LogTableModel(CLogListCtrl& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list), m_images(RowImages(list.GetImages())) {
  // The list reports after the change: the model tells its views at once.
  m_connections.push_back(m_list.OnRowsReset([this] {
    beginResetModel();
    endResetModel();
  }));
  m_connections.push_back(m_list.OnRowsChanged([this](int first, int last) {
    if (first <= last) emit dataChanged(index(first, 0), index(last, columnCount() - 1));
  }));
  m_connections.push_back(m_list.OnChanged([this](CWindowModel::Property property) {
    if (property == CWindowModel::Property::kColumns) {
      beginResetModel();
      endResetModel();
    }
    if (property == CWindowModel::Property::kStyle) m_images = RowImages(m_list.GetImages());
  }));
}

int LogTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_list.GetItemCount();
}

int LogTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_list.GetColumnCount();
}

QVariant LogTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(m_list.GetItemText(index.row(), index.column()));
    case Qt::DecorationRole: {
      if (index.column() != 0 || m_images.empty()) return {};
      const int image = m_list.GetItemImage(index.row());
      if (image < 0 || static_cast<size_t>(image) >= m_images.size()) return {};
      return m_images[static_cast<size_t>(image)];
    }
    case Qt::TextAlignmentRole:
      switch (m_list.GetColumn(index.column())->align) {
        case CListColumn::Align::kCentre:
          return int(Qt::AlignCenter);
        case CListColumn::Align::kRight:
          return int(Qt::AlignRight | Qt::AlignVCenter);
        case CListColumn::Align::kLeft:
          return int(Qt::AlignLeft | Qt::AlignVCenter);
      }
      return {};
    default:
      return {};
  }
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  const CListColumn* column = m_list.GetColumn(section);
  return column != nullptr ? QVariant(QString::fromStdString(column->title)) : QVariant();
}
