#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/env.h"

namespace platform {
namespace {

// Bytes collected before one write(2).
constexpr size_t kWriteBuffer = 1 << 16;

class PosixWritableFile final : public WritableFile {
 public:
  PosixWritableFile(std::string path, int fd) : m_path(std::move(path)), m_fd(fd) {}
  ~PosixWritableFile() override {
    if (m_fd >= 0) Close();
  }

  bool Append(std::string_view data) override {
    if (!Usable()) return false;
    m_buffer.append(data);
    return m_buffer.size() < kWriteBuffer || WriteBuffer();
  }

  bool Flush() override { return Usable() && WriteBuffer(); }

  bool Sync() override { return Flush() && (fsync(m_fd) == 0 || Fail(errno)); }

  bool Close() override {
    if (m_fd < 0) return Usable();
    const bool flushed = Flush();
    const bool closed = close(m_fd) == 0 || Fail(errno);
    m_fd = -1;
    return flushed && closed;
  }

  const std::string& Error() const override { return m_error; }

 private:
  // Keeps the first failure; always false.
  bool Fail(int errnum) {
    if (m_error.empty()) m_error = FileError(m_path, errnum);
    return false;
  }

  bool Usable() { return m_fd < 0 ? Fail(EBADF) : m_error.empty(); }

  bool WriteBuffer() {
    size_t done = 0;
    while (done < m_buffer.size()) {
      const ssize_t n = write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
      if (n < 0 && errno == EINTR) continue;
      // write(2) writing nothing for a regular file means the disk is full.
      if (n <= 0) return Fail(n < 0 ? errno : ENOSPC);
      done += static_cast<size_t>(n);
    }
    m_buffer.clear();
    return true;
  }

  const std::string m_path;
  int m_fd;
  std::string m_buffer;
  std::string m_error;
};

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
    // The new file takes the old one's permission bits, which the umask
    // would otherwise have cut down to its own.
    struct stat old{};
    const bool kept = stat(path.c_str(), &old) != 0 || fchmod(fd, old.st_mode & 07777) == 0;
    PosixWritableFile file(temp, fd);
    const bool ok = kept && file.Append(contents) && file.Sync() && file.Close();
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

  bool NewWritableFile(const std::string& path, WriteMode mode, std::unique_ptr<WritableFile>* file,
                       std::string* error) override {
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (mode == WriteMode::kTruncate ? O_TRUNC : O_APPEND);
    const int fd = open(path.c_str(), flags, 0666);
    if (fd < 0) {
      *error = FileError(path, errno);
      return false;
    }
    *file = std::make_unique<PosixWritableFile>(path, fd);
    return true;
  }

  bool MakeFolders(const std::string& folder, std::string* error) override {
    for (size_t at = folder.find('/', 1);; at = folder.find('/', at + 1)) {
      const std::string part = folder.substr(0, at);
      if (!part.empty() && mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) {
        *error = FileError(part, errno);
        return false;
      }
      if (at == std::string::npos) return true;
    }
  }

  bool DeleteFolder(const std::string& folder) override { return rmdir(folder.c_str()) == 0; }

  bool RenameFile(const std::string& from, const std::string& to, std::string* error) override {
    if (rename(from.c_str(), to.c_str()) == 0) return true;
    *error = FileError(to, errno);
    return false;
  }
};

}  // namespace

Env* Env::Default() {
  static PosixEnv env;
  return &env;
}

}  // namespace platform
