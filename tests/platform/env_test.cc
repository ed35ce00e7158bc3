#include <gtest/gtest.h>

#include "platform/fault_injection_env.h"
#include "platform/mem_env.h"
#include "temp_folder.h"

namespace platform {
namespace {

std::vector<std::string> Names(Env* env, const std::string& folder) {
  std::vector<FolderEntry> entries;
  std::vector<std::string> names;
  if (!env->ListFolder(folder, &entries)) return {"<unlisted>"};
  for (const auto& e : entries) names.push_back(e.isDirectory ? e.name + "/" : e.name + ":" + std::to_string(e.size));
  return names;
}

TEST(MemEnvTest, FilesAndFolders) {
  MemEnv env;
  ASSERT_TRUE(env.WriteFileAtomic("/db/EventLog/20240101.db", "abc"));
  ASSERT_TRUE(env.WriteFileAtomic("/db/EventLog/empty.db", ""));
  env.CreateFolder("/db/SystemLog/");
  EXPECT_EQ(Names(&env, "/db"), (std::vector<std::string>{"EventLog/", "SystemLog/"}));
  EXPECT_EQ(Names(&env, "/db/EventLog/"), (std::vector<std::string>{"20240101.db:3", "empty.db:0"}));
  EXPECT_EQ(Names(&env, "/db/SystemLog"), std::vector<std::string>{});
  EXPECT_EQ(Names(&env, "/d"), std::vector<std::string>{"<unlisted>"});
  EXPECT_TRUE(env.FileExists("/db"));
  EXPECT_FALSE(env.FileExists("/db/Event"));
  EXPECT_FALSE(env.WriteFileAtomic("/db/EventLog", "a folder"));

  std::string contents;
  EXPECT_TRUE(env.WriteFileAtomic("/db/EventLog/20240101.db", "new"));
  EXPECT_TRUE(env.ReadFile("/db/EventLog/20240101.db", &contents));
  EXPECT_EQ(contents, "new");
  EXPECT_TRUE(env.DeleteFile("/db/EventLog/empty.db"));
  EXPECT_FALSE(env.DeleteFile("/db/EventLog/empty.db"));
  EXPECT_FALSE(env.ReadFile("/db/EventLog/empty.db", &contents));
}

TEST(FaultInjectionEnvTest, FailsChosenOperationOnly) {
  MemEnv mem;
  FaultInjectionEnv env(&mem);
  ASSERT_TRUE(env.WriteFileAtomic("/f", "old"));
  env.SetFailing(EnvOperation::kWriteFileAtomic, true);
  EXPECT_FALSE(env.WriteFileAtomic("/f", "new"));
  std::string contents;
  EXPECT_TRUE(env.ReadFile("/f", &contents));
  EXPECT_EQ(contents, "old");
  env.SetFailing(EnvOperation::kReadFile, true);
  EXPECT_FALSE(env.ReadFile("/f", &contents));
  EXPECT_EQ(contents, "");
  EXPECT_TRUE(env.FileExists("/f"));
  env.SetFailing(EnvOperation::kWriteFileAtomic, false);
  EXPECT_TRUE(env.WriteFileAtomic("/f", "new"));
  EXPECT_EQ(env.Calls(EnvOperation::kWriteFileAtomic), 3);
  EXPECT_EQ(env.Calls(EnvOperation::kReadFile), 2);
}

// What a writer sees: the bytes that reached the file, and the first failure.
std::string WriteAll(Env* env, const std::string& path, WriteMode mode, const std::vector<std::string>& parts) {
  std::unique_ptr<WritableFile> file;
  std::string error;
  if (!env->NewWritableFile(path, mode, &file, &error)) return "refused: " + error;
  for (const auto& part : parts) {
    if (!file->Append(part)) return "failed: " + file->Error();
  }
  return file->Close() ? "ok" : "failed: " + file->Error();
}

TEST(WritableFileTest, TruncateAppendAndFaults) {
  MemEnv mem;
  FaultInjectionEnv env(&mem);
  std::string contents;
  EXPECT_EQ(WriteAll(&env, "/out/a.txt", WriteMode::kAppend, {"ab", "c"}), "ok");
  EXPECT_EQ(WriteAll(&env, "/out/a.txt", WriteMode::kAppend, {"d"}), "ok");
  ASSERT_TRUE(env.ReadFile("/out/a.txt", &contents));
  EXPECT_EQ(contents, "abcd");
  EXPECT_EQ(WriteAll(&env, "/out/a.txt", WriteMode::kTruncate, {"e"}), "ok");
  ASSERT_TRUE(env.ReadFile("/out/a.txt", &contents));
  EXPECT_EQ(contents, "e");
  EXPECT_EQ(WriteAll(&env, "/out", WriteMode::kTruncate, {}), "refused: /out: Is a directory");

  // A full disk takes what fits, then refuses every later write.
  env.SetSpaceLeft(3);
  EXPECT_EQ(WriteAll(&env, "/out/b.txt", WriteMode::kTruncate, {"12", "34", "5"}),
            "failed: /out/b.txt: No space left on device");
  ASSERT_TRUE(env.ReadFile("/out/b.txt", &contents));
  EXPECT_EQ(contents, "123");
  EXPECT_FALSE(env.WriteFileAtomic("/out/c.txt", "x"));
  env.SetSpaceLeft(std::nullopt);

  // A read-only folder refuses new files, not the ones already there.
  env.SetReadOnlyFolder("/out/");
  EXPECT_EQ(WriteAll(&env, "/out/new.txt", WriteMode::kAppend, {"x"}), "refused: /out/new.txt: Permission denied");
  EXPECT_FALSE(env.FileExists("/out/new.txt"));
  EXPECT_EQ(WriteAll(&env, "/out/a.txt", WriteMode::kAppend, {"f"}), "ok");
  EXPECT_EQ(WriteAll(&env, "/elsewhere/a.txt", WriteMode::kAppend, {"f"}), "ok");
}

TEST(WritableFileTest, PosixFilesReportTheSystemsReason) {
  TempFolder folder;
  Env* env = Env::Default();
  const std::string path = folder.File("a.txt");
  EXPECT_EQ(WriteAll(env, path, WriteMode::kAppend, {"a", std::string(100000, 'b')}), "ok");
  EXPECT_EQ(WriteAll(env, path, WriteMode::kAppend, {"c"}), "ok");
  std::string contents;
  ASSERT_TRUE(env->ReadFile(path, &contents));
  EXPECT_EQ(contents.size(), 100002u);
  EXPECT_EQ(contents.back(), 'c');
  EXPECT_EQ(WriteAll(env, folder.File("no/a.txt"), WriteMode::kTruncate, {}),
            "refused: " + folder.File("no/a.txt") + ": No such file or directory");
  // The device that is always full.
  if (env->FileExists("/dev/full")) {
    EXPECT_EQ(WriteAll(env, "/dev/full", WriteMode::kAppend, {"x"}), "failed: /dev/full: No space left on device");
  }
}

}  // namespace
}  // namespace platform
