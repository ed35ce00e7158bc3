#include "csv/csv_file.h"

CCSVFile::~CCSVFile() {
  Flush();
  if (m_file != nullptr) std::fclose(m_file);
}

bool CCSVFile::Open(const std::string& path) {
  if (m_file != nullptr) return false;
  // Binary append: the line ends are written as "\r\n" by hand.
  m_file = std::fopen(path.c_str(), "ab");
  return m_file != nullptr;
}

void CCSVFile::AddRow(std::vector<std::string> row) { m_rows.push_back(std::move(row)); }

void CCSVFile::Flush() {
  if (m_file == nullptr) return;
  std::string line;
  for (const auto& row : m_rows) {
    line.clear();
    for (const auto& field : row) {
      line += field;
      line += ',';
    }
    line += "\r\n";
    std::fwrite(line.data(), 1, line.size(), m_file);
  }
  // One flush for the whole batch: the file holds the same bytes, and a long
  // export costs one system call per batch instead of one per line.
  std::fflush(m_file);
  m_rows.clear();
}
