#include "csv/csv_file.h"

CCSVFile::~CCSVFile() {
  if (IsOpen()) Close();
}

bool CCSVFile::Open(const std::string& path) {
  if (IsOpen()) {
    m_error = path + ": the writer already has a file open";
    return false;
  }
  m_error.clear();
  return m_env->NewWritableFile(path, platform::WriteMode::kAppend, &m_file, &m_error);
}

void CCSVFile::AddRow(std::vector<std::string> row) { m_rows.push_back(std::move(row)); }

bool CCSVFile::Flush() {
  if (!IsOpen()) {
    if (m_error.empty()) m_error = "no file is open";
    return false;
  }
  std::string line;
  for (const auto& row : m_rows) {
    line.clear();
    for (const auto& field : row) {
      line += field;
      line += ',';
    }
    line += "\r\n";
    if (!m_file->Append(line)) break;
  }
  m_rows.clear();
  // One flush for the whole batch: the file holds the same bytes, and a long
  // export costs one system call per batch instead of one per line.
  if (m_file->Flush()) return true;
  m_error = m_file->Error();
  return false;
}

bool CCSVFile::Close() {
  if (!IsOpen()) return Flush();  // says that no file is open
  const bool written = Flush() && m_file->Close();
  if (!written) m_error = m_file->Error();
  m_file.reset();
  return written;
}
