// The least a search of the log databases costs: each file opened
// read-only and `statement` run by sqlite3_exec with an empty callback.
#pragma once

#include <string>
#include <vector>

namespace bench {

// What a search read: the files (names in its log folder) and its statement.
struct BareScanOf {
  std::vector<std::string> files;
  std::string statement;
};

// Scans `files` (names in `folder`, which ends with '/') in turn.
void BareScan(const std::string& folder, const std::vector<std::string>& files, const std::string& statement);

}  // namespace bench
