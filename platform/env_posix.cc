#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/env.h"

namespace platform {
namespace {

class PosixEnv final : public Env {
 public:
  bool ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) override {
    entries->clear();
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return false;
    while (dirent* e = readdir(dir)) {
      const std::string name = e->d_name;
      if (name == "." || name == "..") continue;
      struct stat st{};
      if (stat((folder + "/" + name).c_str(), &st) != 0) continue;
      entries->push_back({name, S_ISDIR(st.st_mode), static_cast<uint64_t>(st.st_size)});
    }
    closedir(dir);
    return true;
  }

  bool FileExists(const std::string& path) override { return access(path.c_str(), F_OK) == 0; }

  bool DeleteFile(const std::string& path) override { return unlink(path.c_str()) == 0; }

  bool ReadFile(const std::string& path, std::string* contents) override {
    contents->clear();
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return false;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) contents->append(buffer, n);
    const bool ok = std::ferror(f) == 0;
    std::fclose(f);
    return ok;
  }

  bool WriteFileAtomic(const std::string& path, const std::string& contents) override {
    const std::string temp = path + ".tmp-" + std::to_string(getpid());
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    size_t done = 0;
    while (done < contents.size()) {
      const ssize_t n = write(fd, contents.data() + done, contents.size() - done);
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    const bool ok = done == contents.size() && fsync(fd) == 0;
    close(fd);
    if (!ok || rename(temp.c_str(), path.c_str()) != 0) {
      unlink(temp.c_str());
      return false;
    }
    return true;
  }

  bool GetFileStamp(const std::string& path, FileStamp* stamp) override {
    struct stat st{};
    if (stat(path.c_str(), &st) != 0) return false;
    stamp->modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp->size = static_cast<uint64_t>(st.st_size);
    return true;
  }
};

}  // namespace

Env* Env::Default() {
  static PosixEnv env;
  return &env;
}

}  // namespace platform
