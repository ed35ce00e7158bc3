// CCSVFile: the buffered writer of the list exports.  Rows are collected in
// memory and appended to the file when the writer is flushed or destroyed;
// every field is followed by ",", fields are written as they are (no quoting,
// no escaping), and every line ends with carriage return plus line feed on
// every platform, so an export is the same file wherever it was written.
//
// A writer is used from one thread.  It owns its file and its rows.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/env.h"

class CCSVFile {
 public:
  // Writes through `env`, which must outlive the writer.
  explicit CCSVFile(platform::Env* env = platform::Env::Default()) : m_env(env) {}
  // Flushes, then closes the file.  A failure here is not reported: a caller
  // that must know whether everything was written calls Close.
  ~CCSVFile();
  CCSVFile(const CCSVFile&) = delete;
  CCSVFile& operator=(const CCSVFile&) = delete;

  // Opens `path` for appending, creating it when missing.  False when the
  // writer is already open or the file cannot be opened (the writer then
  // stays closed, Error() says why, and later flushes write nothing).
  bool Open(const std::string& path);
  bool IsOpen() const { return m_file != nullptr; }

  // Buffers the row (a copy, or the row itself when moved in); nothing is
  // written yet.
  void AddRow(std::vector<std::string> row);

  // With the file open, writes the buffered rows in order, empties the
  // buffer and flushes the file once; without it, keeps them.  False when
  // the file is not open or a write failed.
  bool Flush();
  // Flushes, then closes the file.  False when a row was not written whole.
  bool Close();
  // Why the last Open, Flush or Close failed.
  const std::string& Error() const { return m_error; }

 private:
  platform::Env* m_env;
  std::unique_ptr<platform::WritableFile> m_file;
  std::vector<std::vector<std::string>> m_rows;
  std::string m_error;
};
