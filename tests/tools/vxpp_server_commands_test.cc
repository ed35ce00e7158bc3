// What vxpp-server answers besides the logs, from a demo installation: POS
// settings, language pack files, recorded days and spans, bookmarks kept
// across restarts, POS record searches (regular expressions bounded in size
// and matched in linear time) and system log entries a client adds.
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "protocol/result_codes.h"
#include "protocol/string_list.h"
#include "temp_folder.h"
#include "tools/logview-demo/demo_installation.h"
#include "tools/server_fixture.h"

namespace {

class ServerCommandsTest : public ServerFixture {
 protected:
  void SetUp() override {
    DemoOptions demo;
    demo.days = 2;
    demo.eventsPerDay = 200;
    demo.endDate = CDateTime::FromFields(2024, 3, 5);
    WriteDemoSite(demo, Site());
    if (HasFatalFailure()) return;
    StartServerOn(Site());
    ASSERT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
  }
  std::string Site() const { return m_folder + "/site"; }

  // Adds POS records of these descriptions to the last day.
  void AddPosDescriptions(const std::vector<std::string>& descriptions) {
    const std::string daily = Site() + "/db/EventLog/" + CDateTime::FromFields(2024, 3, 5).DailyFileName("EventLog");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(daily.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* insert = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db,
                                 "INSERT INTO PosEventLog (LogTime, PosId, EventRuleId, EventRuleName, Description, "
                                 "CameraId) VALUES (20240305120000, 1, 300, 'added', ?, '1:12');",
                                 -1, &insert, nullptr),
              SQLITE_OK);
    sqlite3_exec(db, "BEGIN;", nullptr, nullptr, nullptr);
    for (const std::string& description : descriptions) {
      sqlite3_bind_text(insert, 1, description.data(), static_cast<int>(description.size()), SQLITE_TRANSIENT);
      EXPECT_EQ(sqlite3_step(insert), SQLITE_DONE) << sqlite3_errmsg(db);
      sqlite3_reset(insert);
    }
    sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_finalize(insert);
    sqlite3_close(db);
  }

  // The descriptions a POSRECORD of `keyWord` finds over all sources and
  // days, and how long it took; `result` gets the client's result.
  std::vector<std::string> PosDescriptions(const std::string& keyWord, int usingRE, int* result,
                                           double* seconds = nullptr) {
    std::vector<PosRecordEntry> records;
    bool tooMuch = false;
    const auto start = std::chrono::steady_clock::now();
    *result = m_client.PosRecord(kUrl, m_session, keyWord, usingRE, {}, CDateTime::Null(), CDateTime::Null(), records,
                                 tooMuch);
    if (seconds) *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_FALSE(tooMuch);
    std::vector<std::string> descriptions;
    for (const auto& r : records) descriptions.push_back(r.description);
    return descriptions;
  }
};

