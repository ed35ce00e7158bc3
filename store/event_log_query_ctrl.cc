#include "store/event_log_query_ctrl.h"

#include "store/log_root_folder.h"

template <class T>
CVxEventLogQueryCtrl<T>::CVxEventLogQueryCtrl(platform::Env* env)
    : m_env(env), m_files("EventLog", &this->m_database, env) {}

template <class T>
bool CVxEventLogQueryCtrl<T>::Initialise(const std::string& rootFolder) {
  m_files.Initialise(rootFolder, GetRecordFileMarker(m_env).backup);
  return true;
}

template <class T>
bool CVxEventLogQueryCtrl<T>::Search(const Filter& filter, const TimeBound& start,
                                     const TimeBound& end, int* count) {
  this->ClearResults();
  *count = 0;
  const std::string where = WhereText(filter, start, end);
  const bool ok = m_files.ForEachFile(start, end, [&](CLogFileSet::FileKind) {
    return this->Query(LogTable<T>::kName, where, std::string(), count);
  });
  *count = static_cast<int>(this->GetResults().size());
  return ok;
}

template class CVxEventLogQueryCtrl<EventLogBasket>;
template class CVxEventLogQueryCtrl<PosEventLogBasket>;
template class CVxEventLogQueryCtrl<EdgeRecordLogBasket>;
template class CVxEventLogQueryCtrl<CounterLog>;
template class CVxEventLogQueryCtrl<IVSCounterLog>;
template class CVxEventLogQueryCtrl<CombinedCounterLog>;
