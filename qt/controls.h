// The widgets of a page's controls, each built over its control model and
// mirroring it through a ModelLink: a static text → QLabel, a button →
// QPushButton, a text box → QLineEdit, a combo box → QComboBox, a picker → QDateTimeEdit with its
// check box.  What the user does goes to the model's user calls; a call the
// model refuses leaves the widget showing the model's state again.
#pragma once

#include <QWidget>

#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/date_time_picker_model.h"
#include "ui/edit_model.h"

QWidget* MakeLabel(CWindowModel& model, QWidget* parent);
QWidget* MakeButton(CButtonModel& model, QWidget* parent);
QWidget* MakeLineEdit(CEditModel& model, QWidget* parent);
QWidget* MakeComboBox(CComboBoxModel& model, QWidget* parent);
QWidget* MakeDateTimePicker(CDateTimePickerModel& model, QWidget* parent);
