// HostWindow: the main window of logview-host, a recording client's stand-in.
// Its controls call every exported function of the viewer with the settings
// the person chose; the viewer's messages arrive at its platform::CWnd (the
// `parent` of ShowLogViewerDlg) and are listed in words, answered as the
// "can you play" settings say, and start or move the player panel.
//
// One per process, on the Qt thread; the viewer's posted messages reach it
// through the Qt front end's delivery.
#pragma once

#include <QDate>
#include <QMainWindow>
#include <string>

#include "logview/logview.h"

class ConnectionBox;
class LogKindsBox;
class PagesBox;
class PlayerPanel;
class SitesPanel;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class TimelinePanel;

class HostWindow : public QMainWindow {
 public:
  explicit HostWindow(const std::string& installFolder);
  ~HostWindow() override;

  // What the buttons do, for the screenshot run as well.
  void CheckEveryPage();
  void SetDay(const QDate& day);
  void ShowViewer(bool modeless);
  // SetLogDateTimeAndSearch with the chosen day and cameras; false (and a
  // line in the panel) when the camera text is not a camera set.
  bool SearchDay();
  // The timeline of the chosen day and cameras in the timeline panel (all
  // cameras when every index is chosen); false, with a line in the message
  // panel, when it could not be listed.
  bool ShowTimeline();
  TimelinePanel* Timeline() const { return m_timeline; }
  SitesPanel* Sites() const { return m_sites; }

 private:
  // The window the viewer posts and sends its messages to.
  class Link : public platform::CWnd {
   public:
    explicit Link(HostWindow* owner) : m_owner(owner) {}

   protected:
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) override;

   private:
    HostWindow* m_owner;
  };

  QWidget* MakeCallsBox();
  QWidget* MakeDayBox();
  QWidget* MakeAnswersBox();
  platform::LRESULT OnViewerMessage(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);
  // The day as the viewer's start and end (00:00:00 .. 23:59:59).
  std::pair<CDateTime, CDateTime> DayWindow() const;
  bool ReadCameras(VxBitset<128>* cameras);
  void Note(const std::string& line);
  // A question the viewer asks once per row: consecutive ones share a line.
  void NoteQuestion(platform::UINT message, const std::string& line);

  Link m_link{this};
  CUserAccount m_account{CUserAccount::kChiefUserName};
  ConnectionBox* m_connection;
  PagesBox* m_pages;
  LogKindsBox* m_kinds;
  QDateEdit* m_day;
  QLineEdit* m_cameras;
  QCheckBox* m_remoteMode;
  QComboBox* m_language;
  QCheckBox* m_canPlay;
  QCheckBox* m_channelsBusy;
  QPlainTextEdit* m_messages;
  PlayerPanel* m_player;
  TimelinePanel* m_timeline;
  SitesPanel* m_sites;
  platform::UINT m_lastQuestion = 0;
  int m_questionRepeats = 0;
};
