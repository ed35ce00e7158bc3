// The analytics (IVS) servers of the installation and their devices, as the
// IVS event page offers them: each server in order with its devices in
// order, each device with the identifier its events carry and its name.
//
// The recording server keeps them in the machine's registry, under
// SOFTWARE\<vendor key>\Vantor\IVS: "IVSCount" servers in sub-keys
// "IVS0000" ..., each with "DeviceCount" devices in sub-keys "Device0000"
// ... holding "IVSDeviceID" and "Name".  A backup copy of the logs carries
// them in "IVSConfigForBackup.ini" instead: section "IVSConfigForBackup"
// key "IVSCount", sections "IVS0000" ... key "DeviceCount", sections
// "IVS0000Device0000" ... keys "IVSDeviceID" and "Name".  A server or device
// that is missing or lacks its identifier is skipped; counts larger than
// what is there are walked only as far as the keys or sections go.  The
// readers never fail: a missing source gives no servers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {
class Registry;
}

struct IVSConfigDevice {
  uint32_t ivsDeviceId = 0;
  std::string name;
  friend bool operator==(const IVSConfigDevice&, const IVSConfigDevice&) = default;
};

// Servers in order, each its devices in order.
using IVSConfiguration = std::vector<std::vector<IVSConfigDevice>>;

constexpr const char* kIVSConfigForBackupFile = "IVSConfigForBackup.ini";

IVSConfiguration ReadIVSConfiguration(platform::Registry& registry, const std::string& vendorKey);
IVSConfiguration ReadIVSConfigForBackup(const std::string& path);
// The "IVSConfigForBackup.ini" text that ReadIVSConfigForBackup reads back
// as `servers` (CR LF line ends).
std::string IVSConfigForBackupText(const IVSConfiguration& servers);

// The machine registry's configuration, read once per process under a lock
// on first use; every caller gets its own copy, made under the same lock.
IVSConfiguration SharedIVSConfiguration();

// What an installation's pages offer: from "IVSConfigForBackup.ini" in
// `installFolder` for a backup copy of the logs, else the shared copy.
IVSConfiguration InstallationIVSConfiguration(const std::string& installFolder, bool backupCopy);
