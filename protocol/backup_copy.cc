#include "protocol/backup_copy.h"

#include "platform/paths.h"
#include "protocol/format_text.h"

namespace vxpp {
namespace {

std::string ParentOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// A temporary name per file, unique within the backup: a database copy as
// "<log>_<stamp><index>.db", anything else the same with ".tmp".
std::string TempName(const std::string& path, const std::string& stamp, size_t index) {
  std::string stem = path.substr(path.rfind('/') + 1);
  const bool database = stem.size() > 3 && stem.compare(stem.size() - 3, 3, ".db") == 0;
  stem = stem.substr(0, stem.rfind('.'));
  const int number = static_cast<int>(index);
  return database ? FormatText("%s_%s%d.db", stem.c_str(), stamp.c_str(), number)
                  : FormatText("%s_%s%d.tmp", stem.c_str(), stamp.c_str(), number);
}

}  // namespace

CBackupCopy::CBackupCopy(platform::Env* env, std::string destination, std::string stamp)
    : m_env(env),
      m_destination(std::move(destination)),
      m_temp(platform::JoinPath(m_destination, kTempFolder)),
      m_stamp(std::move(stamp)) {}

CBackupCopy::~CBackupCopy() {
  if (!m_kept) Discard();
}

bool CBackupCopy::Start(std::string* error) {
  std::vector<platform::FolderEntry> entries;
  m_madeDestination = !m_env->ListFolder(m_destination, &entries);
  return m_env->MakeFolders(m_temp, error);
}

bool CBackupCopy::Open(size_t index, const std::string& path, std::string* error) {
  RemoveOpenFile();
  m_filePath = platform::JoinPath(m_temp, TempName(path, m_stamp, index));
  m_finalPath = platform::JoinPath(m_destination, path);
  return m_env->NewWritableFile(m_filePath, platform::WriteMode::kTruncate, &m_file, error);
}

bool CBackupCopy::Append(std::string_view bytes, std::string* error) {
  if (m_file->Append(bytes)) return true;
  *error = m_file->Error();
  return false;
}

bool CBackupCopy::Commit(std::string* error) {
  if (!m_file->Close()) {
    *error = m_file->Error();
    return false;
  }
  m_file.reset();
  if (!m_env->MakeFolders(ParentOf(m_finalPath), error) || !m_env->RenameFile(m_filePath, m_finalPath, error))
    return false;
  m_placed.push_back(m_finalPath);
  m_filePath.clear();
  return true;
}

void CBackupCopy::Keep() {
  m_kept = true;
  RemoveOpenFile();
  m_env->DeleteFolder(m_temp);
}

void CBackupCopy::Discard() {
  RemoveOpenFile();
  m_env->DeleteFolder(m_temp);
  for (auto placed = m_placed.rbegin(); placed != m_placed.rend(); ++placed) {
    m_env->DeleteFile(*placed);
    RemoveEmptyFoldersUpTo(ParentOf(*placed));
  }
  if (m_madeDestination) m_env->DeleteFolder(m_destination);
}

void CBackupCopy::RemoveOpenFile() {
  m_file.reset();
  if (!m_filePath.empty()) m_env->DeleteFile(m_filePath);
  m_filePath.clear();
}

void CBackupCopy::RemoveEmptyFoldersUpTo(const std::string& path) {
  // Only folders below the destination; DeleteFolder leaves those that still hold something.
  for (std::string folder = path; folder.size() > m_destination.size() && m_env->DeleteFolder(folder);
       folder = ParentOf(folder)) {
  }
}

}  // namespace vxpp
