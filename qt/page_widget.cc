#include "qt/page_widget.h"

#include <QBoxLayout>
#include <vector>

#include "qt/controls.h"
#include "qt/log_list_view.h"
#include "qt/model_link.h"
#include "qt/picture_view.h"

namespace {

bool IsLabel(const CWindowModel* window) { return window->GetClassName() == kStaticClass; }

QWidget* MakeControl(CWindowModel& control, QWidget* parent) {
  if (auto* list = dynamic_cast<CLogListCtrl*>(&control)) return MakeLogListView(*list, parent);
  if (auto* picture = dynamic_cast<CPictureWindow*>(&control)) return MakePictureView(*picture, parent);
  if (auto* combo = dynamic_cast<CComboBoxModel*>(&control)) return MakeComboBox(*combo, parent);
  if (auto* picker = dynamic_cast<CDateTimePickerModel*>(&control)) return MakeDateTimePicker(*picker, parent);
  if (auto* button = dynamic_cast<CButtonModel*>(&control)) return MakeButton(*button, parent);
  if (auto* edit = dynamic_cast<CEditModel*>(&control)) return MakeLineEdit(*edit, parent);
  return MakeLabel(control, parent);
}

// The children in the order they are shown: a run of n texts followed by n
// controls becomes text, control, text, control ...
std::vector<CWindowModel*> ShownOrder(const std::vector<CWindowModel*>& children) {
  std::vector<CWindowModel*> order;
  size_t i = 0;
  while (i < children.size()) {
    size_t labels = 0;
    while (i + labels < children.size() && IsLabel(children[i + labels])) ++labels;
    size_t controls = 0;
    while (controls < labels && i + labels + controls < children.size() &&
           !IsLabel(children[i + labels + controls]))
      ++controls;
    if (labels > 1 && controls == labels) {
      for (size_t k = 0; k < labels; ++k) {
        order.push_back(children[i + k]);
        order.push_back(children[i + labels + k]);
      }
      i += 2 * labels;
    } else {
      order.push_back(children[i++]);
    }
  }
  return order;
}

}  // namespace

QWidget* MakePageWidget(CWindowModel& page, QWidget* parent) {
  auto* widget = new QWidget(parent);
  auto* column = new QVBoxLayout(widget);
  auto* row = new QHBoxLayout();
  column->addLayout(row);
  const std::vector<CWindowModel*> order = ShownOrder(page.GetChildren());
  bool pickersRow = false;
  for (size_t i = 0; i < order.size(); ++i) {
    CWindowModel* child = order[i];
    QWidget* control = MakeControl(*child, widget);
    if (dynamic_cast<CLogListCtrl*>(child) != nullptr || dynamic_cast<CPictureWindow*>(child) != nullptr) {
      column->addWidget(control, 1);
      continue;
    }
    const bool picksTime = i + 1 < order.size() && dynamic_cast<CDateTimePickerModel*>(order[i + 1]) != nullptr;
    if (!pickersRow && (picksTime || dynamic_cast<CDateTimePickerModel*>(child) != nullptr)) {
      pickersRow = true;
      row->addStretch();
      row = new QHBoxLayout();
      column->addLayout(row);
    }
    // A text box and its label start a row of their own (the find box above the list).
    const bool labelsTextBox = i + 1 < order.size() && dynamic_cast<CEditModel*>(order[i + 1]) != nullptr;
    if (labelsTextBox) {
      row->addStretch();
      row = new QHBoxLayout();
      column->addLayout(row);
    }
    row->addWidget(control, dynamic_cast<CEditModel*>(child) != nullptr ? 1 : 0);
  }
  row->addStretch();
  new ModelLink(page, *widget, nullptr, false);
  return widget;
}
