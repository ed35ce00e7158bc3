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

// The data folder of the installed build (<prefix>/share/logview): the
// language table and packs, the manual and the filter files that an
// installation folder need not hold itself.
std::string InstalledDataFolder();

// A file the library keeps "below its folder" (such as
// "lang/LanguageTable.xml"): inside the installation folder when it is
// there, else inside InstalledDataFolder() when it is there, else the path
// inside the installation folder, so that the caller reports it missing.
// An absolute `relative` is returned as it is.
std::string LocateDataFile(std::string_view relative);

// The per-user application data folder: $XDG_DATA_HOME, else ~/.local/share.
std::string AppDataFolder();

// The folder holding the running executable.
std::string ExecutableFolder();

}  // namespace platform
