#include "tools/logview-host/host_options.h"

#include <cstring>

HostParse ParseHostOptions(int argc, const char* const* argv, HostOptions* options, std::string* error) {
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--help" || word == "-h") return HostParse::kHelp;
    if (word == "--version") return HostParse::kVersion;
    std::string* value = word == "--install"       ? &options->install
                         : word == "--registry"    ? &options->registry
                         : word == "--screenshots" ? &options->screenshots
                                                   : nullptr;
    if (value == nullptr) {
      *error = "unknown option " + word + " (see logview-host --help)";
      return HostParse::kUsageError;
    }
    if (i + 1 >= argc || std::strlen(argv[i + 1]) == 0) {
      *error = word + " needs a value";
      return HostParse::kUsageError;
    }
    *value = argv[++i];
  }
  if (!options->screenshots.empty() && options->install.empty()) {
    *error = "--screenshots needs --install DIR (the installation to photograph)";
    return HostParse::kUsageError;
  }
  return HostParse::kRun;
}

const char* HostUsage() {
  return "usage: logview-host [--install DIR] [--registry FILE] [--screenshots OUT]\n"
         "       logview-host --help | --version\n"
         "\n"
         "A host window that embeds the log viewer: it shows the viewer, hands it a day,\n"
         "cameras, kinds of event and a language, and lists every message the viewer\n"
         "sends it.\n"
         "\n"
         "  --install DIR      the installation folder the viewer reads (else $LOGVIEW_INSTALL)\n"
         "  --registry FILE    the registry file (else DIR/registry.reg)\n"
         "  --screenshots OUT  no window for a person: open every tab of the viewer, search\n"
         "                     it on the installation's busiest day, sort it, save one PNG per\n"
         "                     tab and one of the host window into OUT, print their paths;\n"
         "                     exit status 0 when every step worked, 2 otherwise\n"
         "  --help             this text\n"
         "  --version          the version\n"
         "\n"
         "Exit status 64 for a usage error.\n";
}
