// CVxEventLogQueryCtrl<T>: a search of one log table over the event
// databases of an installation: the archive and the daily files of a time
// range, one file open at a time, every file with the same filters.
//
// A page makes one for a search: Initialise (lists the folder), Search
// once, destroy.  The records go where CVxEventLogQuery<T> says (results or
// row callback).  One thread at a time.
#pragma once

#include <string>
#include <vector>

#include "platform/env.h"
#include "store/event_log_query.h"
#include "store/log_file_set.h"
#include "store/log_filters.h"

template <class T>
class CVxEventLogQueryCtrl : public CVxEventLogQuery<T> {
 public:
  using Filter = typename LogTable<T>::Filter;

  // `env` outlives the controller.
  explicit CVxEventLogQueryCtrl(platform::Env* env = platform::Env::Default());

  // Lists <rootFolder>/db/EventLog/ (see CLogFileSet); the record-file
  // marker "##Backup##" makes every search query every file.  Always true.
  bool Initialise(const std::string& rootFolder);

  // Clears the results, then queries each file of [start, end] in turn.
  // False as soon as one file's query fails (the records read so far stay);
  // a file without the table adds nothing.  `count` gets the number of
  // records in the results (0 with a row callback).
  bool Search(const Filter& filter, const TimeBound& start, const TimeBound& end, int* count);

  const CLogFileSet& Files() const { return m_files; }

  // Told after each file of a Search (see CLogFileSet::SetFileProgress).
  void SetFileProgress(CLogFileSet::FileProgress progress) { m_files.SetFileProgress(std::move(progress)); }
  // Ends the running Search (from its row callback or its progress): the
  // records read so far stay and Search returns false.
  void Interrupt() { m_files.Interrupt(); }

 private:
  platform::Env* const m_env;
  CLogFileSet m_files;
};

extern template class CVxEventLogQueryCtrl<EventLogBasket>;
extern template class CVxEventLogQueryCtrl<PosEventLogBasket>;
extern template class CVxEventLogQueryCtrl<EdgeRecordLogBasket>;
extern template class CVxEventLogQueryCtrl<CounterLog>;
extern template class CVxEventLogQueryCtrl<IVSCounterLog>;
extern template class CVxEventLogQueryCtrl<CombinedCounterLog>;
