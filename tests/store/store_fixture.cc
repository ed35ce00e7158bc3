#include "store_fixture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace store_test {

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "store_test_XXXXXX").string();
  m_path = mkdtemp(pattern.data());
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(m_path, ignored);
}

std::string TempFolder::operator/(const std::string& relative) const {
  const fs::path path = fs::path(m_path) / relative;
  fs::create_directories(path.parent_path());
  return path.string();
}

void WriteDatabase(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK) << path;
  char* error = nullptr;
  EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << error;
  sqlite3_free(error);
  sqlite3_close(db);
}

std::string EventLogSql(const std::vector<EventRow>& rows) {
  std::ostringstream sql;
  sql << "BEGIN; CREATE TABLE EventLog(Id INTEGER PRIMARY KEY, LogTime INTEGER, ChannelIndex INTEGER,"
         " CameraId INTEGER, EventNumber INTEGER, Description TEXT);";
  for (const EventRow& r : rows) {
    sql << "INSERT INTO EventLog(LogTime, ChannelIndex, CameraId, EventNumber, Description) VALUES("
        << r.logTime << ',' << r.channelIndex << ',' << r.cameraId << ',' << r.eventNumber << ",'"
        << r.description << "');";
  }
  sql << "COMMIT;";
  return sql.str();
}

void WriteFile(const std::string& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::map<std::string, std::string> Snapshot(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    const std::string contents = ReadFile(entry.path().string());
    files[entry.path().filename().string()] =
        std::to_string(contents.size()) + " bytes, hash " + std::to_string(std::hash<std::string>()(contents));
  }
  return files;
}

}  // namespace store_test
