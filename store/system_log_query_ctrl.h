// CVxSystemLogQueryCtrl: a search of the system log over the installation's
// system log databases (<root>/db/SystemLog/), one file open at a time.
//
// It walks the files as the event databases are walked (see CLogFileSet),
// with three differences: the single file of an older installation ends the
// search with success whatever its query gives; the archive's query never
// ends the search; a daily file without the table fails the search.
// Made, initialised, searched and destroyed by a page; one thread at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/env.h"
#include "store/log_file_set.h"
#include "store/log_filters.h"
#include "store/system_log_query.h"

class CVxSystemLogQueryCtrl : public CVxSystemLogQuery {
 public:
  // `env` outlives the controller.
  explicit CVxSystemLogQueryCtrl(platform::Env* env = platform::Env::Default());

  // Lists <rootFolder>/db/SystemLog/; always true.
  bool Initialise(const std::string& rootFolder);

  // Clears the results and queries the files of [start, end] for records of
  // `logType` (any type when none).  `count` gets the number of results.
  bool Search(const std::optional<int32_t>& logType, const TimeBound& start, const TimeBound& end,
              int* count);

  const CLogFileSet& Files() const { return m_files; }

  // Told after each file of a Search (see CLogFileSet::SetFileProgress).
  void SetFileProgress(CLogFileSet::FileProgress progress) { m_files.SetFileProgress(std::move(progress)); }
  // Ends the running Search (from its progress): the records read so far
  // stay and Search returns false.
  void Interrupt() { m_files.Interrupt(); }

 private:
  platform::Env* const m_env;
  CLogFileSet m_files;
};
