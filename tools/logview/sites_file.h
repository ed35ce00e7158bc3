// The servers of a site: "HOST[:PORT]" as --server takes it, and the file
// --sites names, one server a line: "HOST[:PORT] [USER[:PASSWORD]]".  Blank
// lines and lines starting with "#" are skipped.
#pragma once

#include <string>
#include <vector>

#include "tools/logview/logview_options.h"

// Reads "HOST[:PORT]" (port 5160 when left out) into `server`'s host and
// port; false for an empty host or a port outside 1-65535.
bool ReadServerAddress(const std::string& text, LogviewServer* server);

// Appends the servers of the file at `path`; false, with `error` naming the
// file and line, when it cannot be read or a line is not a server.
bool ReadSitesFile(const std::string& path, std::vector<LogviewServer>* servers, std::string* error);
