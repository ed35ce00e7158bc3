// The command line of logview-host.
//
//   logview-host [--install DIR] [--registry FILE] [--screenshots OUT]
//   logview-host --help | --version
//
// --install and --registry choose the installation and registry file the
// viewer reads on its first call; --screenshots runs the host without a
// person: it photographs the viewer's tabs and its own window into OUT and
// exits.
#pragma once

#include <string>

struct HostOptions {
  std::string install;      // empty: the viewer's own default
  std::string registry;     // empty: the installation's registry.reg
  std::string screenshots;  // empty: the interactive host
};

enum class HostParse { kRun, kHelp, kVersion, kUsageError };

// Fills `options` from argv; on kUsageError `error` names the bad word.
HostParse ParseHostOptions(int argc, const char* const* argv, HostOptions* options, std::string* error);

const char* HostUsage();
