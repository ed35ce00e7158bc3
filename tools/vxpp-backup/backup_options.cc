#include "tools/vxpp-backup/backup_options.h"

#include <cerrno>
#include <cstdlib>

namespace {

// Camera numbers the server's selection can carry (indices 0 to 127).
constexpr long kMaxCameraNumber = 128;

bool ReadCameras(const std::string& text, std::vector<int>* cameras) {
  cameras->clear();
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find(',', start), text.size());
    const std::string part = text.substr(start, end - start);
    char* last = nullptr;
    errno = 0;
    const long number = std::strtol(part.c_str(), &last, 10);
    if (part.empty() || *last != '\0' || errno != 0 || number < 1 || number > kMaxCameraNumber) return false;
    cameras->push_back(static_cast<int>(number));
    start = end + 1;
  }
  return true;
}

}  // namespace

BackupParse ParseBackupOptions(int argc, char** argv, BackupOptions* o, std::string* error) {
  bool haveServer = false, haveLogin = false, haveFrom = false, haveTo = false;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--help" || word == "-h") return BackupParse::kHelp;
    if (word == "--size-only") {
      o->sizeOnly = true;
      continue;
    }
    if (!word.starts_with("--")) {
      if (!o->folder.empty()) {
        *error = "one folder only, not '" + o->folder + "' and '" + word + "'";
        return BackupParse::kUsageError;
      }
      o->folder = word;
      continue;
    }
    if (i + 1 >= argc) {
      *error = word + " needs a value";
      return BackupParse::kUsageError;
    }
    const std::string value = argv[++i];
    bool ok = true;
    std::string form;
    if (word == "--server") {
      ok = haveServer = ReadHostPort(value, &o->host, &o->port);
      form = "HOST[:PORT] with a port from 1 to 65535";
    } else if (word == "--login") {
      ok = haveLogin = ReadAccount(value, &o->login);
      form = "USER[:PASSWORD]";
    } else if (word == "--from" || word == "--to") {
      ok = ReadCalendarTime(value, false, word == "--from" ? &o->from : &o->to);
      (word == "--from" ? haveFrom : haveTo) = ok;
      form = "'YYYY-MM-DD HH:MM:SS'";
    } else if (word == "--cameras") {
      ok = ReadCameras(value, &o->cameras);
      form = "camera numbers from 1 to 128 separated by commas";
    } else {
      *error = "unknown option " + word;
      return BackupParse::kUsageError;
    }
    if (!ok) {
      *error = word + " takes " + form + ", not '" + value + "'";
      return BackupParse::kUsageError;
    }
  }
  const char* missing = !haveServer ? "--server" : !haveLogin ? "--login" : !haveFrom ? "--from" : !haveTo ? "--to"
                                                                                                          : nullptr;
  if (missing != nullptr) *error = std::string(missing) + " is needed";
  else if (o->folder.empty() && !o->sizeOnly) *error = "no folder named to copy into";
  return error->empty() ? BackupParse::kRun : BackupParse::kUsageError;
}

const char* BackupUsage() {
  return R"(Usage: vxpp-backup --server HOST[:PORT] --login USER[:PASSWORD]
                   --from 'YYYY-MM-DD HH:MM:SS' --to 'YYYY-MM-DD HH:MM:SS'
                   [--cameras N,M,...] [--size-only] DIR
Copy the recordings and logs of a time range from a recording server into
DIR, laid out as the installation keeps them, as a backup copy the viewer
opens (logview --root DIR).

  --server HOST[:PORT]  the recording server (port 5160 when left out)
  --login USER[:PASSWORD]  the account to log in with
  --from, --to TIME     the range, local time of the server
  --cameras N,M,...     the cameras by number (Cam01 is 1); all when left out
  --size-only           print the bytes the copy would take, copy nothing (DIR may be left out)
  --help                this text
  --version             the program's version

Standard error shows the progress (files and bytes done of the total).
Ctrl-C stops the copy and removes what it wrote.
Exit status: 0 a complete copy (or the size printed), 2 the copy failed or
was stopped (with a message saying why), 64 a usage error.
)";
}
