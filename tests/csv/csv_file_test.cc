#include "csv/csv_file.h"

#include <gtest/gtest.h>

#include "platform/fault_injection_env.h"
#include "platform/mem_env.h"
#include "temp_folder.h"

namespace {

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
