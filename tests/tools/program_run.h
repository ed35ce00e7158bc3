// RunProgram: one of the project's executables run as a user runs it, in a
// child process without LOGVIEW_INSTALL and LOGVIEW_REGISTRY, its standard
// output and error collected through files of `scratch`; a run that hangs
// is ended after a minute.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "temp_folder.h"

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

// `started` (may be null) gets the child's process id as soon as it runs.
inline Outcome RunProgram(const char* path, std::vector<std::string> args, const TempFolder& scratch,
                          pid_t* started = nullptr) {
  const std::string outPath = scratch.File("out"), errPath = scratch.File("err");
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
    dup2(open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
    unsetenv("LOGVIEW_INSTALL");
    unsetenv("LOGVIEW_REGISTRY");
    std::vector<char*> argv{const_cast<char*>(path)};
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    alarm(60);
    execv(path, argv.data());
    _exit(127);
  }
  if (started != nullptr) *started = pid;
  Outcome outcome;
  int status = 0;
  waitpid(pid, &status, 0);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  outcome.out = ReadWholeFile(outPath);
  outcome.err = ReadWholeFile(errPath);
  return outcome;
}
