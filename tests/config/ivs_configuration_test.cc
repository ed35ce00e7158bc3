#include "config/ivs_configuration.h"

#include <gtest/gtest.h>

#include "platform/registry.h"
#include "temp_folder.h"

namespace {

using Devices = std::vector<IVSConfigDevice>;

TEST(IVSConfigurationTest, RegistryServersAndDevicesInOrder) {
  TempFolder folder;
  const std::string ivs = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ACME\\Vantor\\IVS";
  platform::Registry registry(folder.Write(
      "registry.reg", "REGEDIT4\n\n" + ivs + "]\n\"IVSCount\"=dword:ffffffff\n\n" +    // far more than there are
                          ivs + "\\IVS0000]\n\"Name\"=\"S1\"\n\"DeviceCount\"=dword:00000003\n\n" +
                          ivs + "\\IVS0000\\Device0000]\n\"IVSDeviceID\"=dword:00000007\n\"Name\"=\"Gate\"\n\n" +
                          ivs + "\\IVS0000\\Device0001]\n\"Name\"=\"no id\"\n\n" +
                          ivs + "\\IVS0000\\Device0002]\n\"IVSDeviceID\"=dword:00000002\n\"Name\"=\"Dock\"\n\n" +
                          ivs + "\\IVS0001]\n\"DeviceCount\"=dword:00000001\n\n" +
                          ivs + "\\IVS0001\\Device0000]\n\"IVSDeviceID\"=dword:00000009\n\"Name\"=dword:00000001\n\n"));
  EXPECT_EQ(ReadIVSConfiguration(registry, "ACME"),
            (IVSConfiguration{Devices{{7, "Gate"}, {2, "Dock"}}, Devices{{9, ""}}}));
  EXPECT_TRUE(ReadIVSConfiguration(registry, "OTHER").empty());
}

TEST(IVSConfigurationTest, BackupCopyReadsTheIniFile) {
  TempFolder folder;
  folder.Write(kIVSConfigForBackupFile,
               "[IVSConfigForBackup]\nIVSCount=999999999\n[IVS0000]\nDeviceCount=2\n"
               "[IVS0000Device0000]\nIVSDeviceID=4\nName=Fence\n[IVS0000Device0001]\nName=no id\n"
               "[IVS0001]\nDeviceCount=1\n[IVS0001Device0000]\nIVSDeviceID=5\nName=Roof\n");
  EXPECT_EQ(InstallationIVSConfiguration(folder.Path(), true),
            (IVSConfiguration{Devices{{4, "Fence"}}, Devices{{5, "Roof"}}}));
  EXPECT_TRUE(ReadIVSConfigForBackup(folder.File("missing.ini")).empty());
}

}  // namespace
