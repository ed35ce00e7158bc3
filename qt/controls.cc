#include "qt/controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>

#include "qt/model_link.h"

namespace {

using Property = CWindowModel::Property;

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The drop-down list takes the width the model works out from the entries
// measured in the widget's font.
class AutoWidthComboBox : public QComboBox {
 public:
  AutoWidthComboBox(CComboBoxModel& model, QWidget* parent) : QComboBox(parent), m_model(model) {
    m_model.SetTextMeasure([this](const std::string& text) { return fontMetrics().horizontalAdvance(Text(text)); });
  }
  ~AutoWidthComboBox() override { m_model.SetTextMeasure(nullptr); }

  void showPopup() override {
    view()->setMinimumWidth(m_model.OnDropDown());
    QComboBox::showPopup();
  }

 private:
  CComboBoxModel& m_model;
};

QDateTime QtDateTime(const CDateTime& value) {
  const CDateTime::Fields f = value.Split();
  return QDateTime(QDate(f.year, f.month, f.day), QTime(f.hour, f.minute, f.second));
}

CDateTime ModelDateTime(const QDateTime& value) {
  const QDate d = value.date();
  const QTime t = value.time();
  return CDateTime::FromFields(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

}  // namespace

QWidget* MakeLabel(CWindowModel& model, QWidget* parent) {
  auto* label = new QLabel(parent);
  new ModelLink(model, *label, [&model, label](Property property) {
    if (property == Property::kText) label->setText(Text(model.GetWindowText()));
  });
  return label;
}

QWidget* MakeButton(CButtonModel& model, QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setAutoDefault(false);  // Enter is the dialog's key, not the focused button's
  auto* link = new ModelLink(model, *button, [&model, button](Property property) {
    if (property == Property::kText) button->setText(Text(model.GetWindowText()));
  });
  QObject::connect(button, &QPushButton::clicked, link, [&model] { model.Click(); });
  return button;
}

QWidget* MakeLineEdit(CEditModel& model, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setClearButtonEnabled(true);
  auto* link = new ModelLink(model, *edit, [&model, edit](Property property) {
    if (property == Property::kText && edit->text() != Text(model.GetWindowText()))
      edit->setText(Text(model.GetWindowText()));
  });
  // Every keystroke is the user's edit; a refused one shows the model's text again.
  QObject::connect(edit, &QLineEdit::textEdited, link, [&model, edit](const QString& text) {
    if (!model.UserSetText(text.toStdString())) edit->setText(Text(model.GetWindowText()));
  });
  return edit;
}

QWidget* MakeComboBox(CComboBoxModel& model, QWidget* parent) {
  auto* combo = new AutoWidthComboBox(model, parent);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  const auto mirror = [&model, combo](Property property) {
    const QSignalBlocker quiet(combo);
    if (property == Property::kItems || property == Property::kText) {
      combo->clear();
      for (int i = 0; i < model.GetCount(); ++i) combo->addItem(Text(model.GetLBText(i)));
    }
    if (property == Property::kItems || property == Property::kSelection || property == Property::kText)
      combo->setCurrentIndex(model.GetCurSel());
  };
  auto* link = new ModelLink(model, *combo, mirror);
  QObject::connect(combo, &QComboBox::activated, link, [&model, combo](int index) {
    if (!model.UserSelect(index)) {
      const QSignalBlocker quiet(combo);
      combo->setCurrentIndex(model.GetCurSel());
    }
  });
  return combo;
}

QWidget* MakeDateTimePicker(CDateTimePickerModel& model, QWidget* parent) {
  auto* picker = new QWidget(parent);
  auto* layout = new QHBoxLayout(picker);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  auto* check = new QCheckBox(picker);
  auto* edit = new QDateTimeEdit(picker);
  edit->setCalendarPopup(true);
  layout->addWidget(check);
  layout->addWidget(edit);
  const auto mirror = [&model, check, edit](Property property) {
    const QSignalBlocker quietCheck(check);
    const QSignalBlocker quietEdit(edit);
    if (property == Property::kText || property == Property::kFormat)
      edit->setDisplayFormat(model.GetFormat().empty() ? QStringLiteral("yyyy/MM/dd") : Text(model.GetFormat()));
    if (property == Property::kText || property == Property::kChecked) check->setChecked(model.IsChecked());
    if (property == Property::kText || property == Property::kValue) edit->setDateTime(QtDateTime(model.GetTime()));
  };
  auto* link = new ModelLink(model, *picker, mirror);
  QObject::connect(check, &QCheckBox::clicked, link, [&model, mirror](bool checked) {
    model.UserSetCheck(checked);
    mirror(Property::kChecked);
  });
  QObject::connect(edit, &QDateTimeEdit::dateTimeChanged, link, [&model, mirror](const QDateTime& value) {
    if (!model.UserSetTime(ModelDateTime(value))) mirror(Property::kValue);
  });
  return picker;
}
