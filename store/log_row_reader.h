// CLogRowReader<T>: turns one result row of a log table into a record of
// type T, reading each value in its stored type.
//
// A value stored as an integer goes straight into a column that has an
// integer reader; every other value (text, real, blob, or an integer in a
// text field) is read from the text SQLite gives it, so a record holds
// exactly what the column's text reader makes of that text.  Null values
// are not read.
//
// A row is read into the reader's own record, which stays valid until the
// next row; callers copy what they keep.  Column names are matched against
// T's column list once per statement, on its first row (the order of the
// columns is fixed for a statement), so a row costs only the conversions of
// its values.  Not thread-safe; one reader per query object.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

// One column a record type reads: its exact name (case-sensitive), how its
// text value fills the record and, for numeric fields, how an integer value
// does (with the same result as its decimal text would give; null when the
// text reader serves every value).
template <class T>
struct LogColumn {
  const char* name;
  void (*read)(T& record, const char* value);
  void (*readInteger)(T& record, int64_t value) = nullptr;
};

// The columns each record type reads (defined with the record conversions).
template <class T>
std::span<const LogColumn<T>> LogColumnsOf();

template <class T>
class CLogRowReader {
 public:
  // A new statement begins: its column names are matched on its first row.
  void Restart() { m_matched = false; }

  // The record read from the row `row` is on, or nullptr when the row is
  // skipped (its first value is null).  Columns whose name or value is
  // null, "Id" and columns T does not read leave their field as a new
  // record has it.
  const T* Read(sqlite3_stmt* row) {
    const int count = sqlite3_column_count(row);
    if (count < 1 || sqlite3_column_type(row, 0) == SQLITE_NULL) return nullptr;
    if (!m_matched || count != static_cast<int>(m_columns.size())) Match(row, count);
    static const T kNewRecord{};
    m_record = kNewRecord;  // keeps the capacity of its texts for the next rows
    for (int i = 0; i < count; ++i) {
      const LogColumn<T>* column = m_columns[i];
      if (column == nullptr) continue;
      const int type = sqlite3_column_type(row, i);
      if (type == SQLITE_NULL) continue;
      if (type == SQLITE_INTEGER && column->readInteger != nullptr) {
        column->readInteger(m_record, sqlite3_column_int64(row, i));
      } else if (const unsigned char* text = sqlite3_column_text(row, i)) {
        column->read(m_record, reinterpret_cast<const char*>(text));
      }
    }
    return &m_record;
  }

 private:
  void Match(sqlite3_stmt* row, int count) {
    m_matched = true;
    m_columns.assign(count, nullptr);
    for (int i = 0; i < count; ++i) {
      const char* name = sqlite3_column_name(row, i);
      if (name == nullptr) continue;
      for (const LogColumn<T>& column : LogColumnsOf<T>()) {
        if (std::strcmp(name, column.name) == 0) {
          m_columns[i] = &column;
          break;
        }
      }
    }
  }

  bool m_matched = false;
  std::vector<const LogColumn<T>*> m_columns;
  T m_record;
};
