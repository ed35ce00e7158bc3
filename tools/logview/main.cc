// logview: the command-line host of the log viewer.  It reads the command
// line, points the viewer at the installation and registry file it names,
// and runs the page.
#include <stdlib.h>

#include <cstdio>
#include <string>

#include "tools/common/version_option.h"
#include "tools/logview/follow_run.h"
#include "tools/logview/logview_options.h"
#include "tools/logview/logview_run.h"
#include "tools/logview/many_server_search.h"

int main(int argc, char** argv) {
  if (AnswerVersionOption("logview", argc, argv)) return 0;
  LogviewOptions options;
  std::string error;
  switch (ParseLogviewOptions(argc, argv, &options, &error)) {
    case ParseResult::kHelp:
      std::fputs(LogviewUsage(), stdout);
      return 0;
    case ParseResult::kUsageError:
      std::fprintf(stderr, "logview: %s\n", error.c_str());
      return kExitUsage;
    case ParseResult::kRun:
      break;
  }
  // Before the first exported call, which is when the viewer reads them.
  if (options.install) setenv("LOGVIEW_INSTALL", options.install->c_str(), 1);
  if (options.registry) setenv("LOGVIEW_REGISTRY", options.registry->c_str(), 1);
  const int status = options.SearchesManyServers() ? RunManyServerSearch(options)
                     : options.follow             ? RunLogview(options, FollowList(options, stdout))
                                                  : RunLogview(options);
  std::fflush(stdout);
  return status;
}
