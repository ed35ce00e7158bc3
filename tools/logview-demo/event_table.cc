#include "tools/logview-demo/event_table.h"

namespace {

// The kinds of record a day holds, with their share in a thousand.
enum Kind {
  kMotion, kMotionVariant, kForeignObject, kMissingObject, kFocusLost, kOcclusion, kEdgeMotionAnyZone,
  kSignalLost, kDiskFull, kHealth, kResources, kNetwork, kVirtualSize, kLostRecord, kDigitalInput,
  kDigitalInputNoCamera, kEdgeEvent, kUnsupportedEdgeEvent, kCompound, kIvs, kIvsNoCamera,
  kIvsRemovedDevice, kRemovedCamera,
};
const std::vector<int> kWeights = {430, 80, 25, 20, 12, 15, 40, 30, 3, 4, 4, 6,
                                   2,   3,  50, 10, 70, 4,  30, 140, 8, 4, 10};

// Busy places see more events.
const std::vector<int> kCameraWeights = {12, 10, 6, 8, 7, 6, 4, 4, 2, 3, 3, 8, 8, 3, 5, 2, 5, 4};

// Rule types of the analytics devices, weighted: crossing and counting lines
// fire most; "Area Filter", "Others" and the older abandoned-object type are
// rare but do occur.
const std::vector<int> kRuleWeights = {4, 10, 18, 16, 6, 5, 5, 8, 4, 3, 1, 3, 1, 12, 12, 4, 1};
const char* const kRuleTexts[] = {
    "Camera tampering",  "Person present",      "Object entered zone", "Object left zone",
    "Object appeared",   "Object disappeared",  "Vehicle stopped",     "Person dwelling",
    "Wrong direction",   "Speed over limit",    "Object size filter",  "Tailgating at door",
    "Object abandoned",  "Line crossed (A)",    "Line crossed (B)",    "Object removed",
    "Analytics notice"};

// Digital inputs 1-4 are wired next to a camera, 5-8 to none.
const char* const kInputs[] = {"Door Contact", "Panic Button",  "Gate Sensor", "Window Sensor",
                               "Smoke Detector", "Fire Door", "Key Switch",  "Alarm Panel"};
const int kInputCameras[] = {0, 11, 14, 5};
const char* const kCompoundRules[] = {"After-hours entry", "Door forced open", "Loitering at cash desk",
                                      "Gate left open",    "Motion in server room", "Perimeter breach",
                                      "Vehicle in fire lane", "Tailgating"};

struct EventRecord {
  int channelIndex = -1;
  int64_t cameraId = -1;  // system events belong to no camera
  int eventNumber = 0;
  std::string description;
};

class EventMaker {
 public:
  EventMaker(const DemoWorld& world, DemoRandom& random)
      : m_world(world), m_random(random), m_ivsDevices(world.IvsDevices()) {
    for (size_t i = 0; i < world.cameras.size(); ++i)
      if (world.cameras[i].recordsOnEdge) m_edgeCameras.push_back(static_cast<int>(i));
  }