TEST_F(ServerCommandsTest, SettingsFilesAndRecordedVideo) {
  std::vector<EPOS_Setting> settings;
  ASSERT_TRUE(m_client.QueryPosSetting(kUrl, m_session, settings));
  ASSERT_EQ(settings.size(), 3u);
  EXPECT_EQ(settings[0].PosId, 1u);
  EXPECT_EQ(settings[0].Name, "Register");  // a token value ends at the blank
  EXPECT_EQ(settings[0].IP, "192.168.1.71");
  EXPECT_EQ(settings[0].bActive, 1);
  EXPECT_EQ(settings[0].TagFilterName, "Default");
  ASSERT_EQ(settings[0].associations.size(), 2u);
  EXPECT_EQ(settings[0].associations[0].CameraId, 12);
  EXPECT_EQ(settings[0].associations[1].Right, 320);
  EXPECT_TRUE(settings[2].associations.empty());

  std::string version;
  ASSERT_TRUE(m_client.LangPackGetVersion(kUrl, m_session, version));
  EXPECT_EQ(version, "1");
  TempFolder downloads;
  std::filesystem::create_directories(Site() + "/lang/ENG");
  std::ofstream(Site() + "/lang/ENG/Pack.xml") << "<pack/>";
  std::filesystem::create_directories(downloads.Path() + "/ENG");
  ASSERT_TRUE(m_client.LangPackGetFile(kUrl, m_session, "ENG/Pack.xml", downloads.Path()));
  EXPECT_EQ(ReadWholeFile(downloads.File("ENG/Pack.xml")), "<pack/>");
  EXPECT_FALSE(m_client.LangPackGetFile(kUrl, m_session, "../vxpp-users.ini", downloads.Path()));
  EXPECT_FALSE(m_client.LangPackGetFile(kUrl, m_session, "ENG/Missing.xml", downloads.Path()));
  // Nothing outside lang/ either through an absolute path, a "..", a
  // directory or a symbolic link; a link that stays inside is followed.
  std::filesystem::create_symlink(Site() + "/vxpp-users.ini", Site() + "/lang/ENG/Users.xml");
  std::filesystem::create_symlink("../../vxpp-users.ini", Site() + "/lang/ENG/Relative.xml");
  std::filesystem::create_directory_symlink(Site(), Site() + "/lang/Site");
  std::filesystem::create_symlink("Pack.xml", Site() + "/lang/ENG/Alias.xml");
  std::filesystem::create_directories(downloads.Path() + "/Site");  // so a file served would be kept
  for (const std::string& name : {Site() + "/vxpp-users.ini", std::string("\\vxpp-users.ini"),
                                  std::string("ENG\\..\\..\\vxpp-users.ini"), std::string("ENG/./Pack.xml"),
                                  std::string("ENG/Users.xml"), std::string("ENG/Relative.xml"),
                                  std::string("Site/vxpp-users.ini"), std::string("ENG")})
    EXPECT_FALSE(m_client.LangPackGetFile(kUrl, m_session, name, downloads.Path())) << name;
  // Each refused by the server as a missing file, not only by the client.
  const auto lines = LogLines();
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return l.find(" LANGPACKGETFILE 404 ") != std::string::npos; }),
            10);
  ASSERT_TRUE(m_client.LangPackGetFile(kUrl, m_session, "ENG/Alias.xml", downloads.Path()));
  EXPECT_EQ(ReadWholeFile(downloads.File("ENG/Alias.xml")), "<pack/>");

  // Without recording files, every camera recorded all of each day that has
  // a daily database.
  for (const char* day : {"/20240304", "/20240305"}) std::filesystem::remove_all(Site() + day);
  std::vector<std::string> days;
  ASSERT_TRUE(m_client.GetDayLogs(kUrl, m_session, days));
  EXPECT_EQ(days, (std::vector<std::string>{"2024/03/04", "2024/03/05"}));
  std::string body;
  ASSERT_TRUE(m_client.GetDayLogs2(kUrl, m_session, body));
  EXPECT_EQ(vxpp::ReadStringList(body), days);
  const CDateTime day = CDateTime::FromFields(2024, 3, 5, 14);
  ASSERT_TRUE(m_client.GetRecLog(kUrl, m_session, day, {0, 17, 99}, 0, body));
  const auto spans = vxpp::DecodeRecordingSpans(body);
  ASSERT_EQ(spans.size(), 2u);
  EXPECT_EQ(spans[1].channel, 17);
  EXPECT_EQ(spans[1].end, CDateTime::FromFields(2024, 3, 5, 23, 59, 59));
  ASSERT_TRUE(m_client.GetRecLog2(kUrl, m_session, day, body));
  EXPECT_EQ(vxpp::DecodeRecordingSpans(body).size(), 18u);
  ASSERT_TRUE(m_client.GetRecLog2(kUrl, m_session, CDateTime::FromFields(2024, 3, 6), body));
  EXPECT_TRUE(vxpp::DecodeRecordingSpans(body).empty());
  int count = -1;
  ASSERT_TRUE(m_client.HasVideo(kUrl, m_session, CDateTime::Null(), CDateTime::Null(), 0, 0, count));
  EXPECT_EQ(count, 2);
  ASSERT_TRUE(m_client.HasVideo(kUrl, m_session, day, CDateTime::Null(), 3, 0, count));
  EXPECT_EQ(count, 1);
  ASSERT_TRUE(m_client.HasVideo(kUrl, m_session, CDateTime::Null(), CDateTime::Null(), 18, 0, count));
  EXPECT_EQ(count, 0);
  int result = -1;
  CDateTime start, end;
  ASSERT_TRUE(m_client.GetVideoSpan(kUrl, m_session, 5, 0, result, start, end));
  EXPECT_EQ(result, 1);
  EXPECT_EQ(start, CDateTime::FromFields(2024, 3, 4));
  ASSERT_TRUE(m_client.GetVideoSpan(kUrl, m_session, 18, 0, result, start, end));
  EXPECT_EQ(result, 0);

  // A session that ended answers nothing.
  ASSERT_TRUE(m_client.UserLogout(kUrl, m_session));
  EXPECT_FALSE(m_client.QueryPosSetting(kUrl, m_session, settings));
  EXPECT_FALSE(m_client.HasVideo(kUrl, m_session, CDateTime::Null(), CDateTime::Null(), 0, 0, count));
}

