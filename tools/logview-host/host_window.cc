#include "tools/logview-host/host_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTime>
#include <QVBoxLayout>

#include "tools/logview-host/camera_set_text.h"
#include "tools/logview-host/connection_box.h"
#include "tools/logview-host/host_message_text.h"
#include "tools/logview-host/log_kinds_box.h"
#include "tools/logview-host/pages_box.h"
#include "tools/logview-host/player_panel.h"
#include "tools/logview-host/sites_panel.h"
#include "tools/logview-host/timeline_panel.h"

namespace {

// The languages this host offers, as the numbers the registry's "LangID" holds.
struct Language {
  const char* name;
  unsigned long number;
};
constexpr Language kLanguages[] = {
    {"English", 1033}, {"Deutsch", 1031}, {"日本語", 1041}, {"العربية", 1025}};

QPushButton* AddButton(QGridLayout* grid, int row, int column, const char* text, std::function<void()> onClick) {
  auto* button = new QPushButton(text);
  QObject::connect(button, &QPushButton::clicked, button, std::move(onClick));
  grid->addWidget(button, row, column);
  return button;
}

}  // namespace

HostWindow::HostWindow(const std::string& installFolder)
    : m_connection(new ConnectionBox(installFolder, nullptr)),
      m_pages(new PagesBox(nullptr)),
      m_kinds(new LogKindsBox(nullptr)),
      m_day(new QDateEdit(QDate::currentDate())),
      m_cameras(new QLineEdit("0-127")),
      m_remoteMode(new QCheckBox("Remote mode")),
      m_language(new QComboBox),
      m_canPlay(new QCheckBox("Recorded video can be played (answer to 32792)")),
      m_channelsBusy(new QCheckBox("All playback channels are busy (answer to 32791)")),
      m_messages(new QPlainTextEdit),
      m_player(new PlayerPanel(nullptr)),
      m_timeline(new TimelinePanel(nullptr)),
      m_sites(new SitesPanel(installFolder, FindLogviewBeside(QCoreApplication::applicationDirPath()),
                             [this] { return m_day->date().toString("yyyy-MM-dd"); }, nullptr)) {
  setWindowTitle("logview-host");
  m_messages->setReadOnly(true);
  m_messages->setMinimumWidth(460);

  auto* left = new QVBoxLayout;
  left->addWidget(m_connection);
  left->addWidget(m_pages);
  left->addWidget(MakeDayBox());
  left->addWidget(MakeCallsBox());
  left->addWidget(m_kinds);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(MakeAnswersBox());
  right->addWidget(m_messages, 1);
  right->addWidget(m_player);
  right->addWidget(m_timeline, 2);
  right->addWidget(m_sites, 1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right, 1);
  auto* central = new QWidget;
  central->setLayout(columns);
  setCentralWidget(central);
}

HostWindow::~HostWindow() = default;

QWidget* HostWindow::MakeDayBox() {
  m_day->setCalendarPopup(true);
  m_day->setDisplayFormat("yyyy-MM-dd");
  m_cameras->setToolTip("Camera indexes of the viewer's camera list, 0 = the first: \"0, 2-4\"");
  auto* box = new QGroupBox("Day and cameras");
  auto* form = new QFormLayout(box);
  form->addRow("Day", m_day);
  form->addRow("Cameras", m_cameras);
  return box;
}

QWidget* HostWindow::MakeCallsBox() {
  for (const Language& language : kLanguages)
    m_language->addItem(QString::fromUtf8(language.name), QVariant::fromValue(language.number));
  auto* box = new QGroupBox("Calls");
  auto* grid = new QGridLayout(box);
  AddButton(grid, 0, 0, "ShowLogViewerDlg (modeless)", [this] { ShowViewer(true); });
  AddButton(grid, 0, 1, "ShowLogViewerDlg (modal)", [this] { ShowViewer(false); });
  AddButton(grid, 1, 0, "SetLogDateTimeAndSearch", [this] { SearchDay(); });
  AddButton(grid, 1, 1, "SetLogDateTime", [this] {
    const auto [start, end] = DayWindow();
    Note("→ SetLogDateTime " + start.FormatListCell() + " .. " + end.FormatListCell());
    SetLogDateTime(start, end);
  });
  AddButton(grid, 2, 0, "SetCameras", [this] {
    VxBitset<128> cameras;
    if (!ReadCameras(&cameras)) return;
    Note("→ SetCameras " + CameraIndexesText(cameras));
    SetCameras(cameras);
  });
  AddButton(grid, 2, 1, "ResetLogViewerInstance", [this] {
    Note("→ ResetLogViewerInstance");
    m_timeline->Forget();  // it works the dialog the reset replaces
    ResetLogViewerInstance();
  });
  AddButton(grid, 3, 0, "EnableEventLog", [this] {
    Note("→ EnableEventLog with the ticked kinds");
    EnableEventLog(m_kinds->Events());
  });
  AddButton(grid, 3, 1, "EnableSystemLog", [this] {
    Note("→ EnableSystemLog with the ticked kinds");
    EnableSystemLog(m_kinds->System());
  });
  grid->addWidget(m_remoteMode, 4, 0);
  AddButton(grid, 4, 1, "SetRemoteMode", [this] {
    Note(std::string("→ SetRemoteMode ") + (m_remoteMode->isChecked() ? "on" : "off"));
    SetRemoteMode(m_remoteMode->isChecked());
  });
  grid->addWidget(m_language, 5, 0);
  AddButton(grid, 5, 1, "ResetLogViewerLanguage", [this] {
    const unsigned long number = m_language->currentData().toULongLong();
    Note("→ ResetLogViewerLanguage " + std::to_string(number) + " (" + m_language->currentText().toStdString() + ")");
    ResetLogViewerLanguage(number, "");
  });
  AddButton(grid, 6, 0, "Timeline of the day", [this] { ShowTimeline(); });
  return box;
}