  EventRecord Make(Kind kind) {
    EventRecord e;
    switch (kind) {
      case kMotion:
        OnCamera(e, PickCamera(), 0);
        e.description = Format("Motion detected in zone %d (%d%% of area)", m_random.Between(1, 4),
                               m_random.Between(2, 60));
        break;
      case kMotionVariant: {
        static const char* const texts[] = {"Motion detected by the camera's own detector",
                                            "Motion detected (pre-alarm)", "Motion detected (post-alarm)",
                                            "Motion detected (night profile)"};
        const int variant = m_random.Below(4);
        OnCamera(e, PickCamera(), 5 + variant);
        e.description = texts[variant];
        break;
      }
      case kForeignObject:
        OnCamera(e, PickCamera(), 1);
        e.description = Format("Foreign object in region %d for %d s", m_random.Between(1, 3),
                               m_random.Between(30, 900));
        break;
      case kMissingObject:
        OnCamera(e, PickCamera(), 2);
        e.description = Format("Object missing from region %d for %d s", m_random.Between(1, 3),
                               m_random.Between(10, 600));
        break;
      case kFocusLost:
        OnCamera(e, PickCamera(), 3);
        e.description = Format("Image out of focus (sharpness %d%%)", m_random.Between(5, 40));
        break;
      case kOcclusion:
        OnCamera(e, PickCamera(), 4);
        e.description = Format("Camera view blocked (%d%% of image covered)", m_random.Between(60, 100));
        break;
      case kEdgeMotionAnyZone:
        OnCamera(e, PickEdgeCamera(), 9);
        e.description = "Motion reported by the camera";
        break;
      case kSignalLost: {
        const int camera = PickCamera();
        OnCamera(e, camera, 50);
        e.description = camera >= 16 ? "Connection to " + m_world.cameras[static_cast<size_t>(camera)].address + " lost"
                                     : std::string("Video signal lost");
        break;
      }
      case kDiskFull:
        e.eventNumber = 100;
        e.description = Format("Recording drive %c: is full (%d MB free)", "DEF"[m_random.Below(3)],
                               m_random.Between(120, 900));
        break;
      case kHealth: {
        e.eventNumber = 101;
        const int which = m_random.Below(3);
        e.description = which == 0   ? Format("CPU temperature %d C is above the limit", m_random.Between(82, 95))
                        : which == 1 ? Format("Fan %d stopped", m_random.Between(1, 3))
                                     : std::string("RAID volume 1 degraded");
        break;
      }
      case kResources:
        e.eventNumber = 102;
        e.description = Format("Memory in use %d%%, system resources low", m_random.Between(90, 99));
        break;
      case kNetwork:
        e.eventNumber = 103;
        e.description = Format("Network receive rate %d Mbit/s exceeds %d%% of link capacity",
                               m_random.Between(850, 990), 85);
        break;
      case kVirtualSize:
        e.eventNumber = 112;
        e.description = Format("Virtual memory in use 3.%d GB exceeds the limit", m_random.Between(1, 9));
        break;
      case kLostRecord:
        e.eventNumber = 113;
        e.description = Format("Recording gap of %d s detected on channel %02d", m_random.Between(2, 40),
                               m_random.Between(1, 16));
        break;
      case kDigitalInput: {
        const int input = m_random.Below(4);
        OnCamera(e, kInputCameras[input], 200);
        e.description = Format("Digital input %d (%s) triggered", input + 1, kInputs[input]);
        break;
      }
      case kDigitalInputNoCamera: {
        e.eventNumber = 200;
        e.cameraId = -2;
        const int input = m_random.Between(4, 7);
        e.description = Format("Digital input %d (%s) triggered", input + 1, kInputs[input]);
        break;
      }
      case kEdgeEvent: {
        const DemoEdgeEvent& edge = m_world.edgeEvents[static_cast<size_t>(m_random.Below(
            static_cast<int>(m_world.edgeEvents.size())))];
        OnCamera(e, PickEdgeCamera(), edge.eventType);
        e.description = edge.description + Format(" (zone %d)", m_random.Between(1, 4));
        break;
      }
      case kUnsupportedEdgeEvent: {
        const int type = m_world.unsupportedEdgeEventTypes[static_cast<size_t>(
            m_random.Below(static_cast<int>(m_world.unsupportedEdgeEventTypes.size())))];
        OnCamera(e, PickEdgeCamera(), type);
        e.description = Format("Camera event %d", type);
        break;
      }
      case kCompound: {
        // Sites configure a handful of rules; the last number does occur.
        const int rule = m_random.Percent(95) ? m_random.Below(8) : 127;
        OnCamera(e, PickCamera(), 40001 + rule);
        e.description = Format("Compound rule %d \"%s\" triggered", rule + 1, kCompoundRules[rule % 8]);
        break;
      }
      case kIvs:
      case kIvsNoCamera:
      case kIvsRemovedDevice: {
        const DemoIvsDevice& device =
            *m_ivsDevices[static_cast<size_t>(m_random.Below(static_cast<int>(m_ivsDevices.size())))];
        const int rule = m_random.Weighted(kRuleWeights);
        e.eventNumber = 10000 + rule;
        e.channelIndex = static_cast<int>(kind == kIvsRemovedDevice ? m_world.removedIvsDeviceId : device.ivsDeviceId);
        e.cameraId = rule;
        e.description = Format("%s (zone %d)", kRuleTexts[rule], m_random.Between(1, 3));
        if (kind != kIvsNoCamera) e.description += Format(" Associated Camera ID: %u", device.cameraId);
        break;
      }
      case kRemovedCamera: {
        const size_t which = static_cast<size_t>(m_random.Below(static_cast<int>(m_world.removedCameraIds.size())));
        e.eventNumber = m_random.Percent(70) ? 0 : 50;
        e.channelIndex = static_cast<int>(m_world.cameras.size() + which);
        e.cameraId = m_world.removedCameraIds[which];
        e.description = e.eventNumber == 0 ? "Motion detected in zone 1 (12% of area)" : "Video signal lost";
        break;
      }
    }
    return e;
  }

 private:
  int PickCamera() { return m_random.Weighted(kCameraWeights); }
  int PickEdgeCamera() { return m_edgeCameras[static_cast<size_t>(m_random.Below(static_cast<int>(m_edgeCameras.size())))]; }
  void OnCamera(EventRecord& e, int camera, int eventNumber) {
    e.channelIndex = camera;
    e.cameraId = m_world.cameras[static_cast<size_t>(camera)].deviceId;
    e.eventNumber = eventNumber;
  }

  const DemoWorld& m_world;
  DemoRandom& m_random;
  std::vector<const DemoIvsDevice*> m_ivsDevices;
  std::vector<int> m_edgeCameras;
};

}  // namespace

const char* EventTable::CreateSql() const {
  return "CREATE TABLE EventLog (Id INTEGER PRIMARY KEY, LogTime INTEGER, ChannelIndex INTEGER, "
         "CameraId INTEGER, EventNumber INTEGER, Description TEXT);";
}

const char* EventTable::InsertSql() const {
  return "INSERT INTO EventLog (LogTime, ChannelIndex, CameraId, EventNumber, Description) "
         "VALUES (?, ?, ?, ?, ?);";
}

bool EventTable::WriteDay(const DemoDay& day, SqliteStatement& insert, std::string* error) {
  DemoRandom random = day.Random(1);
  const std::vector<int> times = TimesOfDay(random, day.eventsPerDay);
  const std::vector<int> kinds = PlanKinds(random, day.eventsPerDay, kWeights, day.DayNumber());
  EventMaker maker(day.world, random);
  for (size_t i = 0; i < times.size(); ++i) {
    const EventRecord e = maker.Make(static_cast<Kind>(kinds[i]));
    insert.Bind(1, day.LogTime(times[i])).Bind(2, e.channelIndex).Bind(3, e.cameraId).Bind(4, e.eventNumber);
    if (!insert.Bind(5, e.description).Run(error)) return false;
  }
  return true;
}
