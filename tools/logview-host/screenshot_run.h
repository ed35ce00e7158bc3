// The host without a person (--screenshots OUT): shows the viewer with every
// tab the installation has, hands it the installation's busiest day and
// every camera (SetLogDateTimeAndSearch), and on each tab sets the day picker to the
// installation's busiest day, presses "Search", sorts by the second column
// and photographs the viewer; opens the first event it finds (the host's
// player panel shows it), then photographs the host window.  The PNG files
// go into OUT (made when missing) through the process's Env.
#pragma once

#include <cstdio>
#include <string>

class HostWindow;

// Writes one line per PNG to `out` ("OUT/tab-1-unusual-events.png: 400
// rows") and one per failed step to `err`.  0 when every step worked, 2
// otherwise.
int RunScreenshots(HostWindow& host, const std::string& installFolder, const std::string& folder, FILE* out,
                   FILE* err);
