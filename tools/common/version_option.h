// --version, answered alike by every program of the project: "NAME VERSION"
// on standard output, status 0, whatever else the command line holds.
#pragma once

#include <cstdio>
#include <cstring>

#include "logview_version.h"

// True when argv holds --version; the version line is then printed.
inline bool AnswerVersionOption(const char* program, int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("%s %s\n", program, LOGVIEW_VERSION);
      return true;
    }
  }
  return false;
}
