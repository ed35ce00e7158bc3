// The page test reads one string of each layout; these are the edges.
#include "pages/video/backup_event_string.h"

#include <gtest/gtest.h>

#include "pages/video/time_span_format.h"

namespace {

TEST(BackupEventStringTest, LengthDecidesThePathAndTheRestSplitsOnce) {
  const auto backup = ParseBackupEventString(35, "1,admin,s,e,[Lobby,Dock],8[F:\\],x,y],Nightly,3,4");
  ASSERT_TRUE(backup);
  EXPECT_EQ(backup->path, "F:\\],x,y");
  EXPECT_EQ(backup->db, "Nightly");
  EXPECT_EQ(backup->recordIndex, "3,4");
  const auto noIndex = ParseBackupEventString(34, "0,u,s,e,Cam,2[ab],0,x,y,Crop tool");
  ASSERT_TRUE(noIndex);
  EXPECT_EQ(noIndex->tool, "Crop tool");
  EXPECT_EQ(noIndex->recordIndex, "");
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
  std::string scratch;
  const auto FormatTimeSpan = [&](std::optional<int64_t> span, std::string_view format) {
    return std::string(::FormatTimeSpan(span, format, scratch));
  };
  const int64_t span = (2 * 86400 + 3661) * second + 1234567;  // 2 days 01:01:01, 123 ms 456 us 7 ticks
  EXPECT_EQ(FormatTimeSpan(span, "%D|%#D|%s|%#s|%u|%#u|%n|%#n|%H:%M:%S|%%"), "2|2|123|123|456|456|700|700|01:01:01|%");
  EXPECT_EQ(FormatTimeSpan(-605 * second, "%#Ddays %H:%M:%S"), "-0days 00:10:05");
  EXPECT_EQ(FormatTimeSpan(INT64_MIN, "%#D"), "-10675199");
  EXPECT_EQ(FormatTimeSpan(std::nullopt, "%H"), "");
  EXPECT_EQ(FormatTimeSpan(61 * second, "%Y %S"), "1601 01");  // any other marker: calendar formatting
  EXPECT_EQ(FormatTimeSpan(second, std::string(127, 'x') + "%S"), "");  // longer than 128 characters
  EXPECT_EQ(FormatTimeSpan(second, std::string(126, 'x') + "%S"), std::string(126, 'x') + "01");
}

}  // namespace
