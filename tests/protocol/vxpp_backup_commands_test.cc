// The backup commands of the client against scripted servers: the requests
// byte for byte, and what a backup leaves behind when the server stalls,
// the disk fills, the list is hostile or the copy is aborted.
#include <gtest/gtest.h>

#include <thread>

#include "platform/fault_injection_env.h"
#include "platform/mem_env.h"
#include "protocol/loopback_peer.h"
#include "protocol/scripted_socket_api.h"
#include "protocol/vxpp_client.h"

namespace {

using End = ScriptedSocketApi::End;

const std::string kUrl = "vxpp://server/";

std::string ListAnswer(const std::string& list) {
  return "VXPP/2.0 200 OK\r\nContent-Length: " + std::to_string(list.size()) + "\r\n\r\n" + list;
}
std::string FileAnswer(const std::string& bytes) {
  return "VXPP/2.0 200 OK\r\nContent-Length: " + std::to_string(bytes.size()) + "\r\n\r\n" + bytes;
}

class BackupCommandsTest : public ::testing::Test {
 protected:
  BackupCommandsTest() {
    m_api.SetMaxPiece(4096);
    m_client.SetBackupEnv(&m_disk);
  }
  const std::string& Sent(size_t connection) { return m_api.PeerAt(connection).received; }
  bool Init(const std::string& list) {
    m_api.AddAnswer(ListAnswer(list));
    return m_client.BackupInit(kUrl, 7, BackupSelection{});
  }
  // Files below /copy, the temporary folder's included.
  std::vector<std::string> CopyFiles() {
    std::vector<std::string> found;
    std::vector<std::string> folders{"/copy"};
    while (!folders.empty()) {
      const std::string folder = folders.back();
      folders.pop_back();
      std::vector<platform::FolderEntry> entries;
      m_memory.ListFolder(folder, &entries);
      for (const auto& e : entries) (e.isDirectory ? folders : found).push_back(folder + "/" + e.name);
    }
    return found;
  }

