#include "tools/logview-host/player_panel.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

PlayerPanel::PlayerPanel(QWidget* parent)
    : QGroupBox("Player", parent), m_playing(new QLabel("what the host played before")), m_position(new QLabel) {
  m_playing->setWordWrap(true);
  auto* stop = new QPushButton("Stop");
  connect(stop, &QPushButton::clicked, this, &QWidget::hide);
  auto* form = new QFormLayout(this);
  form->addRow("Playing", m_playing);
  form->addRow("Position", m_position);
  form->addRow(stop);
  hide();
}

void PlayerPanel::Play(const std::string& what) {
  m_playing->setText(QString::fromStdString(what));
  m_position->setText("at the start");
  show();
}

void PlayerPanel::Seek(const std::string& where) {
  m_position->setText(QString::fromStdString(where));
  show();
}
