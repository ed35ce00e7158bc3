// CLogFileSet: the database files of one kind of log below a root folder,
// and the choice of those that can hold the records of a time range.
//
// Layout below the root R: daily files "<log>_YYYYMMDD.db" and the archive
// "<log>Old.db" in R/db/<log>/; on older installations one single file
// "<log>.db" in R itself, used only when the folder holds no file at all.
//
// The set opens its files one at a time in a CLogDatabase it does not own
// (the query object's), so that each file is closed before the next opens.
// One thread at a time.
#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/env.h"
#include "vocabulary/date_time.h"
#include "store/log_database.h"

class CLogFileSet {
 public:
  enum class FileKind { kLegacy, kArchive, kDaily };
  // Queries the open file; false stops the walk.
  using FileQuery = std::function<bool(FileKind kind)>;

  // `logName` is "EventLog" or "SystemLog"; `database` and `env` outlive the set.
  CLogFileSet(const char* logName, CLogDatabase* database, platform::Env* env);

  // Lists R/db/<log>/ (R in the system code page, either separator).  Files
  // of size 0 are deleted from the disk and not listed; SQLite's own
  // companion files ("-journal", "-wal", "-shm") are left alone.  When the
  // folder holds no file, the single file R/<log>.db is opened and, when it
  // opens, listed (and stays open).  A folder that cannot be listed gives an
  // empty list.  `ignoreDates` (a backup copy) makes every range cover every
  // file.
  void Initialise(const std::string& rootFolder, bool ignoreDates);

  // Runs `query` on each file that can hold records of [start, end], each
  // bound optional (a bound that is not valid counts as missing): the single
  // file alone when the set has one; otherwise the archive first, then the
  // daily files from the start date's file (or the next one after it) up to
  // the end date's file (or, when the end date has none, the last file).
  // Files that do not open are skipped.  False as soon as `query` is, or
  // when the walk was interrupted.
  bool ForEachFile(const std::optional<CDateTime>& start, const std::optional<CDateTime>& end,
                   const FileQuery& query);

  // Told after each file ForEachFile queried: files done, files to read.
  using FileProgress = std::function<void(size_t done, size_t toRead)>;
  void SetFileProgress(FileProgress progress) { m_progress = std::move(progress); }
  // Ends the running walk (from the query's row callback or the progress):
  // the statement stops, no further file is read and ForEachFile returns
  // false.  The next walk runs again.
  void Interrupt();

  // How many files ForEachFile(start, end, ...) visits at most (the archive
  // counted when it was listed).
  size_t FilesToRead(const std::optional<CDateTime>& start, const std::optional<CDateTime>& end) const;

  const std::string& RootFolder() const { return m_root; }          // ends with "/"
  const std::string& DatabaseFolder() const { return m_folder; }    // ends with "/"
  // The names listed, byte-wise ascending (so daily files in date order), without the archive.
  const std::set<std::string>& Files() const { return m_files; }
  // The names the last walk opened, in order.
  const std::vector<std::string>& FilesOpened() const { return m_opened; }
  // Why a walk stopped, for the debug output: the path of the last file
  // opened and `error` (what the query said, SQLite's message).
  std::string StopReason(const std::string& error) const;

 private:
  bool OpenFile(const std::string& utf8Folder, const std::string& name);
  void ChooseDailyFiles(const std::optional<CDateTime>& start, const std::optional<CDateTime>& end,
                        std::set<std::string>::const_iterator* first,
                        std::set<std::string>::const_iterator* last) const;

  const std::string m_logName;
  const std::string m_legacyName;   // "<log>.db"
  const std::string m_archiveName;  // "<log>Old.db"
  CLogDatabase* const m_database;
  platform::Env* const m_env;
  FileProgress m_progress;
  bool m_interrupted = false;

  std::string m_root;
  std::string m_folder;
  std::string m_rootUtf8;
  std::string m_folderUtf8;
  std::string m_legacyFolderUtf8;  // where the single file was found
  bool m_ignoreDates = false;
  bool m_hasArchive = false;
  std::set<std::string> m_files;
  std::vector<std::string> m_opened;
};
