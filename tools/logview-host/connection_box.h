// ConnectionBox: where the viewer's logs come from.  Either an installation
// folder (the local databases under it) or a recording server: address,
// port, user and password, logged in with "Log in" so that the viewer gets
// the session number for its remote searches.
#pragma once

#include <QGroupBox>
#include <cstdint>
#include <string>

#include "tools/logview-host/server_login.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

class ConnectionBox : public QGroupBox {
 public:
  ConnectionBox(const std::string& installFolder, QWidget* parent);

  // The server is chosen (remote camera list and searches).
  bool Remote() const;
  // What the viewer is given as its server address: the server's address,
  // or the installation folder (the root of its local databases).
  std::string Address() const;
  int Port() const;
  // The session of the last successful login; 0 without one.
  uint32_t Session() const { return m_login.Session(); }

 private:
  void LogIn();

  QRadioButton* m_local;
  QRadioButton* m_server;
  QLineEdit* m_folder;
  QLineEdit* m_address;
  QSpinBox* m_port;
  QLineEdit* m_user;
  QLineEdit* m_password;
  QLabel* m_status;
  ServerLogin m_login;
};
