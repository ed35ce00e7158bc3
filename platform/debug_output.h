// Debugger output: one line per call on standard error, only when
// $LOGVIEW_DEBUG is set.  Tests may capture the lines instead.
#pragma once

#include <functional>
#include <string>

namespace platform {

void DebugOutput(const std::string& line);

// Replaces the destination of DebugOutput (nullptr restores standard error).
// A sink receives every line, whether $LOGVIEW_DEBUG is set or not.
void SetDebugSink(std::function<void(const std::string&)> sink);

}  // namespace platform
