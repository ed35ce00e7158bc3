#include "tools/logview-demo/backup_event_strings.h"

namespace {

std::string Path(const std::string& path) { return std::to_string(path.size()) + "[" + path + "]"; }

std::string Head(bool success, const VideoSpan& span) {
  return (success ? "1," : "0,") + span.user + "," + span.start + "," + span.end + ",";
}

std::string Rest(const std::string& recordIndex) { return recordIndex.empty() ? "" : "," + recordIndex; }

}  // namespace

std::string ExportVideoString(bool success, const VideoSpan& span, const std::string& camera,
                              const std::string& path, bool audio, const std::string& container,
                              const std::string& resolution, const std::string& tool,
                              const std::string& recordIndex) {
  return Head(success, span) + camera + "," + Path(path) + (audio ? ",1," : ",0,") + container + "," +
         resolution + "," + tool + Rest(recordIndex);
}

std::string BackupString(bool success, const VideoSpan& span, const std::string& cameras,
                         const std::string& path, const std::string& db, const std::string& recordIndex) {
  return Head(success, span) + "[" + cameras + "]," + Path(path) + "," + db + Rest(recordIndex);
}

std::string DeleteFileRecordString(bool success, const VideoSpan& span, const std::string& cameras,
                                   const std::string& recordIndex) {
  return Head(success, span) + "[" + cameras + "]," + recordIndex;
}

std::string AutoBackupString(bool success, const std::string& start, const std::string& end,
                             const std::string& cameras, const std::string& path, const std::string& failureReason,
                             const std::string& db, const std::string& recordIndex) {
  return std::string(success ? "1," : "0,") + start + "," + end + ",[" + cameras + "]," + Path(path) + "," +
         failureReason + "," + db + Rest(recordIndex);
}
