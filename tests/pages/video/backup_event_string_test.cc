#include "pages/video/backup_event_string.h"

#include <gtest/gtest.h>

#include "pages/video/time_span_format.h"

namespace {

TEST(BackupEventStringTest, ExportWithCommaInPathAndRecordIndex) {
  const auto f = ParseBackupEventString(
      34, "1,operator,2024/01/31 10:00:00,2024/01/31 10:10:05,Cam 1,10[C:\\a,b.avi],1,AVI,720p,Tool,3,4");
  ASSERT_TRUE(f);
  EXPECT_EQ(f->successCode, 1);
  EXPECT_EQ(f->user, "operator");
  EXPECT_EQ(f->camera, "Cam 1");
  EXPECT_EQ(f->path, "C:\\a,b.avi");
  EXPECT_EQ(f->audio, 1);
  EXPECT_EQ(f->tool, "Tool");
  EXPECT_EQ(f->recordIndex, "3,4");
  EXPECT_FALSE(f->db);
  // No further comma after the skipped fields: the rest is the tool.
  const auto noIndex = ParseBackupEventString(34, "0,u,s,e,Cam,2[ab],0,x,y,Crop tool");
  ASSERT_TRUE(noIndex);
  EXPECT_EQ(noIndex->tool, "Crop tool");
  EXPECT_EQ(noIndex->recordIndex, "");
}

TEST(BackupEventStringTest, BracketedCameraListsAndTheOtherLayouts) {
  const auto backup = ParseBackupEventString(35, "1,admin,s,e,[Lobby,Dock],7[F:\\]x,y],Nightly");
  ASSERT_TRUE(backup);
  EXPECT_EQ(backup->camera, "Lobby,Dock");
  EXPECT_EQ(backup->path, "F:\\]x,y");  // the length decides, not the brackets inside
  EXPECT_EQ(backup->db, "Nightly");
  EXPECT_EQ(backup->recordIndex, "");

  const auto removal = ParseBackupEventString(38, "1,admin,s,e,[Lobby],\x04");
  ASSERT_TRUE(removal);
  EXPECT_EQ(removal->recordIndex, "\x04");
  EXPECT_FALSE(removal->path);

  const auto automatic = ParseBackupEventString(41, "0,s,e,[Dock],3[G:\\],Disk full,DB1,2");
  ASSERT_TRUE(automatic);
  EXPECT_EQ(automatic->user, "");
  EXPECT_EQ(automatic->failureReason, "Disk full");
  EXPECT_EQ(automatic->db, "DB1");
  EXPECT_EQ(automatic->recordIndex, "2");
}

TEST(BackupEventStringTest, MalformedStringsGiveNothing) {
  for (const char* text : {
           "", "1", "1,u,s,e,Cam", "1,u,s,e,Cam,9[C:\\a,b.avi],1,x,y,T",  // path one short of its "]"
           "1,u,s,e,Cam,99999999999999999999[a],1,x,y,T", "1,u,s,e,Cam,4000000[ab],1,x,y,T",
           "1,u,s,e,Cam,[ab],1,x,y,T", "1,u,s,e,Cam,2[ab]", "1,u,s,e,Cam,2[ab],1,x"}) {
    EXPECT_FALSE(ParseBackupEventString(34, text)) << text;
  }
  EXPECT_FALSE(ParseBackupEventString(35, "1,u,s,e,Lobby,2[ab],DB"));  // camera list without brackets
  EXPECT_FALSE(ParseBackupEventString(38, "1,u,s,e,[Lobby"));
  EXPECT_FALSE(ParseBackupEventString(41, "1,s,e,[Dock],2[ab],no reason end"));
  EXPECT_FALSE(ParseBackupEventString(3, "1,u,s,e,[Lobby],x"));
}

TEST(TimeSpanFormatTest, Markers) {
  const int64_t second = 10000000;
  EXPECT_EQ(FormatTimeSpan(605 * second, "%#Ddays %H:%M:%S.%u"), "0days 00:10:05.000");
  const int64_t span = (2 * 86400 + 3661) * second + 1234567;  // 2 days 01:01:01, 123 ms 456 us 7 ticks
  EXPECT_EQ(FormatTimeSpan(span, "%D|%#D|%s|%#s|%u|%#u|%n|%#n|%H:%M:%S|%%"), "2|2|123|123|456|456|700|700|01:01:01|%");
  EXPECT_EQ(FormatTimeSpan(-605 * second, "%#Ddays %H:%M:%S"), "-0days 00:10:05");
  EXPECT_EQ(FormatTimeSpan(INT64_MIN, "%#D"), "-10675199");
  EXPECT_EQ(FormatTimeSpan(std::nullopt, "%H"), "");
}

}  // namespace
