#include "tools/logview-host/sites_panel.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The log kinds logview searches on several servers, as its page names.
constexpr const char* kKinds[] = {"events", "system", "backup", "edge", "ivs", "counting"};

// Past the closing quote of the JSON string starting at `at` (a quote).
qsizetype SkipJsonString(const QByteArray& text, qsizetype at) {
  for (++at; at < text.size(); ++at) {
    if (text[at] == '\\') ++at;
    else if (text[at] == '"') return at + 1;
  }
  return text.size();
}

}  // namespace

QString FindLogviewBeside(const QString& programFolder) {
  for (const QString& candidate : {programFolder + "/logview", programFolder + "/../logview/logview"}) {
    if (QFileInfo(candidate).isExecutable()) return QFileInfo(candidate).canonicalFilePath();
  }
  return "logview";
}

QStringList JsonMemberOrder(const QByteArray& object) {
  QStringList titles;
  qsizetype at = object.indexOf('{');
  while (at >= 0 && at < object.size()) {
    const qsizetype key = object.indexOf('"', at);
    if (key < 0) break;
    const qsizetype keyEnd = SkipJsonString(object, key);
    titles << QJsonDocument::fromJson("[" + object.mid(key, keyEnd - key) + "]").array().at(0).toString();
    // The value: a string, or a bare word up to the next member or the end.
    qsizetype value = keyEnd;
    while (value < object.size() && (object[value] == ':' || object[value] == ' ')) ++value;
    at = value < object.size() && object[value] == '"' ? SkipJsonString(object, value) : value;
    at = object.indexOf(',', at);
  }
  return titles;
}

SitesPanel::SitesPanel(std::string installFolder, QString logview, std::function<QString()> day, QWidget* parent)
    : QGroupBox("Sites: one search on many servers", parent),
      m_installFolder(std::move(installFolder)),
      m_logview(std::move(logview)),
      m_day(std::move(day)),
      m_sites(new QPlainTextEdit("127.0.0.1:5160 admin:admin\n")),
      m_kind(new QComboBox),
      m_search(new QPushButton("Search sites")),
      m_cancel(new QPushButton("Cancel")),
      m_answers(new QPlainTextEdit),
      m_count(new QLabel),
      m_view(new QTableView),
      m_model(new QStandardItemModel(this)) {
  for (const char* kind : kKinds) m_kind->addItem(kind);
  m_sites->setToolTip("one server a line: HOST[:PORT] USER[:PASSWORD]");
  m_sites->setMaximumHeight(4 * fontMetrics().height() + 10);
  m_answers->setReadOnly(true);
  m_answers->setMaximumHeight(4 * fontMetrics().height() + 10);
  m_cancel->setEnabled(false);
  m_view->setModel(m_model);
  m_view->verticalHeader()->hide();
  m_view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  m_view->horizontalHeader()->setStretchLastSection(true);
  connect(m_search, &QPushButton::clicked, this, [this] { Search(); });
  connect(m_cancel, &QPushButton::clicked, this, [this] { Cancel(); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_kind);
  buttons->addWidget(m_search);
  buttons->addWidget(m_cancel);
  buttons->addWidget(m_count, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_sites);
  layout->addLayout(buttons);
  layout->addWidget(m_answers);
  layout->addWidget(m_view, 1);
}

SitesPanel::~SitesPanel() { Cancel(); }

void SitesPanel::SetSites(const QString& lines) { m_sites->setPlainText(lines); }

void SitesPanel::SetKind(const QString& kind) { m_kind->setCurrentText(kind); }

bool SitesPanel::Running() const { return m_process != nullptr; }

QString SitesPanel::Answers() const { return m_answers->toPlainText(); }

bool SitesPanel::Search() {
  if (Running()) {
    m_answers->appendPlainText("a search runs already");
    return false;
  }
  m_answers->clear();
  m_model->clear();
  m_errorBytes.clear();
  m_count->setText("searching...");
  m_process = new QProcess(this);
  connect(m_process, &QProcess::readyReadStandardError, this, [this] { OnAnswerLines(); });
  connect(m_process, &QProcess::finished, this, [this](int exitCode) { OnFinished(exitCode); });
  connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) OnFinished(-1);
  });
  m_process->start(m_logview, {"--install", QString::fromStdString(m_installFolder), "--sites", "-",
                               m_kind->currentText(), "--day", m_day(), "--json"});
  m_process->write(m_sites->toPlainText().toUtf8());
  m_process->closeWriteChannel();
  m_search->setEnabled(false);
  m_cancel->setEnabled(true);
  return true;
}

void SitesPanel::Cancel() {
  if (!Running()) return;
  QProcess* process = std::exchange(m_process, nullptr);
  process->disconnect(this);
  process->kill();
  process->waitForFinished(5000);
  process->deleteLater();
  m_answers->appendPlainText("cancelled");
  m_count->clear();
  m_search->setEnabled(true);
  m_cancel->setEnabled(false);
}

void SitesPanel::OnAnswerLines() {
  m_errorBytes += m_process->readAllStandardError();
  for (qsizetype end; (end = m_errorBytes.indexOf('\n')) >= 0; m_errorBytes.remove(0, end + 1))
    m_answers->appendPlainText(QString::fromUtf8(m_errorBytes.left(end)));
}

void SitesPanel::OnFinished(int exitCode) {
  if (!Running()) return;
  QProcess* process = std::exchange(m_process, nullptr);
  process->deleteLater();
  m_search->setEnabled(true);
  m_cancel->setEnabled(false);
  if (exitCode < 0) {
    m_answers->appendPlainText("cannot run " + m_logview + ": " + process->errorString());
    m_count->clear();
    return;
  }
  m_errorBytes += process->readAllStandardError();
  if (!m_errorBytes.isEmpty()) m_answers->appendPlainText(QString::fromUtf8(m_errorBytes));
  const QByteArray out = process->readAllStandardOutput();
  const QJsonArray rows = QJsonDocument::fromJson(out).array();
  // The member order of the first row gives the columns; "state" is not one.
  const qsizetype first = out.indexOf('{');
  QStringList titles = first < 0 ? QStringList() : JsonMemberOrder(out.mid(first, out.indexOf('\n', first) - first));
  titles.removeAll("state");
  m_model->setHorizontalHeaderLabels(titles);
  for (const QJsonValue& row : rows) {
    QList<QStandardItem*> cells;
    for (const QString& title : titles) cells << new QStandardItem(row.toObject().value(title).toString());
    m_model->appendRow(cells);
  }
  m_view->resizeColumnsToContents();
  m_count->setText(QString("%1 rows").arg(rows.size()));
}