  ScriptedSocketApi m_api{5};
  platform::MemEnv m_memory;
  platform::FaultInjectionEnv m_disk{&m_memory};
  CVXPPClient m_client{&m_api};
};

TEST_F(BackupCommandsTest, RequestsAreSentByteForByte) {
  BackupSelection s;
  s.cameras.set(0).set(2).set(63).set(64);
  s.camerasList = "64";
  s.start = CDateTime::FromFields(2024, 1, 31, 8);
  s.includeSystemLog = 0;
  s.selectedRecordIndex = 2;
  s.failoverLoginServer = "localhost";
  s.onGuardServicePort = 5180;
  m_client.SelectedTimeSequences().inUse[5] = 1;
  m_client.SelectedTimeSequences().start[5] = 3600;
  m_client.SelectedTimeSequences().end[5] = 7200;
  const std::string common =
      "CSeq: %d\r\nUser-Session-No: 7\r\nInclude-Exe-Files: NO\r\nSelected-Cameras: 9223372036854775813\r\n"
      "Selected-Cameras-List: 64\r\nStart-Date-Time: 2024/01/31;08:00:00\r\nEnd-Date-Time: null\r\n"
      "Include-EventLog: 1\r\nInclude-CounterLog: 1\r\nInclude-SystemLog: 0\r\nInclude-PosRecord: 1\r\n"
      "Include-IVSCounterLog: 1\r\nInclude-IVSEventLog: 1\r\nInclude-IVSDisplayRecord: 1\r\nSupportMetadata: 1\r\n";
  const std::string seq = "Select-Time-Seq_5: 3600-7200\r\n";
  auto with = [](std::string text, int cseq) { return text.replace(text.find("%d"), 2, std::to_string(cseq)); };
  const std::string list = "video 3 20240131/Cam01/Video/080000.264\r\n";
  m_api.AddAnswer(ListAnswer(list));
  m_api.AddAnswer(ListAnswer(list));
  m_api.AddAnswer(FileAnswer("abc"));
  m_api.AddAnswer("VXPP/2.0 200 OK\r\n\r\n");
  m_api.AddAnswer("VXPP/2.0 200 OK\r\nQueryFileRecordSize: 5000000000\r\n\r\n");
  m_api.AddAnswer("VXPP/2.0 200 OK\r\nQueryFileRecordSize: 9\r\nFile-Record-Size-Count: 2\r\n"
                  "File-Record-Size_0: 4\r\nFile-Record-Size_1: 5\r\n\r\n");
  m_api.AddAnswer("VXPP/2.0 403 Forbidden\r\n\r\n");

  ASSERT_TRUE(m_client.BackupInit(kUrl, 7, s));
  EXPECT_EQ(Sent(0), "BACKUPINIT vxpp://server/ VXPP/2.0\r\n" + with(common, 0) +
                         "Is-Auto-Backup: 0\r\nFirst-Backup-In-Auto-Backup: 0\r\nSelected-Record-Index: 2\r\n"
                         "Failover-Login-Server: 127.0.0.1\r\nOn-Guard-Service-Port: 5180\r\n" + seq + "\r\n");
  EXPECT_EQ(m_client.ReferenceTime(), s.start);
  ASSERT_TRUE(m_client.BackupInit2(kUrl, 7, s));
  EXPECT_EQ(Sent(1), "BACKUPINIT2 vxpp://server/ VXPP/2.0\r\n" + with(common, 1) +
                         "Selected-Record-Index: 2\r\nFailover-Login-Server: 127.0.0.1\r\nOn-Guard-Service-Port: 5180\r\n" +
                         seq + "\r\n");
  ASSERT_EQ(m_client.BackupFiles(), (std::vector<vxpp::BackupFile>{{vxpp::BackupFileKind::kVideo, 3,
                                                                     "20240131/Cam01/Video/080000.264"}}));
  ASSERT_TRUE(m_client.BackupBegin(kUrl, 7, "/copy"));
  EXPECT_EQ(Sent(2), "BACKUPBEGIN vxpp://server/ VXPP/2.0\r\nCSeq: 2\r\nUser-Session-No: 7\r\nPrivacy-Mask: 1\r\n"
                     "File-Fullpath: 20240131/Cam01/Video/080000.264\r\n\r\n");
  EXPECT_TRUE(m_client.BackupUninit(kUrl, 7));
  EXPECT_EQ(Sent(3), "BACKUPUNINIT vxpp://server/ VXPP/2.0\r\nCSeq: 3\r\nUser-Session-No: 7\r\n\r\n");
  uint64_t total = 0;
  ASSERT_TRUE(m_client.QueryRecSize(kUrl, 7, s, total));
  EXPECT_EQ(total, 5000000000u);
  EXPECT_EQ(Sent(4), "QUERYRECSIZE vxpp://server/ VXPP/2.0\r\nCSeq: 4\r\nUser-Session-No: 7\r\n"
                     "Selected-Cameras: 9223372036854775813\r\nSelected-Cameras-List: 64\r\nInclude-Exe: 0\r\n"
                     "Start-Date-Time: 2024/01/31;08:00:00\r\nEnd-Date-Time: null\r\nSelected-Record-Index: 2\r\n" +
                         seq + "\r\n");
  std::vector<uint64_t> sizes;
  ASSERT_TRUE(m_client.QueryRecSizeSeparate(kUrl, 7, s, total, sizes));
  EXPECT_EQ(total, 9u);
  EXPECT_EQ(sizes, (std::vector<uint64_t>{4, 5}));
  EXPECT_EQ(Sent(5), "QUERYRECSIZE vxpp://server/ VXPP/2.0\r\nCSeq: 5\r\nUser-Session-No: 7\r\n"
                     "Selected-Cameras-List: 64\r\nInclude-Exe: 0\r\nStart-Date-Time: 2024/01/31;08:00:00\r\n"
                     "End-Date-Time: null\r\nSelected-Record-Index: 2\r\nGet-Separate-File-Size: 1\r\n" +
                         seq + "\r\n");
  EXPECT_FALSE(m_client.DeleteFileRecord(kUrl, 7, s));
  EXPECT_EQ(Sent(6), "DELETEFILERECORD vxpp://server/ VXPP/2.0\r\nCSeq: 6\r\nUser-Session-No: 7\r\n"
                     "Selected-Cameras: 9223372036854775813\r\nSelected-Cameras-List: 64\r\n"
                     "Start-Date-Time: 2024/01/31;08:00:00\r\nEnd-Date-Time: null\r\n" + seq + "\r\n");
  std::string copied;
  EXPECT_TRUE(m_memory.ReadFile("/copy/20240131/Cam01/Video/080000.264", &copied));
  EXPECT_EQ(copied, "abc");
  EXPECT_EQ(CopyFiles().size(), 1u) << "the temporary folder is gone";
}

TEST_F(BackupCommandsTest, HostileListsAreRefused) {
  m_api.AddAnswer("VXPP/2.0 200 OK\r\nContent-Length: 0\r\n\r\n");
  EXPECT_FALSE(m_client.BackupInit(kUrl, 7, BackupSelection{}));
  EXPECT_EQ(m_client.BackupError(), "VXPPBackupInit iLength = 0");
  for (const char* path : {"../escape.db", "/etc/passwd", "db/./x", "db\\x", "a//b", "db/EventLog/"}) {
    EXPECT_FALSE(Init(std::string("file 1 ") + path + "\r\n")) << path;
    EXPECT_TRUE(m_client.BackupFiles().empty());
  }
  EXPECT_FALSE(Init("video -1 a.264\r\n"));
  EXPECT_FALSE(Init("program 1 a.exe\r\n"));
  EXPECT_FALSE(m_client.BackupBegin(kUrl, 7, "/copy")) << "no list, nothing to copy";
}

TEST_F(BackupCommandsTest, StalledServerAndFullDiskLeaveNoCopy) {
  vxpp::TransferLimits limits;
  limits.stallWindowMs = 2000;
  m_client.SetTransferLimits(limits);
  const std::string list = "file 4 a/one.ini\r\nvideo 8 20240131/Cam01/Video/080000.264\r\n";
  ASSERT_TRUE(Init(list));
  m_api.AddAnswer(FileAnswer("1234"));
  m_api.AddPeer().Then("VXPP/2.0 200 OK\r\nContent-Length: 8\r\n\r\nhalf").end = End::kStall;
  const uint64_t before = m_api.ElapsedMs();
  EXPECT_FALSE(m_client.BackupBegin(kUrl, 7, "/copy"));
  EXPECT_LE(m_api.ElapsedMs() - before, uint64_t{2 * 60000 + 5000});
  EXPECT_NE(m_client.BackupError().find("20240131/Cam01/Video/080000.264: "), std::string::npos);
  EXPECT_TRUE(CopyFiles().empty()) << "the first file, complete, went with the failed copy";

  ASSERT_TRUE(Init(list));
  m_api.AddAnswer(FileAnswer("1234"));
  m_api.AddAnswer(FileAnswer("12345678"));
  m_disk.SetSpaceLeft(10);
  EXPECT_FALSE(m_client.BackupBegin(kUrl, 7, "/copy"));
  EXPECT_NE(m_client.BackupError().find("No space left on device"), std::string::npos) << m_client.BackupError();
  EXPECT_TRUE(CopyFiles().empty());
}

TEST(BackupAbortTest, AbortMidFileLeavesNothingUnderAFinalName) {
  LoopbackPeer lister, sender;
  lister.Serve([](int fd) {
    LoopbackPeer::ReadHeaders(fd);
    LoopbackPeer::Write(fd, ListAnswer("video 1000000 20240131/Cam01/Video/080000.264\r\n"));
  });
  sender.Serve([](int fd) {
    LoopbackPeer::ReadHeaders(fd);
    LoopbackPeer::Write(fd, "VXPP/2.0 200 OK\r\nContent-Length: 1000000\r\n\r\n" + std::string(600000, 'v'));
    char c;
    ::recv(fd, &c, 1, 0);  // until the client goes
  });
  platform::MemEnv disk;
  CVXPPClient client;
  client.SetBackupEnv(&disk);
  client.SetPort(lister.Port());
  ASSERT_TRUE(client.BackupInit("vxpp://127.0.0.1/", 7, BackupSelection{}));
  client.SetPort(sender.Port());
  std::thread aborter;
  client.SetBackupProgress([&](const CVXPPClient::BackupProgress& p) {
    if (p.bytesDone > 0 && !aborter.joinable()) aborter = std::thread([&client] { client.Abort(); });
  });
  EXPECT_FALSE(client.BackupBegin("vxpp://127.0.0.1/", 7, "/copy"));
  ASSERT_TRUE(aborter.joinable()) << "no byte arrived";
  aborter.join();
  EXPECT_NE(client.BackupError().find("aborted"), std::string::npos) << client.BackupError();
  EXPECT_FALSE(disk.FileExists("/copy/20240131/Cam01/Video/080000.264"));
  std::vector<platform::FolderEntry> entries;
  EXPECT_FALSE(disk.ListFolder("/copy", &entries)) << "the folder the backup made went with it";
}

}  // namespace
