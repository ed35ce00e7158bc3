#include "tools/logview-host/connection_box.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

ConnectionBox::ConnectionBox(const std::string& installFolder, QWidget* parent)
    : QGroupBox("Connection", parent),
      m_local(new QRadioButton("Installation folder")),
      m_server(new QRadioButton("Server")),
      m_folder(new QLineEdit(QString::fromStdString(installFolder))),
      m_address(new QLineEdit("127.0.0.1")),
      m_port(new QSpinBox),
      m_user(new QLineEdit("admin")),
      m_password(new QLineEdit("admin")),
      m_status(new QLabel("not logged in")) {
  m_local->setChecked(true);
  m_port->setRange(1, 65535);
  m_port->setValue(5160);
  m_password->setEchoMode(QLineEdit::Password);

  auto* browse = new QPushButton("Browse...");
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString folder = QFileDialog::getExistingDirectory(this, "Installation folder", m_folder->text());
    if (!folder.isEmpty()) m_folder->setText(folder);
  });
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(m_folder);
  folderRow->addWidget(browse);

  auto* logIn = new QPushButton("Log in");
  connect(logIn, &QPushButton::clicked, this, [this] { LogIn(); });
  auto* loginRow = new QHBoxLayout;
  loginRow->addWidget(logIn);
  loginRow->addWidget(m_status, 1);

  auto* form = new QFormLayout(this);
  form->addRow(m_local, folderRow);
  form->addRow(m_server, m_address);
  form->addRow("Port", m_port);
  form->addRow("User", m_user);
  form->addRow("Password", m_password);
  form->addRow(loginRow);
}

bool ConnectionBox::Remote() const { return m_server->isChecked(); }

std::string ConnectionBox::Address() const {
  return (Remote() ? m_address : m_folder)->text().toStdString();
}

int ConnectionBox::Port() const { return m_port->value(); }

void ConnectionBox::LogIn() {
  std::string error;
  if (m_login.LogIn(m_address->text().toStdString(), Port(), m_user->text().toStdString(),
                    m_password->text().toStdString(), &error)) {
    m_server->setChecked(true);
    m_status->setText(QString("logged in, session %1").arg(m_login.Session()));
  } else {
    m_status->setText(QString::fromStdString(error));
  }
}
