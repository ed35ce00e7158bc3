#include "tools/logview-host/server_login.h"

#include "protocol/login_info.h"
#include "protocol/result_codes.h"
#include "protocol/vxpp_client.h"

ServerLogin::ServerLogin() : m_client(std::make_unique<CVXPPClient>()) {}

ServerLogin::~ServerLogin() { LogOut(); }

bool ServerLogin::LogIn(const std::string& address, int port, const std::string& user,
                        const std::string& password, std::string* error) {
  LogOut();
  m_url = "vxpp://" + address + "/";
  m_client->SetPort(static_cast<uint32_t>(port));
  LoginInfo info;
  UserPrivileges privileges;
  const int result = m_client->UserLogin(m_url, user, password, "", false, false, m_session, info, privileges);
  m_loggedIn = result == vxpp::kLoginSuccess;
  if (m_loggedIn) return true;
  const std::string where = address + ":" + std::to_string(port);
  switch (result) {
    case vxpp::kLoginNoConnection:
      *error = "no VXPP server answered at " + where;
      break;
    case vxpp::kLoginUserNotValid:
      *error = "the server at " + where + " refused user \"" + user + "\" with that password";
      break;
    default:
      *error = "the login at " + where + " failed with code " + std::to_string(result);
      break;
  }
  return false;
}

void ServerLogin::LogOut() {
  if (m_loggedIn) m_client->UserLogout(m_url, m_session);
  m_loggedIn = false;
  m_session = 0;
}
