// A fresh folder under $TMPDIR (or /tmp) for one test, removed with its
// contents when the object goes.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/env.h"

class TempFolder {
 public:
  TempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/logview-test-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) m_path = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    if (!m_path.empty()) std::filesystem::remove_all(m_path, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return m_path; }
  std::string File(const std::string& name) const { return m_path + "/" + name; }

  // Writes `contents` byte for byte to `name` (folders made as needed); returns the path.
  std::string Write(const std::string& name, const std::string& contents) const {
    const std::string path = File(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << contents;
    return path;
  }

 private:
  std::string m_path;
};

// The whole file, or an empty text when it cannot be read.
inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The whole file as `env` holds it, or an empty text.
inline std::string ReadWholeFile(platform::Env& env, const std::string& path) {
  std::string contents;
  env.ReadFile(path, &contents);
  return contents;
}

// A fixture under tests/data: $LOGVIEW_TEST_DATA when set, else the folder the
// build names, so a test binary runs from any working folder.
inline std::string TestDataPath(const std::string& relative) {
  const char* root = std::getenv("LOGVIEW_TEST_DATA");
  return std::string(root ? root : LOGVIEW_TEST_DATA_DIR) + "/" + relative;
}
