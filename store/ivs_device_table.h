// IVSDeviceTable: the analytics devices of the installation, by analytics
// server name and device id, as the counting and IVS pages offer them.
// Locally read from "db/filter/IVS.xml"; in remote mode one server entry,
// kRemoteIvsServer, holds the devices the recording server lists.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct IVSDeviceInfo {
  uint32_t DeviceID = 0;  // the analytics device id that records carry
  std::string DeviceName;
  uint32_t CameraID = 0;  // the camera the device watches
  int32_t Index = 0;      // selectors show it plus one
};

using IVSDeviceTable = std::map<std::string, std::map<uint32_t, IVSDeviceInfo>>;

constexpr const char* kIvsFilterFile = "db/filter/IVS.xml";
constexpr const char* kRemoteIvsServer = "Remote IVS";

// Every child of the root is one server with "ServerName" and "Devices";
// every child of "Devices" one device with "DeviceID", "DeviceName",
// "CameraID" and "Index" (numbers decimal, names converted from UTF-8).  A
// device id repeated under one server keeps its first entry.  A file that
// does not load, has no root, or has a server or device with a value
// missing gives an empty table.  Safe from any thread.
IVSDeviceTable ReadIVSDeviceTable(const std::string& installFolder);

// The table of a remote server from the three lists of its analytics
// device answer: analytics device ids, names and the ids of the watched
// cameras, in parallel; Index counts the devices in the order received.
IVSDeviceTable RemoteIVSDeviceTable(const std::vector<uint32_t>& ivsDeviceIds,
                                    const std::vector<std::string>& deviceNames,
                                    const std::vector<uint32_t>& cameraIds);