TEST_F(ServerCommandsTest, BookmarksAreKeptAcrossRestarts) {
  vxpp::Bookmark mark{7, 2, CDateTime::FromFields(2024, 3, 5, 10), "Door", "left open"};
  EXPECT_TRUE(m_client.AddBookmark(kUrl, m_session, vxpp::EncodeBookmark(mark)));
  EXPECT_FALSE(m_client.AddBookmark(kUrl, m_session, vxpp::EncodeBookmark(mark)));  // the id is taken
  EXPECT_FALSE(m_client.AddBookmark(kUrl, m_session, "Name: no id\r\n\r\n"));
  mark.description = "closed later";
  EXPECT_TRUE(m_client.ModifyBookmark(kUrl, m_session, vxpp::EncodeBookmark(mark)));
  EXPECT_TRUE(m_client.AddBookmark(kUrl, m_session, vxpp::EncodeBookmark({3, 0, CDateTime::Null(), "Gate", ""})));
  StopServer();
  StartServerOn(Site());
  ASSERT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
  std::string list;
  ASSERT_TRUE(m_client.QueryBookmark(kUrl, m_session, list));
  auto marks = vxpp::DecodeBookmarkList(list);
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_EQ(marks[0].id, 3u);
  EXPECT_EQ(marks[1].description, "closed later");
  EXPECT_EQ(marks[1].time, mark.time);
  EXPECT_TRUE(m_client.DeleteBookmark(kUrl, m_session, "Bookmark-ID: 3\r\n\r\n"));
  EXPECT_FALSE(m_client.DeleteBookmark(kUrl, m_session, "Bookmark-ID: 3\r\n\r\n"));
  EXPECT_FALSE(m_client.ModifyBookmark(kUrl, m_session, "Bookmark-ID: 3\r\n\r\n"));
  ASSERT_TRUE(m_client.QueryBookmark(kUrl, m_session, list));
  EXPECT_EQ(vxpp::DecodeBookmarkList(list).size(), 1u);
}

TEST_F(ServerCommandsTest, PosAndMetadataRecordSearches) {
  std::vector<PosRecordEntry> records;
  bool tooMuch = true;
  ASSERT_EQ(m_client.PosRecord(kUrl, m_session, "TOTAL", 0, {2}, CDateTime::Null(), CDateTime::Null(), records,
                               tooMuch),
            vxpp::kResultSuccess);
  ASSERT_FALSE(records.empty());
  EXPECT_FALSE(tooMuch);
  for (const auto& r : records) {
    EXPECT_EQ(r.posId, 2u);
    EXPECT_NE(r.description.find("TOTAL"), std::string::npos);
    EXPECT_EQ(r.cameraIds, "1:12");
  }
  std::vector<MetadataRecordEntry> metadata;
  ASSERT_EQ(m_client.MetadataRecord(kUrl, m_session, "TOTAL", 0, {2}, CDateTime::Null(), CDateTime::Null(), metadata),
            vxpp::kResultSuccess);
  ASSERT_EQ(metadata.size(), records.size());
  EXPECT_EQ(metadata.back().description, records.back().description);
  EXPECT_EQ(metadata.back().time, records.back().time);
  // A regular expression, and one that is not.
  std::vector<PosRecordEntry> drawers;
  ASSERT_EQ(m_client.PosRecord(kUrl, m_session, "^Register [12] +Cash drawer", 1, {}, CDateTime::Null(),
                               CDateTime::Null(), drawers, tooMuch),
            vxpp::kResultSuccess);
  EXPECT_FALSE(drawers.empty());
  EXPECT_EQ(m_client.PosRecord(kUrl, m_session, "(", 1, {}, CDateTime::Null(), CDateTime::Null(), drawers, tooMuch),
            vxpp::kResultServerError);

  // A key word of the documented 1024 bytes is a pattern; one byte more is refused.
  int result = 0;
  EXPECT_TRUE(PosDescriptions(std::string(1024, 'q'), 1, &result).empty());
  EXPECT_EQ(result, vxpp::kResultSuccess);
  PosDescriptions(std::string(1025, 'q'), 1, &result);
  EXPECT_EQ(result, vxpp::kResultServerError);
}

