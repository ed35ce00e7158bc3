// DemoWorld: the site that the demo installation describes — its cameras,
// analytics servers, counters, point-of-sale registers, users and the edge
// events its cameras support.  Every file of the installation is written from
// this one description, so the registry, the filter files and the log records
// agree with each other (and disagree on purpose where a site's logs outlive
// its configuration: removed cameras, devices and counters).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DemoCamera {
  std::string key;   // registry sub-key under "Video": "Ch01" ... "IP02"
  std::string name;  // UTF-8
  uint32_t deviceId;
  std::string address;
  bool recordsOnEdge;  // raises edge events and has edge-storage retrieval
  bool counts;         // has basic people counting
};

struct DemoEdgeEvent {
  int eventType;  // 30000 and up
  std::string key, name, description;
};

struct DemoIvsCounter {
  uint32_t counterId;
  std::string name;
  int counterType;  // 1 counts up, 2 counts down, other: plain reading
  bool countsDepartures = false;  // an up-counter of people leaving
};

struct DemoIvsDevice {
  uint32_t ivsDeviceId;  // the analytics device identifier of the records
  uint32_t cameraId;     // the camera the device watches
  std::string name;
  std::vector<DemoIvsCounter> counters;
};

struct DemoIvsServer {
  std::string name, address;
  int port;
  std::vector<DemoIvsDevice> devices;
};

struct DemoCombinedCounter {
  uint32_t counterId;
  std::string name;  // UTF-8
};

struct DemoPosSource {
  uint32_t posId;
  std::string name;
  std::string cameraIdText;  // "1:11, 1:12": pairs whose second part is a camera index
};

struct DemoWorld {
  std::vector<DemoCamera> cameras;  // in the order the registry lists them
  std::vector<uint32_t> removedCameraIds;
  std::vector<DemoEdgeEvent> edgeEvents;       // the supported list of the devices
  std::vector<int> unsupportedEdgeEventTypes;  // raised, but in no supported list
  std::vector<DemoIvsServer> ivsServers;
  uint32_t removedIvsDeviceId;
  std::vector<DemoCombinedCounter> combinedCounters;
  uint32_t removedCombinedCounterId;
  std::vector<DemoPosSource> posSources;
  std::vector<std::string> users;
  // Texts of "Modify Configuration" records: English phrases that the
  // language packs carry as keys.
  std::vector<std::string> configurationTexts;

  // All analytics devices of all servers, in server order.
  std::vector<const DemoIvsDevice*> IvsDevices() const;
};

// The one site; made on first use, never changed.
const DemoWorld& TheDemoWorld();
