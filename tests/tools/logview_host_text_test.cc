// logview-host's parts without a window: the camera set as text, the viewer's
// messages in words, the busiest day of an installation, the command line.
#include <gtest/gtest.h>

#include "temp_folder.h"
#include "tools/logview-host/busiest_day.h"
#include "tools/logview-host/camera_set_text.h"
#include "tools/logview-host/host_message_text.h"
#include "tools/logview-host/host_options.h"

namespace {

TEST(LogviewHostText, CameraIndexesReadAndWrittenBack) {
  VxBitset<128> cameras;
  std::string error;
  ASSERT_TRUE(ParseCameraIndexes(" 0, 2 - 4,,127 ", &cameras, &error)) << error;
  EXPECT_EQ(CameraIndexesText(cameras), "0, 2-4, 127");
  ASSERT_TRUE(ParseCameraIndexes("", &cameras, &error));
  EXPECT_EQ(CameraIndexesText(cameras), "none");
  for (const char* bad : {"128", "4-2", "x", "-1", "1-", "0001"}) {
    cameras.set(5);
    EXPECT_FALSE(ParseCameraIndexes(std::string("1,") + bad, &cameras, &error)) << bad;
    EXPECT_NE(error.find(bad), std::string::npos) << error;
    EXPECT_TRUE(cameras.test(5)) << "a refused text leaves the set as it was";
  }
}

TEST(LogviewHostText, MessagesInWords) {
  PlaybackRequest request;
  request.start = CDateTime::FromFields(2024, 3, 5, 7, 30, 0);
  request.end = CDateTime::FromFields(2024, 3, 5, 7, 31, 0);
  request.selectedTime = CDateTime::FromFields(2024, 3, 5, 7, 30, 50);
  request.cameras.set(1).set(2);
  EXPECT_EQ(HostMessageInWords(platform::kMsgStartPlayback, reinterpret_cast<platform::WPARAM>(&request), 0),
            "start playback: cameras 1-2 from 2024/03/05 07:30:00 to 2024/03/05 07:31:00, starting at "
            "2024/03/05 07:30:50");
  EXPECT_EQ(HostMessageInWords(platform::kMsgCanPlay, 3, reinterpret_cast<platform::LPARAM>(&request.end)),
            "can you play camera index 3 at 2024/03/05 07:31:00?");
  EXPECT_EQ(HostMessageInWords(platform::kMsgSeekPlayback, 0, 0), "seek playback to (no time)");
  EXPECT_EQ(HostMessageInWords(32999, 1, -2), "message 32999 (wParam 1, lParam -2)");
}

TEST(LogviewHostText, BusiestDayIsTheLargestDailyFileTheLatestOfEquals) {
  TempFolder folder;
  EXPECT_FALSE(BusiestDay(folder.Path()));
  folder.Write("db/EventLog/EventLogOld.db", std::string(500, 'x'));
  folder.Write("db/EventLog/EventLog_2024030x.db", std::string(500, 'x'));
  EXPECT_FALSE(BusiestDay(folder.Path())) << "neither is a daily file";
  folder.Write("db/EventLog/EventLog_20240301.db", std::string(30, 'x'));
  folder.Write("db/EventLog/EventLog_20240303.db", std::string(30, 'x'));
  folder.Write("db/EventLog/EventLog_20240302.db", std::string(10, 'x'));
  const std::optional<HostDay> day = BusiestDay(folder.Path());
  ASSERT_TRUE(day);
  EXPECT_EQ(day->year * 10000 + day->month * 100 + day->day, 20240303);
}

TEST(LogviewHostText, CommandLineErrorsNameTheWord) {
  const auto parse = [](std::vector<const char*> words, std::string* error) {
    words.insert(words.begin(), "logview-host");
    HostOptions options;
    return ParseHostOptions(static_cast<int>(words.size()), words.data(), &options, error);
  };
  std::string error;
  EXPECT_EQ(parse({"--install", "/x", "--screenshots", "/y"}, &error), HostParse::kRun);
  EXPECT_EQ(parse({"--screenshots", "/y"}, &error), HostParse::kUsageError);
  EXPECT_NE(error.find("--install"), std::string::npos);
  EXPECT_EQ(parse({"--install"}, &error), HostParse::kUsageError);
  EXPECT_EQ(error, "--install needs a value");
  EXPECT_EQ(parse({"--bogus"}, &error), HostParse::kUsageError);
  EXPECT_NE(error.find("--bogus"), std::string::npos);
}

}  // namespace
