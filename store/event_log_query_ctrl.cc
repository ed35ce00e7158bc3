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
  m_interrupted = false;
  const size_t toRead = m_progress ? m_files.FilesToRead(start, end) : 0;
  size_t done = 0;
  const bool ok = m_files.ForEachFile(start, end, [&](CLogFileSet::FileKind) {
    const bool read = this->Query(LogTable<T>::kName, where, std::string(), count);
    if (m_progress) m_progress(++done, toRead);
    return read && !m_interrupted;
  });
  *count = static_cast<int>(this->GetResults().size());
  return ok;
}

template <class T>
void CVxEventLogQueryCtrl<T>::Interrupt() {
  m_interrupted = true;
  this->m_database.Interrupt();
}

template class CVxEventLogQueryCtrl<EventLogBasket>;
template class CVxEventLogQueryCtrl<PosEventLogBasket>;
template class CVxEventLogQueryCtrl<EdgeRecordLogBasket>;
template class CVxEventLogQueryCtrl<CounterLog>;
template class CVxEventLogQueryCtrl<IVSCounterLog>;
template class CVxEventLogQueryCtrl<CombinedCounterLog>;
