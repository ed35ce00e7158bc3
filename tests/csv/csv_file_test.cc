#include "csv/csv_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fault_injection_env.h"
#include "platform/mem_env.h"
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
  platform::MemEnv mem;
  platform::FaultInjectionEnv env(&mem);
  env.SetReadOnlyFolder("/ro");
  CCSVFile csv(&env);
  EXPECT_FALSE(csv.Open("/ro/out.csv"));
  EXPECT_EQ(csv.Error(), "/ro/out.csv: Permission denied");
  EXPECT_FALSE(csv.IsOpen());
  csv.AddRow({"kept"});
  EXPECT_FALSE(csv.Flush());
  EXPECT_FALSE(env.FileExists("/ro/out.csv"));
  // The rows stayed buffered: a later successful open writes them.
  ASSERT_TRUE(csv.Open("/rw/late.csv"));
  EXPECT_TRUE(csv.Close());
  EXPECT_EQ(ReadWholeFile(mem, "/rw/late.csv"), "kept,\r\n");
}

TEST(CsvFileTest, FullDiskIsReported) {
  platform::MemEnv mem;
  platform::FaultInjectionEnv env(&mem);
  env.SetSpaceLeft(8);
  CCSVFile csv(&env);
  ASSERT_TRUE(csv.Open("/out.csv"));
  csv.AddRow({"a", "b"});
  EXPECT_TRUE(csv.Flush());
  csv.AddRow({"c", "d"});
  EXPECT_FALSE(csv.Close());
  EXPECT_EQ(csv.Error(), "/out.csv: No space left on device");
  EXPECT_EQ(ReadWholeFile(mem, "/out.csv"), "a,b,\r\nc,");
}

}  // namespace
