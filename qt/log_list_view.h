// The list of a page as a QTableView over one LogTableModel: uniform rows
// of a fixed height (no measuring of contents), the columns' widths as the
// list gives them, header clicks sent to the list (the page sorts) and its
// sort state shown on the header, a double click sent as the row opened.
#pragma once

#include <QTableView>

#include "ui/log_list_ctrl.h"

QTableView* MakeLogListView(CLogListCtrl& list, QWidget* parent);
