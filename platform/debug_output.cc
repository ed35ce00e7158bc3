#include "platform/debug_output.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace platform {
namespace {
std::mutex g_mutex;
std::function<void(const std::string&)> g_sink;
}  // namespace

void DebugOutput(const std::string& line) {
  std::lock_guard<std::mutex> lock(g_mutex);
  if (g_sink) {
    g_sink(line);
    return;
  }
  if (std::getenv("LOGVIEW_DEBUG") == nullptr) return;
  std::fprintf(stderr, "%s\n", line.c_str());
}

void SetDebugSink(std::function<void(const std::string&)> sink) {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_sink = std::move(sink);
}

}  // namespace platform
