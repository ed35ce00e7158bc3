// PlayerPanel: the host's stand-in for its video player.  It decodes no
// video; it shows which cameras and which stretch of time would play, and
// where the viewer last asked it to seek.  Hidden until the first request.
#pragma once

#include <QGroupBox>
#include <string>

class QLabel;

class PlayerPanel : public QGroupBox {
 public:
  explicit PlayerPanel(QWidget* parent);

  // What a start-playback request asks to play, in words.
  void Play(const std::string& what);
  // Where playback now stands, in words.
  void Seek(const std::string& where);

 private:
  QLabel* m_playing;
  QLabel* m_position;
};
