#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstring>
#include <string>
#include <vector>

#include "store/log_columns.h"

namespace {

// Values of every storage class a damaged or foreign file may hold, the
// ones that narrow, overflow or fall back to the text form above all.
const char* const kValues[] = {
    "NULL", "0", "-1", "2147483647", "2147483648", "-2147483649", "4294967295", "4294967296",
    "9223372036854775807", "-9223372036854775808", "20240115103000", "20240115103000123",
    "20240230250000", "10000000000000", "99999999999999", "1000000000000", "-20240115103000",
    "1.5", "-2.5e10", "1e300", "20240115103000.0", "'12abc'", "'abc'", "''", "' 42'", "'-7'",
    "'20240115103000'", "'2024011510300'", "'Ünïcødé ✓ 日本'", "x'00ff'", "x'3132'"};
constexpr int kValueCount = sizeof kValues / sizeof kValues[0];

// How the rows were read before values were read in their stored type:
// sqlite3_exec's texts through each column's text reader.
template <class T>
std::vector<T> ReadAsText(sqlite3* db, const char* sql) {
  std::vector<T> records;
  sqlite3_exec(db, sql, [](void* out, int count, char** values, char** names) {
    if (values[0] == nullptr) return 0;
    T record{};
    for (int i = 0; i < count; ++i) {
      for (const LogColumn<T>& column : LogColumnsOf<T>()) {
        if (values[i] != nullptr && std::strcmp(names[i], column.name) == 0) column.read(record, values[i]);
      }
    }
    static_cast<std::vector<T>*>(out)->push_back(record);
    return 0;
  }, &records, nullptr);
  return records;
}

template <class T>
std::vector<T> ReadTyped(sqlite3* db, const char* sql) {
  std::vector<T> records;
  CLogRowReader<T> reader;
  sqlite3_stmt* row = nullptr;
  sqlite3_prepare_v2(db, sql, -1, &row, nullptr);
  while (sqlite3_step(row) == SQLITE_ROW) {
    if (const T* record = reader.Read(row)) records.push_back(*record);
  }
  sqlite3_finalize(row);
  return records;
}

// A table of T's columns (no declared types, so each value keeps its own),
// in which every column meets every value, then read both ways.
template <class T>
void ExpectSameRecords() {
  sqlite3* db = nullptr;
  sqlite3_open(":memory:", &db);
  std::string create = "CREATE TABLE t(Id INTEGER PRIMARY KEY";
  const auto columns = LogColumnsOf<T>();
  for (const LogColumn<T>& column : columns) create += std::string(", \"") + column.name + "\"";
  ASSERT_EQ(sqlite3_exec(db, (create + ");").c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  for (int row = 0; row < kValueCount; ++row) {
    std::string insert = "INSERT INTO t VALUES(NULL";
    for (size_t i = 0; i < columns.size(); ++i) insert += std::string(",") + kValues[(row + i) % kValueCount];
    ASSERT_EQ(sqlite3_exec(db, (insert + ");").c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << insert;
  }
  // Id first (never null), and the first column first (a null one skips the row).
  for (const char* sql : {"SELECT * FROM t;", "SELECT \"LogTime\", * FROM t;"}) {
    const std::vector<T> text = ReadAsText<T>(db, sql), typed = ReadTyped<T>(db, sql);
    ASSERT_EQ(typed.size(), text.size()) << sql;
    for (size_t i = 0; i < text.size(); ++i) {
      EXPECT_TRUE(typed[i] == text[i]) << sql << " row " << i;
      EXPECT_EQ(typed[i].LogTime.IsValid(), text[i].LogTime.IsValid()) << sql << " row " << i;
    }
  }
  sqlite3_close(db);
}

TEST(LogRowReaderTest, StoredTypesReadAsTheirTextWouldBe) {
  ExpectSameRecords<EventLogBasket>();
  ExpectSameRecords<PosEventLogBasket>();
  ExpectSameRecords<EdgeRecordLogBasket>();
  ExpectSameRecords<CounterLog>();
  ExpectSameRecords<IVSCounterLog>();
  ExpectSameRecords<CombinedCounterLog>();
  ExpectSameRecords<SystemLogRecord>();
}

}  // namespace
