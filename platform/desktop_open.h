// Opening a file with the program the desktop chooses for it ("xdg-open"),
// standing in for the shell's start of a help viewer.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The command line that opens `path`: {"xdg-open", path}.
std::vector<std::string> DesktopOpenCommand(const std::string& path);

// Starts DesktopOpenCommand(path) without waiting for it; false when the
// program cannot be started.
bool OpenWithDesktop(const std::string& path);

// Starts a program (argv[0] looked up in $PATH) without waiting for it; its
// exit is collected so it leaves no zombie.  False when it cannot be started.
bool StartDetachedProcess(const std::vector<std::string>& argv);

}  // namespace platform
