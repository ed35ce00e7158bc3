#include <cstring>

#include "platform/env.h"

namespace platform {

std::string FileError(const std::string& path, int errnum) { return path + ": " + std::strerror(errnum); }

bool WriteStringToFile(Env* env, std::string_view data, const std::string& path, std::string* error) {
  std::unique_ptr<WritableFile> file;
  if (!env->NewWritableFile(path, WriteMode::kTruncate, &file, error)) return false;
  if (file->Append(data) && file->Close()) return true;
  *error = file->Error();
  return false;
}

}  // namespace platform
