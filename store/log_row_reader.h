// CLogRowReader<T>: turns one result row of a log table (values and column
// names as texts) into a record of type T.
//
// A row is read into the reader's own record, which stays valid until the
// next row; callers copy what they keep.  Column names are matched against
// T's column list once per statement, on its first row (the order of the
// columns is fixed for a statement), so a row costs only the conversions of
// its values.  Not thread-safe; one reader per query object.
#pragma once

#include <cstring>
#include <span>
#include <vector>

// One column a record type reads: its exact name (case-sensitive) and how
// its text value fills the record.
template <class T>
struct LogColumn {
  const char* name;
  void (*read)(T& record, const char* value);
};

// The columns each record type reads (defined with the record conversions).
template <class T>
std::span<const LogColumn<T>> LogColumnsOf();

template <class T>
class CLogRowReader {
 public:
  // A new statement begins: its column names are matched on its first row.
  void Restart() { m_names = nullptr; }

  // The record read from the row, or nullptr when the row is skipped (its
  // first value is null).  Columns whose name or value is null, "Id" and
  // columns T does not read leave their field as a new record has it.
  const T* Read(int count, char** values, char** names) {
    if (count < 1 || values[0] == nullptr) return nullptr;
    if (names != m_names || count != static_cast<int>(m_readers.size())) Match(count, names);
    static const T kNewRecord{};
    m_record = kNewRecord;  // keeps the capacity of its texts for the next rows
    for (int i = 0; i < count; ++i) {
      if (m_readers[i] != nullptr && values[i] != nullptr) m_readers[i](m_record, values[i]);
    }
    return &m_record;
  }

 private:
  using ReadFunction = void (*)(T&, const char*);

  void Match(int count, char** names) {
    m_names = names;
    m_readers.assign(count, nullptr);
    for (int i = 0; i < count; ++i) {
      if (names[i] == nullptr) continue;
      for (const LogColumn<T>& column : LogColumnsOf<T>()) {
        if (std::strcmp(names[i], column.name) == 0) {
          m_readers[i] = column.read;
          break;
        }
      }
    }
  }

  char** m_names = nullptr;
  std::vector<ReadFunction> m_readers;
  T m_record;
};
