// A consistent copy of a log database that the recorder may be writing
// while it is read: SQLite's online backup copies the pages under a read
// transaction and starts over when a writer changed the source meanwhile,
// so the copy is always a database the source was at one moment.
#pragma once

#include <string>

namespace vxpp_server {

// Copies the database at `source` into a new file `target`.  False, with
// `error` giving SQLite's reason, when the source cannot be read or the
// copy cannot be written; no file is left at `target` then.
bool SnapshotDatabase(const std::string& source, const std::string& target, std::string* error);

}  // namespace vxpp_server
