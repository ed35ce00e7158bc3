// The language table and packs ("lang/") and the user manual ("manual/") of
// a demo installation, copied from the project's data folder.
#pragma once

#include <string>

// Where the packs and the manual are copied from: the source tree's "data"
// folder of this build when it is there, else the installed data folder.
std::string DemoDataFolder();

// Replaces "lang/" and "manual/" of the installation at `root` by copies of
// those under `dataFolder`; a folder missing there is left out.  False with
// `error` naming the path when a copy fails.
bool CopyLanguageFiles(const std::string& dataFolder, const std::string& root, std::string* error);
