#include "qt/message_box.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <utility>
#include <vector>

#include "ui/export_file_dialog.h"
#include "ui/message_box.h"

namespace {

using Answer = std::pair<QMessageBox::StandardButton, int>;

std::vector<Answer> ButtonsOf(unsigned style) {
  switch (style & CMessageBox::kButtonMask) {
    case CMessageBox::kOkCancel:
      return {{QMessageBox::Ok, CMessageBox::kIdOk}, {QMessageBox::Cancel, CMessageBox::kIdCancel}};
    case CMessageBox::kAbortRetryIgnore:
      return {{QMessageBox::Abort, CMessageBox::kIdAbort},
              {QMessageBox::Retry, CMessageBox::kIdRetry},
              {QMessageBox::Ignore, CMessageBox::kIdIgnore}};
    case CMessageBox::kYesNoCancel:
      return {{QMessageBox::Yes, CMessageBox::kIdYes},
              {QMessageBox::No, CMessageBox::kIdNo},
              {QMessageBox::Cancel, CMessageBox::kIdCancel}};
    case CMessageBox::kYesNo:
      return {{QMessageBox::Yes, CMessageBox::kIdYes}, {QMessageBox::No, CMessageBox::kIdNo}};
    case CMessageBox::kRetryCancel:
      return {{QMessageBox::Retry, CMessageBox::kIdRetry}, {QMessageBox::Cancel, CMessageBox::kIdCancel}};
    default:
      return {{QMessageBox::Ok, CMessageBox::kIdOk}};
  }
}

QMessageBox::Icon IconOf(unsigned style) {
  switch (style & CMessageBox::kIconMask) {
    case CMessageBox::kIconStop:
      return QMessageBox::Critical;
    case CMessageBox::kIconQuestion:
      return QMessageBox::Question;
    case CMessageBox::kIconWarning:
      return QMessageBox::Warning;
    case CMessageBox::kIconInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// "CSV Files (*.csv)|*.csv|Text Files (*.txt)|*.txt||" → "CSV Files (*.csv);;Text Files (*.txt)":
// each description without its own pattern list, then the pattern as Qt
// writes one (separated by spaces).
QString NameFilters(const std::string& filter) {
  QStringList names;
  const CExportFileDialog dialog(filter);  // GetFilters refers into it
  for (const CExportFileDialog::Filter& entry : dialog.GetFilters()) {
    const QString name = QString::fromStdString(entry.description).section(QLatin1Char('('), 0, 0).trimmed();
    names << name + QStringLiteral(" (") + QString::fromStdString(entry.pattern).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                 QLatin1Char(')');
  }
  return names.join(QStringLiteral(";;"));
}

}  // namespace

int AskWithMessageBox(const std::string& text, const std::string& caption, unsigned style) {
  QMessageBox box(IconOf(style), QString::fromStdString(caption), QString::fromStdString(text),
                  QMessageBox::NoButton, QApplication::activeWindow());
  const std::vector<Answer> buttons = ButtonsOf(style);
  for (const Answer& answer : buttons) box.addButton(answer.first);
  const int defaultAnswer = CMessageBox::DefaultAnswer(style);
  for (const Answer& answer : buttons) {
    if (answer.second == defaultAnswer) box.setDefaultButton(answer.first);
  }
  const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
  for (const Answer& answer : buttons) {
    if (answer.first == pressed) return answer.second;
  }
  return CMessageBox::kIdCancel;  // closed without a button
}

std::optional<std::string> ChooseWithFileDialog(const std::string& filter, const std::string& defaultExtension) {
  QFileDialog dialog(QApplication::activeWindow());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(NameFilters(filter));
  dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !CExportFileDialog::kPromptBeforeOverwrite);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}
