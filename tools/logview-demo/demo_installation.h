// WriteDemoInstallation: writes a whole demo installation into a folder —
// the event and system log databases (daily files and archives, or the
// legacy single files), the registry file, the ini and filter files, the
// language packs and the manual, the sample recordings
// (sample_recordings.h), and the marker that makes the folder an
// installation root.
//
// It never touches a folder that holds anything but an earlier demo
// installation: a non-empty folder must carry the root marker with the demo
// text below.  An earlier demo installation is replaced: its log databases
// and recordings are removed before the new ones are written, so no day of the old range
// is left behind.
#pragma once

#include <functional>
#include <string>

#include "tools/logview-demo/demo_options.h"

// The content of the root marker file of a demo installation.
constexpr const char* kDemoMarkerText = "demo installation written by logview-demo\n";
// Days before the first daily file whose records sit in the archive files.
constexpr int kArchiveDays = 7;
// Days of counting results, ending with the last day: the counting tables of
// the event archive also hold the days before the archive's own, so that a
// counting diagram of a whole year shows something.
constexpr int kCountingDays = 365;

// Called with a line naming each log database once it is written.
using DemoProgress = std::function<void(const std::string& line)>;

// False with `error` naming the folder or file that failed.
bool WriteDemoInstallation(const DemoOptions& options, const DemoProgress& progress, std::string* error);
