#include "protocol/logger_mgr.h"

#include <cstdarg>

#include "platform/debug_output.h"
#include "platform/paths.h"
#include "protocol/format_text.h"

void CLogger::Write(const std::string& message) const {
  platform::DebugOutput("[" + m_name + "] " + message);
}

void CLogger::Printf(const char* format, ...) const {
  va_list args;
  va_start(args, format);
  const std::string message = vxpp::FormatTextV(format, args);
  va_end(args);
  Write(message);
}

LoggerMgr::LoggerMgr() : m_logDirectory(platform::JoinPath(platform::ExecutableFolder(), "log") + "/") {}

LoggerMgr& LoggerMgr::Instance() {
  static LoggerMgr manager;
  return manager;
}

CLogger& LoggerMgr::GetLogger(const std::string& name) {
  std::lock_guard<std::mutex> lock(m_mutex);
  auto& logger = m_loggers[name];
  if (!logger) logger = std::make_unique<CLogger>(name);
  return *logger;
}
