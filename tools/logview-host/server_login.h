// ServerLogin: the host's own login on a recording server (USERLOGIN), whose
// session number the host hands to the viewer for its remote searches.  A
// recording client has a protocol client of its own for this; this host
// borrows the one liblogview.so carries rather than keep a second copy.
//
// One login at a time: a new LogIn logs the previous session out first; the
// destructor logs out.  Blocks the calling thread for the exchange.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class CVXPPClient;

class ServerLogin {
 public:
  ServerLogin();
  ~ServerLogin();
  ServerLogin(const ServerLogin&) = delete;
  ServerLogin& operator=(const ServerLogin&) = delete;

  // True when the server took the user; otherwise `error` says what failed
  // (no server at that address and port, wrong user or password, ...).
  bool LogIn(const std::string& address, int port, const std::string& user, const std::string& password,
             std::string* error);
  void LogOut();

  bool LoggedIn() const { return m_loggedIn; }
  uint32_t Session() const { return m_session; }

 private:
  std::unique_ptr<CVXPPClient> m_client;
  std::string m_url;
  uint32_t m_session = 0;
  bool m_loggedIn = false;
};
