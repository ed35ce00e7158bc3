#include "tools/logview-demo/edge_record_table.h"

#include <algorithm>

namespace {

enum Episode { kRetrieved, kStopped, kQueryFailed, kSwitchedOff, kRemovedCamera };
const std::vector<int> kWeights = {60, 10, 10, 3, 2};

struct EdgeRecord {
  int second;
  int64_t cameraId;
  int logType;
  std::string description;
};

}  // namespace

const char* EdgeRecordTable::CreateSql() const {
  return "CREATE TABLE EdgeRecordLog (Id INTEGER PRIMARY KEY, LogTime INTEGER, CameraId INTEGER, "
         "LogType INTEGER, Description TEXT);";
}

const char* EdgeRecordTable::InsertSql() const {
  return "INSERT INTO EdgeRecordLog (LogTime, CameraId, LogType, Description) VALUES (?, ?, ?, ?);";
}

bool EdgeRecordTable::WriteDay(const DemoDay& day, SqliteStatement& insert, std::string* error) {
  DemoRandom random = day.Random(6);
  std::vector<const DemoCamera*> cameras;
  for (const DemoCamera& camera : day.world.cameras)
    if (camera.recordsOnEdge) cameras.push_back(&camera);

  const int episodes = std::max(static_cast<int>(kWeights.size()), day.eventsPerDay / 40);
  const std::vector<int> starts = TimesOfDay(random, episodes);
  const std::vector<int> plan = PlanKinds(random, episodes, kWeights, day.DayNumber());
  std::vector<EdgeRecord> records;
  for (int e = 0; e < episodes; ++e) {
    const int kind = plan[static_cast<size_t>(e)];
    const int64_t cameraId = kind == kRemovedCamera
                                 ? day.world.removedCameraIds.back()
                                 : cameras[static_cast<size_t>(random.Below(static_cast<int>(cameras.size())))]->deviceId;
    const int at = starts[static_cast<size_t>(e)];
    auto add = [&](int second, int logType, std::string description) {
      records.push_back({std::min(second, 86399), cameraId, logType, std::move(description)});
    };
    if (kind == kSwitchedOff) {
      add(at, 6, "Retrieve disabled by admin");
      add(at + random.Between(600, 7200), 5, "Retrieve enabled by admin");
      continue;
    }
    // The gap to fill: up to an hour that ended shortly before.
    const int gapEnd = at - random.Between(60, 600);
    const std::string gap = day.ListTime(gapEnd - random.Between(300, 3600)) + " - " + day.ListTime(gapEnd);
    add(at, 3, "Check edge video " + gap);
    if (kind == kQueryFailed) {
      add(at + random.Between(2, 20), 4,
          random.Percent(50) ? "Query edge video fail: storage card not found"
                             : "Query edge video fail: camera did not answer");
      continue;
    }
    add(at + random.Between(2, 20), 0, "Start retrieve " + gap);
    const int megabytes = random.Between(40, 900);
    const int took = megabytes / 2 + random.Below(120);
    if (kind == kStopped)
      add(at + took, 2, Format("Stop retrieve: connection to camera lost after %d MB", megabytes / 3));
    else
      add(at + took + 20, 1, Format("End retrieve: %d MB in %d min %d s", megabytes, took / 60, took % 60));
  }
  std::stable_sort(records.begin(), records.end(),
                   [](const EdgeRecord& a, const EdgeRecord& b) { return a.second < b.second; });
  for (const EdgeRecord& r : records) {
    insert.Bind(1, day.LogTime(r.second)).Bind(2, r.cameraId).Bind(3, r.logType);
    if (!insert.Bind(4, r.description).Run(error)) return false;
  }
  return true;
}
