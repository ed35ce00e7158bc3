// Paths.  Stored texts of the system write Windows paths ("db\EventLog");
// on Linux both separators are accepted and "/" is written.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Every "\" becomes "/".
std::string NormaliseSeparators(std::string_view path);

// `folder` and `name` joined by exactly one "/" (either may carry separators
// of either kind at the seam).  An empty folder gives `name` alone.
std::string JoinPath(std::string_view folder, std::string_view name);

// The folder of the installation, worked out once for the life of the
// process: $LOGVIEW_INSTALL when set; otherwise the folder of the running
// executable, or its parent when the executable's folder is not marked as an
// installation root and its parent is (an installation keeps its root files
// one level above its binaries).  A folder is marked by holding the file
// kInstallRootMarker.  No trailing separator.
std::string InstallFolder();
constexpr const char* kInstallRootMarker = ".logview-install";

// Replaces the installation folder of this process (hosts and tests that set
// the viewer up on a folder of their choosing).
void SetInstallFolder(std::string folder);

// The per-user application data folder: $XDG_DATA_HOME, else ~/.local/share.
std::string AppDataFolder();

// The folder holding the running executable.
std::string ExecutableFolder();

}  // namespace platform
