#include "store/system_log_query_ctrl.h"

#include "store/log_root_folder.h"

CVxSystemLogQueryCtrl::CVxSystemLogQueryCtrl(platform::Env* env)
    : m_env(env), m_files("SystemLog", &m_database, env) {}

bool CVxSystemLogQueryCtrl::Initialise(const std::string& rootFolder) {
  m_files.Initialise(rootFolder, GetRecordFileMarker(m_env).backup);
  return true;
}

bool CVxSystemLogQueryCtrl::Search(const std::optional<int32_t>& logType, const TimeBound& start,
                                   const TimeBound& end, int* count) {
  ClearResults();
  *count = 0;
  const std::string where = WhereText(SystemLogFilter{logType}, start, end);
  const bool ok = m_files.ForEachFile(start, end, [&](CLogFileSet::FileKind kind) {
    const bool queried = Query(where, count);
    // Only a daily file's failure counts: the single file and the archive
    // give what they can.
    return kind != CLogFileSet::FileKind::kDaily || queried;
  });
  *count = static_cast<int>(GetResults().size());
  return ok;
}
