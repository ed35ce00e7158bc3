// LoggerMgr: the process-wide registry of named loggers of the protocol
// client.  A logger writes "[" name "] " message to the debugger output
// (platform::DebugOutput); nothing goes to a file.  The manager is made on
// first use under the static-initialisation guard and lives until the
// process ends; loggers are safe to use from any thread.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

class CLogger {
 public:
  explicit CLogger(std::string name) : m_name(std::move(name)) {}
  const std::string& Name() const { return m_name; }
  void Write(const std::string& message) const;
  // printf-style message.
  void Printf(const char* format, ...) const __attribute__((format(printf, 2, 3)));

 private:
  std::string m_name;
};

class LoggerMgr {
 public:
  static LoggerMgr& Instance();

  // The logger of that name, made on first use; it lives as long as the manager.
  CLogger& GetLogger(const std::string& name);
  // The folder a file log would go to: the executable's folder and "log/".
  const std::string& LogDirectory() const { return m_logDirectory; }

 private:
  LoggerMgr();

  std::string m_logDirectory;
  std::mutex m_mutex;
  std::map<std::string, std::unique_ptr<CLogger>> m_loggers;
};
