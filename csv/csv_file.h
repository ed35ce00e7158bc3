// CCSVFile: the buffered writer of the list exports.  Rows are collected in
// memory and appended to the file when the writer is flushed or destroyed;
// every field is followed by ",", fields are written as they are (no quoting,
// no escaping), and every line ends with carriage return plus line feed on
// every platform, so an export is the same file wherever it was written.
//
// A writer is used from one thread.  It owns its file and its rows.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

class CCSVFile {
 public:
  CCSVFile() = default;
  // Flushes, then closes the file.
  ~CCSVFile();
  CCSVFile(const CCSVFile&) = delete;
  CCSVFile& operator=(const CCSVFile&) = delete;

  // Opens `path` for appending, creating it when missing.  False when the
  // writer is already open or the file cannot be opened (the writer then
  // stays closed and later flushes write nothing).
  bool Open(const std::string& path);
  bool IsOpen() const { return m_file != nullptr; }

  // Buffers the row (a copy, or the row itself when moved in); nothing is
  // written yet.
  void AddRow(std::vector<std::string> row);

  // With the file open, writes the buffered rows in order, empties the
  // buffer and flushes the stream once; without it, keeps them.  Write
  // errors are not reported.
  void Flush();

 private:
  FILE* m_file = nullptr;
  std::vector<std::vector<std::string>> m_rows;
};
