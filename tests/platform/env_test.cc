#include <gtest/gtest.h>

#include "platform/fault_injection_env.h"
#include "platform/mem_env.h"

namespace platform {
namespace {

std::vector<std::string> Names(Env* env, const std::string& folder) {
  std::vector<FolderEntry> entries;
  std::vector<std::string> names;
  if (!env->ListFolder(folder, &entries)) return {"<unlisted>"};
  for (const auto& e : entries) names.push_back(e.name + (e.isDirectory ? "/" : ":" + std::to_string(e.size)));
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

}  // namespace
}  // namespace platform