QWidget* HostWindow::MakeAnswersBox() {
  m_canPlay->setChecked(true);
  auto* box = new QGroupBox("Answers to the viewer's questions");
  auto* column = new QVBoxLayout(box);
  column->addWidget(m_canPlay);
  column->addWidget(m_channelsBusy);
  return box;
}

void HostWindow::CheckEveryPage() { m_pages->CheckEveryPage(); }

void HostWindow::SetDay(const QDate& day) { m_day->setDate(day); }

void HostWindow::ShowViewer(bool modeless) {
  const PageSwitches s = m_pages->Switches();
  const bool remote = m_connection->Remote();
  Note(std::string("→ ShowLogViewerDlg ") + (modeless ? "modeless" : "modal") + ", " +
       (remote ? "server " : "installation ") + m_connection->Address() +
       (remote ? ", session " + std::to_string(m_connection->Session()) : std::string()));
  ShowLogViewerDlg(&m_link, s.pages[0], s.pages[1], s.pages[2], s.pages[3], s.pages[4], s.pages[5], s.pages[6],
                   s.pages[7], remote ? 1 : 0, m_connection->Port(), m_connection->Address(),
                   m_connection->Session(), {}, &m_account, s.cameraCount, modeless ? 1 : 0, /*show=*/1,
                   s.genericCameraNames, s.nvrMode);
  if (!modeless) Note("the modal viewer returned");
}

bool HostWindow::SearchDay() {
  VxBitset<128> cameras;
  if (!ReadCameras(&cameras)) return false;
  const auto [start, end] = DayWindow();
  Note("→ SetLogDateTimeAndSearch " + start.FormatListCell() + " .. " + end.FormatListCell() + ", cameras " +
       CameraIndexesText(cameras));
  SetLogDateTimeAndSearch(start, end, cameras);
  return true;
}

bool HostWindow::ShowTimeline() {
  VxBitset<128> chosen;
  if (!ReadCameras(&chosen)) return false;
  std::vector<int> cameras;
  if (chosen.count() < chosen.size())
    for (size_t i = 0; i < chosen.size(); ++i)
      if (chosen.test(i)) cameras.push_back(static_cast<int>(i));
  const auto [start, end] = DayWindow();
  Note("→ timeline " + start.FormatListCell() + " .. " + end.FormatListCell() + ", cameras " +
       CameraIndexesText(chosen));
  const std::string problem = m_timeline->Search(start, end, cameras);
  if (!problem.empty()) Note("timeline: " + problem);
  return problem.empty();
}

std::pair<CDateTime, CDateTime> HostWindow::DayWindow() const {
  const QDate day = m_day->date();
  const CDateTime start = CDateTime::FromFields(day.year(), day.month(), day.day());
  return {start, start + CDateTime::kTicksPerDay - CDateTime::kTicksPerSecond};
}

bool HostWindow::ReadCameras(VxBitset<128>* cameras) {
  std::string error;
  if (ParseCameraIndexes(m_cameras->text().toStdString(), cameras, &error)) return true;
  Note("cameras: " + error);
  return false;
}

void HostWindow::Note(const std::string& line) {
  m_lastQuestion = 0;
  m_messages->appendPlainText(QTime::currentTime().toString("HH:mm:ss ") + QString::fromStdString(line));
}

void HostWindow::NoteQuestion(platform::UINT message, const std::string& line) {
  if (message != m_lastQuestion) {
    Note(line);
    m_lastQuestion = message;
    m_questionRepeats = 1;
    return;
  }
  ++m_questionRepeats;
  QTextCursor cursor(m_messages->document()->lastBlock());
  cursor.select(QTextCursor::BlockUnderCursor);
  cursor.removeSelectedText();
  m_messages->appendPlainText(QTime::currentTime().toString("HH:mm:ss ") + QString::fromStdString(line) +
                              QString(" (asked %1 times in a row)").arg(m_questionRepeats));
}

platform::LRESULT HostWindow::Link::WindowProc(platform::UINT message, platform::WPARAM wParam,
                                               platform::LPARAM lParam) {
  return m_owner->OnViewerMessage(message, wParam, lParam);
}

platform::LRESULT HostWindow::OnViewerMessage(platform::UINT message, platform::WPARAM wParam,
                                              platform::LPARAM lParam) {
  const std::string words = "← " + HostMessageInWords(message, wParam, lParam);
  switch (message) {
    case platform::kMsgCanPlay:
    case platform::kMsgPlaybackChannelsFull: {
      const bool yes = (message == platform::kMsgCanPlay ? m_canPlay : m_channelsBusy)->isChecked();
      NoteQuestion(message, words + (yes ? " yes" : " no"));
      return yes ? 1 : 0;
    }
    case platform::kMsgStartPlayback:
      if (const auto* request = reinterpret_cast<const PlaybackRequest*>(wParam)) m_player->Play(PlaybackInWords(*request));
      break;
    case platform::kMsgSeekPlayback:
      m_player->Seek(MomentInWords(reinterpret_cast<const CDateTime*>(wParam)));
      break;
    case platform::kMsgPlayModal:
      m_player->Play("camera index " + std::to_string(wParam) + " at " +
                     MomentInWords(reinterpret_cast<const CDateTime*>(lParam)));
      break;
    default:
      break;
  }
  Note(words);
  return 0;
}
