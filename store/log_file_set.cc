#include "store/log_file_set.h"

#include <iterator>

#include "platform/code_page.h"
#include "platform/paths.h"

namespace {

std::string WithTrailingSeparator(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// The journal, WAL and wal-index files belong to a database another process
// may have open; deleting or querying them could corrupt it.
bool IsCompanionFile(const std::string& name) {
  for (const char* suffix : {"-journal", "-wal", "-shm"}) {
    if (name.ends_with(suffix)) return true;
  }
  return false;
}

}  // namespace

CLogFileSet::CLogFileSet(const char* logName, CLogDatabase* database, platform::Env* env)
    : m_logName(logName),
      m_legacyName(m_logName + ".db"),
      m_archiveName(m_logName + "Old.db"),
      m_database(database),
      m_env(env) {}

void CLogFileSet::Initialise(const std::string& rootFolder, bool ignoreDates) {
  m_database->Close();
  m_files.clear();
  m_opened.clear();
  m_ignoreDates = ignoreDates;
  m_root = WithTrailingSeparator(platform::NormaliseSeparators(rootFolder));
  m_folder = WithTrailingSeparator(platform::JoinPath(m_root, "db/" + m_logName));
  // The folder texts are in the system code page; the file system and
  // SQLite take UTF-8.  Names read from the folder are already UTF-8.
  m_rootUtf8 = platform::SystemToUtf8(m_root);
  m_folderUtf8 = platform::SystemToUtf8(m_folder);
  m_legacyFolderUtf8 = m_folderUtf8;

  std::vector<platform::FolderEntry> entries;
  m_env->ListFolder(m_folderUtf8, &entries);  // an unreadable folder lists nothing
  for (const platform::FolderEntry& entry : entries) {
    if (entry.isDirectory || IsCompanionFile(entry.name)) continue;
    if (entry.size == 0) {
      // An empty file is no database; the server made it and gave up.
      m_env->DeleteFile(m_folderUtf8 + entry.name);
      continue;
    }
    m_files.insert(entry.name);
  }
  if (m_files.empty() && OpenFile(m_rootUtf8, m_legacyName)) {
    m_files.insert(m_legacyName);
    m_legacyFolderUtf8 = m_rootUtf8;
  }
  // The archive is queried on its own, before the daily files.
  m_hasArchive = m_files.erase(m_archiveName) > 0;
  m_opened.clear();
}

size_t CLogFileSet::FilesToRead(const std::optional<CDateTime>& start, const std::optional<CDateTime>& end) const {
  if (m_files.count(m_legacyName) != 0) return 1;
  std::set<std::string>::const_iterator first, last;
  ChooseDailyFiles(start, end, &first, &last);
  return (m_hasArchive ? 1 : 0) + static_cast<size_t>(std::distance(first, last));
}

bool CLogFileSet::ForEachFile(const std::optional<CDateTime>& start,
                              const std::optional<CDateTime>& end, const FileQuery& query) {
  m_opened.clear();
  m_interrupted = false;
  const size_t toRead = m_progress ? FilesToRead(start, end) : 0;
  size_t done = 0;
  const auto visit = [&](FileKind kind) {
    const bool goOn = query(kind);
    if (m_progress) m_progress(++done, toRead);
    return goOn && !m_interrupted;
  };
  if (m_files.count(m_legacyName) != 0) {
    // The single file stays open from one search to the next.
    if (m_database->IsOpen()) {
      m_opened.push_back(m_legacyName);
    } else if (!OpenFile(m_legacyFolderUtf8, m_legacyName)) {
      return true;
    }
    return visit(FileKind::kLegacy);
  }
  m_database->Close();
  if (OpenFile(m_folderUtf8, m_archiveName) && !visit(FileKind::kArchive)) return false;
  std::set<std::string>::const_iterator first, last;
  ChooseDailyFiles(start, end, &first, &last);
  for (auto it = first; it != last; ++it) {
    if (OpenFile(m_folderUtf8, *it) && !visit(FileKind::kDaily)) return false;
  }
  return true;
}

void CLogFileSet::Interrupt() {
  m_interrupted = true;
  m_database->Interrupt();
}

std::string CLogFileSet::StopReason(const std::string& error) const {
  if (m_opened.empty()) return error;
  const std::string& folder = m_opened.back() == m_legacyName ? m_legacyFolderUtf8 : m_folderUtf8;
  return folder + m_opened.back() + ": " + error;
}

void CLogFileSet::ChooseDailyFiles(const std::optional<CDateTime>& start,
                                   const std::optional<CDateTime>& end,
                                   std::set<std::string>::const_iterator* first,
                                   std::set<std::string>::const_iterator* last) const {
  const bool useStart = !m_ignoreDates && start && start->IsValid();
  const bool useEnd = !m_ignoreDates && end && end->IsValid();
  *first = useStart ? m_files.lower_bound(start->DailyFileName(m_logName.c_str())) : m_files.begin();
  *last = m_files.end();
  if (useEnd) {
    // Only an end date that has its own file stops the walk early; without
    // one the walk runs to the last file.
    auto endFile = m_files.find(end->DailyFileName(m_logName.c_str()));
    if (endFile != m_files.end()) *last = std::next(endFile);
  }
  // A start after the end covers no daily file.
  if (*last != m_files.end() && (*first == m_files.end() || !(**first < **last))) *first = *last;
}

bool CLogFileSet::OpenFile(const std::string& utf8Folder, const std::string& name) {
  if (!m_database->Open(utf8Folder + name)) return false;
  m_opened.push_back(name);
  return true;
}
