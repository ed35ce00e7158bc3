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

void CCSVFile::AddRow(const std::vector<std::string>& row) { m_rows.push_back(row); }

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
    std::fflush(m_file);
  }
  m_rows.clear();
}
