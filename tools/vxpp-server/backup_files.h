// The files a backup of an installation copies, and their sizes for
// QUERYRECSIZE: the recordings of the scope's cameras and hours
// (vocabulary/recording_layout.h), the daily log databases of the range's
// days ("db/<log>/<log>_YYYYMMDD.db", the archive "<log>Old.db" when the
// range reaches before the first daily file, or the single "<log>.db" of an
// older installation), the filter files of "db/filter", and the two files
// written for the copy: "FileRecord.ini" (first line "##Backup##", so the
// viewer reads the copy as a backup) and "IVSConfigForBackup.ini" (the
// analytics configuration of the installation's registry).  Symbolic links
// are not followed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/backup_file_list.h"
#include "tools/vxpp-server/backup_scope.h"

namespace vxpp_server {

struct ServedFile {
  vxpp::BackupFile listed;
  std::string contents;  // kFile written for the copy: its bytes; else read from the installation
  bool written = false;
};

std::vector<ServedFile> ListRecordings(const std::string& installFolder, const BackupScope& scope);
std::vector<ServedFile> ListLogDatabases(const std::string& installFolder, const BackupScope& scope);
// Everything a backup of the scope copies, in the order the copy is made.
std::vector<ServedFile> ListBackupFiles(const std::string& installFolder, const BackupScope& scope);

}  // namespace vxpp_server
