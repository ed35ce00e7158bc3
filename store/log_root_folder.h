// Where the log databases of this viewer lie: the root folder below which
// "db/EventLog" and "db/SystemLog" are found, and the installation's
// record-file marker that says whether the root is a backup copy.
#pragma once

#include <string>

#include "platform/env.h"

// The first line of "FileRecord.ini" in the installation folder.
struct RecordFileMarker {
  bool backup = false;      // "##Backup##": the file choice ignores the dates
  bool autoBackup = false;  // "##AutoBackup##": the root given is a video folder
};

// The marker, read once for the life of the process (a missing file marks
// nothing).  Thread-safe.
RecordFileMarker GetRecordFileMarker(platform::Env* env = platform::Env::Default());
// Forgets the marker, so that the next call reads it again (hosts and tests
// that move the installation folder).
void ResetRecordFileMarker();

// The root folder, ending with "/": `serverAddress` when it is neither empty
// nor "localhost" (without its "\Date\Cam\Video" part when the marker says
// "##AutoBackup##"), else the installation folder.  Either path separator
// is accepted in `serverAddress`.
std::string LogRootFolder(const std::string& serverAddress,
                          platform::Env* env = platform::Env::Default());