// What an attacker sends: patterns that overflowed the stack of std::regex's
// compiler or backtracked exponentially.  They are refused or matched in
// linear time, giving what a plain search gives, and the server goes on.
TEST_F(ServerCommandsTest, PosRecordPatternsCannotCrashOrPinTheServer) {
  // Two long descriptions (no "b", and ending in one) among the demo's.
  const std::string as(5000, 'a');
  AddPosDescriptions({as, as + "b"});

  // 20,000 nested groups (40 KB, within the header bound): refused, and the
  // next request is served.
  const std::string nested = std::string(20000, '(') + std::string(20000, ')');
  int result = 0;
  EXPECT_TRUE(PosDescriptions(nested, 1, &result).empty());
  EXPECT_EQ(result, vxpp::kResultServerError);
  std::vector<MetadataRecordEntry> metadata;
  EXPECT_NE(m_client.MetadataRecord(kUrl, m_session, nested, 1, {}, CDateTime::Null(), CDateTime::Null(), metadata),
            vxpp::kResultSuccess);
  EXPECT_TRUE(metadata.empty());
  // RE2 syntax: no backreferences, no lookaround.
  for (const char* perlOnly : {"(a)\\1", "a(?=b)", "a(?!b)"}) {
    PosDescriptions(perlOnly, 1, &result);
    EXPECT_EQ(result, vxpp::kResultServerError) << perlOnly;
  }
  bool alive = false;
  ASSERT_TRUE(m_client.QueryIfAlive(kUrl, m_session, alive));
  EXPECT_TRUE(alive);

  // Catastrophic for a backtracking matcher, quick here: each finds what the
  // plain search for its last part finds ("." does not cross a line break,
  // and the groups may match nothing).
  for (const auto& [pattern, plain] : {std::pair{"(.*)*X", "X"}, {"(.*)*Cash drawer", "Cash drawer"},
                                       {"(a*)*b", "b"}, {"(a|aa)*c", "c"}}) {
    double seconds = 0;
    const std::vector<std::string> found = PosDescriptions(pattern, 1, &result, &seconds);
    EXPECT_EQ(result, vxpp::kResultSuccess) << pattern;
    EXPECT_LT(seconds, 2.0) << pattern;
    EXPECT_EQ(found, PosDescriptions(plain, 0, &result)) << pattern;
  }
  const std::vector<std::string> withB = PosDescriptions("(a*)*b", 1, &result);
  EXPECT_EQ(std::count(withB.begin(), withB.end(), as + "b"), 1);
  EXPECT_EQ(std::count(withB.begin(), withB.end(), as), 0);
}

// Linear time can still be long: a counted repetition over long runs of
// letters leaves RE2 ~20 ms per KB, ~20 s for this 1 MB.  The search stops
// at its matching time budget and says it is incomplete; a quick pattern
// under the same budget finds everything.
TEST_F(ServerCommandsTest, PosRecordPatternMatchingStopsAtItsTimeBudget) {
  AddPosDescriptions(std::vector<std::string>(400, std::string(2500, 'a')));
  StopServer();
  StartServerOn(Site(), [](vxpp_server::ServerSettings& s) { s.maxPatternMatchTime = std::chrono::milliseconds(300); });
  ASSERT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
  std::vector<PosRecordEntry> records;
  bool tooMuch = false;
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(m_client.PosRecord(kUrl, m_session, "[a-z]{1000}X", 1, {}, CDateTime::Null(), CDateTime::Null(), records,
                               tooMuch),
            vxpp::kResultSuccess);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_TRUE(tooMuch);
  EXPECT_TRUE(records.empty());
  int result = 0;
  const std::vector<std::string> drawers = PosDescriptions("Cash drawer opened$", 1, &result);
  EXPECT_FALSE(drawers.empty());
  EXPECT_EQ(drawers, PosDescriptions("Cash drawer opened", 0, &result));
}

}  // namespace
