// SitesPanel: one page's search on every recording server of a site at once,
// as `logview --sites` runs it: the servers (one "HOST[:PORT] USER[:PASSWORD]"
// a line), the log kind and the host's day.  "Search sites" runs logview over
// them in the background; each server's answer is listed as it ends
// ("server: HOST:PORT ok ROWS", "... failed: REASON", "... no data for this
// range"), and when all have answered the merged rows appear behind their
// "Server" column, in time order.  "Cancel" stops the search.
//
// One per host window, on the Qt thread.
#pragma once

#include <QGroupBox>
#include <QString>
#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProcess;
class QPushButton;
class QStandardItemModel;
class QTableView;

class SitesPanel : public QGroupBox {
 public:
  // `logview`: the logview executable; `day`: the day to search, "YYYY-MM-DD".
  SitesPanel(std::string installFolder, QString logview, std::function<QString()> day, QWidget* parent);
  ~SitesPanel() override;

  void SetSites(const QString& lines);
  void SetKind(const QString& kind);
  // Starts the search; false, with the reason in the panel, when one runs already.
  bool Search();
  void Cancel();
  bool Running() const;

  // What the panel shows, for a test or a screenshot.
  QString Answers() const;
  QTableView* View() const { return m_view; }

 private:
  void OnAnswerLines();
  void OnFinished(int exitCode);

  const std::string m_installFolder;
  const QString m_logview;
  const std::function<QString()> m_day;
  QPlainTextEdit* m_sites;
  QComboBox* m_kind;
  QPushButton* m_search;
  QPushButton* m_cancel;
  QPlainTextEdit* m_answers;
  QLabel* m_count;
  QTableView* m_view;
  QStandardItemModel* m_model;
  QProcess* m_process = nullptr;
  QByteArray m_errorBytes;
};

// The logview executable beside this program (installed), or where the
// build tree puts it; "logview" (found on PATH) otherwise.
QString FindLogviewBeside(const QString& programFolder);

// The column titles of a JSON row object as logview prints them, in their
// order ({"Server": "...", "Event Time": "...", "state": 0}): Qt's JSON
// objects forget it.
QStringList JsonMemberOrder(const QByteArray& object);
