#include "csv/csv_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// What a page does: the title row only when the file is new, then the rows.
void Export(const std::string& path, const Rows& rows) {
  const bool existed = std::filesystem::exists(path);
  CCSVFile csv;
  csv.Open(path);
  if (!existed) csv.AddRow({"Event Time", "Event Type"});
  for (const auto& row : rows) csv.AddRow(row);
}

TEST(CsvFileTest, WriteEndsEveryFieldWithCommaAndEveryLineWithCrLf) {
  TempFolder folder;
  const std::string path = folder.File("out.csv");
  {
    CCSVFile csv;
    ASSERT_TRUE(csv.Open(path));
    EXPECT_TRUE(csv.IsOpen());
    EXPECT_FALSE(csv.Open(path));  // a second open is refused
    csv.AddRow({"a", "b"});
    csv.AddRow({});
    csv.AddRow({"x,y", "say \"hi\"", "two\nlines"});
    EXPECT_EQ(ReadWholeFile(path), "");  // buffered until flushed
    csv.Flush();
    EXPECT_EQ(ReadWholeFile(path), "a,b,\r\n\r\nx,y,say \"hi\",two\nlines,\r\n");
    csv.AddRow({"last"});
  }
  EXPECT_EQ(ReadWholeFile(path), "a,b,\r\n\r\nx,y,say \"hi\",two\nlines,\r\nlast,\r\n");
}

TEST(CsvFileTest, TwoExportsIntoOneNewFileWriteOneTitleLine) {
  TempFolder folder;
  const std::string path = folder.File("events.csv");
  Export(path, {{"2024/01/31 23:59:59", "Signal Lost"}});
  Export(path, {{"2024/02/01 00:00:00", "General Motion"}});
  EXPECT_EQ(ReadWholeFile(path),
            "Event Time,Event Type,\r\n"
            "2024/01/31 23:59:59,Signal Lost,\r\n"
            "2024/02/01 00:00:00,General Motion,\r\n");
}

TEST(CsvFileTest, UnopenableFileKeepsRowsAndWritesNothing) {
  TempFolder folder;
  const std::string path = folder.File("no/such/folder/out.csv");
  CCSVFile csv;
  EXPECT_FALSE(csv.Open(path));
  EXPECT_FALSE(csv.IsOpen());
  csv.AddRow({"kept"});
  csv.Flush();
  EXPECT_FALSE(std::filesystem::exists(path));
  // The rows stayed buffered: a later successful open writes them.
  ASSERT_TRUE(csv.Open(folder.File("late.csv")));
  csv.Flush();
  EXPECT_EQ(ReadWholeFile(folder.File("late.csv")), "kept,\r\n");
}

}  // namespace
