#include "tools/logview-demo/demo_world.h"

#include <cstdio>

namespace {

DemoWorld MakeWorld() {
  DemoWorld w;
  // Ch01..Ch16 are the recorder's own channels; IP01/IP02 were added later as
  // network cameras with ids of their own range.
  const char* const names[] = {"Front Entrance",  "Lobby",          "Reception",     "Parking North",
                               "Parking South",   "Loading Dock",   "Warehouse Aisle 1",
                               "Warehouse Aisle 2", "Server Room",  "Stairwell East", "Stairwell West",
                               "Cash Desk 1",     "Cash Desk 2",    "Back Office",   "Side Gate",
                               "Roof Access"};
  for (int i = 0; i < 16; ++i) {
    char key[8];
    std::snprintf(key, sizeof key, "Ch%02d", i + 1);
    const bool edge = i == 3 || i == 4 || i == 14;
    const bool counts = i == 0 || i == 1 || i == 14;
    w.cameras.push_back({key, names[i], static_cast<uint32_t>(i + 1),
                         "192.168.1." + std::to_string(101 + i), edge, counts});
  }
  w.cameras.push_back({"IP01", "Perimeter Fence", 101, "192.168.2.11", true, false});
  w.cameras.push_back({"IP02", "Caf\xC3\xA9 Terrace", 102, "192.168.2.12", true, true});
  w.removedCameraIds = {17, 18};

  w.edgeEvents = {
      {30000, "EdgeMotionZone", "Edge Motion (Individual Zone)", "Motion in one detection zone of the camera"},
      {30001, "EdgeTampering", "Edge Tampering", "Camera view blocked, moved or defocused"},
      {30002, "EdgeTripwire", "Edge Tripwire", "Object crossed a virtual line"},
      {30003, "EdgePerimeter", "Edge Perimeter", "Object entered a protected area"},
      {30004, "EdgeAbandonedRemoved", "Abandoned/Removed Object", "Object left behind or taken away"},
      {30005, "EdgeRecordIssue", "Record Issue", "Recording on the camera's own storage failed"},
  };
  w.unsupportedEdgeEventTypes = {30017, 30042};

  w.ivsServers = {
      {"IVS Server 1", "192.168.1.50", 5170,
       {{1, 1, "Entrance Analytics", {{1, "Entrance In", 1}, {2, "Entrance Out", 1, true}, {3, "Occupancy", 0}}},
        {2, 4, "Parking North Analytics", {{1, "Free Spaces", 2}, {2, "Cars In", 1}}},
        {3, 6, "Loading Dock Analytics", {}}}},
      {"IVS Server 2", "192.168.1.51", 5170,
       {{4, 101, "Fence Analytics", {}}, {5, 16, "Roof Analytics", {}}}},
  };
  w.removedIvsDeviceId = 9;

  w.combinedCounters = {{1, "Building Total"}, {2, "Shop Floor"}, {3, "Entr\xC3\xA9" "e Nord"}};
  w.removedCombinedCounterId = 7;

  // Register 1 watches Cash Desk 1 and the Lobby, Register 2 Cash Desk 2; the
  // self checkout is tied to no camera.
  w.posSources = {{1, "Register 1", "1:11, 1:1"}, {2, "Register 2", "1:12"}, {3, "Self Checkout", ""}};

  w.users = {"admin", "operator", "chief", "guard01"};
  w.configurationTexts = {"Modify Camera Settings",  "Modify Recording Settings", "Modify Event Action Settings",
                          "Modify Network Settings", "Modify Storage Settings",   "Modify User Accounts"};
  return w;
}

}  // namespace

std::vector<const DemoIvsDevice*> DemoWorld::IvsDevices() const {
  std::vector<const DemoIvsDevice*> devices;
  for (const DemoIvsServer& server : ivsServers)
    for (const DemoIvsDevice& device : server.devices) devices.push_back(&device);
  return devices;
}

const DemoWorld& TheDemoWorld() {
  static const DemoWorld world = MakeWorld();
  return world;
}
