// The demo installation the viewer's tool tests read: two days of events
// up to 2024-03-05.
#pragma once

#include <string>

#include "tools/logview-demo/demo_installation.h"

// Writes it into `folder`; returns what went wrong, or "" when it was written.
inline std::string WriteTwoDayDemo(const std::string& folder) {
  DemoOptions options;
  options.days = 2;
  options.endDate = CDateTime::FromFields(2024, 3, 5);
  options.folder = folder;
  std::string error;
  return WriteDemoInstallation(options, [](const std::string&) {}, &error) ? std::string() : error;
}
