// Loading the viewer's language pack (module "LogView") at start-up and when
// the host changes the language.  Used on the host's user-interface thread.
#pragma once

#include <string>

// From `folder` when the host names one (its "LanguageTable.xml" then
// becomes the supported-language table, read again), else from "lang/" of
// the installation.  When that fails, from LanguageFallbackFolder().  A null
// or empty folder counts as none.  False when no pack could be loaded; the
// previous pack then stays in use.
bool LoadLogViewLanguage(unsigned langId, const char* folder);

// <per-user data folder>/<vendor folder>/<resource folder>/langs/, with the
// folder names of the system configuration.
std::string LanguageFallbackFolder();

// The language number for the system's user-interface language, through the
// supported-language table.
unsigned SystemLanguageForViewer();
