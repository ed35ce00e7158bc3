#include "tools/logview-demo/counter_tables.h"

#include <algorithm>

namespace {

// People passing per hour at a site open from 7 to 20, in percent of its
// busiest hour; arrivals peak in the morning, departures in the evening.
const int kArrivals[24] = {0, 0, 0, 0, 0, 1, 5, 40, 100, 70, 45, 50, 80, 60, 45, 40, 35, 30, 20, 10, 4, 1, 0, 0};
const int kDepartures[24] = {1, 0, 0, 0, 0, 0, 1, 5, 15, 25, 35, 45, 70, 65, 45, 45, 60, 90, 100, 60, 30, 10, 3, 1};

// About `percent` of `peak`, give or take a fifth.
int People(DemoRandom& random, int peak, int percent) {
  const int mean = peak * percent / 100;
  return std::max(0, mean + random.Between(-mean / 5 - 1, mean / 5 + 1));
}

// How busy the day is, in percent of an ordinary weekday: Saturdays are the
// busiest, Sundays quiet; December's shopping brings more people, the weeks
// after it fewer.
int DayPercent(const DemoDay& day) {
  const CDateTime::Fields f = day.midnight.Split();
  const int week = f.dayOfWeek == 0 ? 35 : f.dayOfWeek == 6 ? 140 : 100;
  const int season = f.month == 12 ? 130 : f.month <= 2 ? 85 : 100;
  return week * season / 100;
}

}  // namespace

const char* CounterTable::CreateSql() const {
  return "CREATE TABLE CounterLog (Id INTEGER PRIMARY KEY, LogTime INTEGER, ChannelIndex INTEGER, "
         "CameraId INTEGER, CountIn INTEGER, CountOut INTEGER);";
}

const char* CounterTable::InsertSql() const {
  return "INSERT INTO CounterLog (LogTime, ChannelIndex, CameraId, CountIn, CountOut) VALUES (?, ?, ?, ?, ?);";
}

bool CounterTable::WriteDay(const DemoDay& day, SqliteStatement& insert, std::string* error) {
  DemoRandom random = day.Random(2);
  const DemoWorld& world = day.world;
  for (int hour = 0; hour < 24; ++hour) {
    for (size_t i = 0; i < world.cameras.size(); ++i) {
      if (!world.cameras[i].counts) continue;
      const int peak = (40 + 25 * static_cast<int>(i % 3)) * DayPercent(day) / 100;
      insert.Bind(1, day.LogTime(hour * 3600 + random.Below(3))).Bind(2, static_cast<int64_t>(i));
      insert.Bind(3, world.cameras[i].deviceId).Bind(4, People(random, peak, kArrivals[hour]));
      if (!insert.Bind(5, People(random, peak, kDepartures[hour])).Run(error)) return false;
    }
    // The camera that counted the old side door until it was removed.
    if (hour % 6 == 3) {
      insert.Bind(1, day.LogTime(hour * 3600 + 3)).Bind(2, static_cast<int64_t>(world.cameras.size()));
      insert.Bind(3, world.removedCameraIds.front()).Bind(4, random.Between(0, 9));
      if (!insert.Bind(5, random.Between(0, 9)).Run(error)) return false;
    }
  }
  return true;
}

const char* IvsCounterTable::CreateSql() const {
  return "CREATE TABLE IVSCounterLog (Id INTEGER PRIMARY KEY, LogTime INTEGER, IVSDeviceId INTEGER, "
         "DeviceId INTEGER, CounterId INTEGER, CounterName TEXT, CounterType INTEGER, "
         "CounterResult INTEGER, Reset INTEGER);";
}

const char* IvsCounterTable::InsertSql() const {
  return "INSERT INTO IVSCounterLog (LogTime, IVSDeviceId, DeviceId, CounterId, CounterName, CounterType, "
         "CounterResult, Reset) VALUES (?, ?, ?, ?, ?, ?, ?, ?);";
}

bool IvsCounterTable::WriteDay(const DemoDay& day, SqliteStatement& insert, std::string* error) {
  DemoRandom random = day.Random(3);
  constexpr int kFreeSpacesAtMidnight = 400;
  const int peak = 60 * DayPercent(day) / 100;
  for (const DemoIvsDevice* device : day.world.IvsDevices()) {
    if (device->counters.empty()) continue;
    int in = 0, out = 0;  // since midnight
    for (int hour = 0; hour < 24; ++hour) {
      for (const DemoIvsCounter& counter : device->counters) {
        int reading;
        if (counter.counterType == 2) reading = std::max(0, kFreeSpacesAtMidnight - in);
        else if (counter.counterType == 1) reading = counter.countsDepartures ? out : in;
        else reading = std::max(0, in - out);
        insert.Bind(1, day.LogTime(hour * 3600)).Bind(2, device->ivsDeviceId).Bind(3, device->cameraId);
        insert.Bind(4, counter.counterId).Bind(5, counter.name).Bind(6, counter.counterType).Bind(7, reading);
        if (!insert.Bind(8, hour == 23 && counter.counterType != 0 ? 1 : 0).Run(error)) return false;
      }
      in += People(random, peak, kArrivals[hour]);
      out = std::min(in, out + People(random, peak, kDepartures[hour]));
    }
  }
  // Readings of a device that was taken out of the analytics configuration.
  for (int hour = 2; hour < 24; hour += 8) {
    insert.Bind(1, day.LogTime(hour * 3600)).Bind(2, day.world.removedIvsDeviceId).Bind(3, 17).Bind(4, 1);
    insert.Bind(5, "Side Door In").Bind(6, 1).Bind(7, random.Between(0, 30));
    if (!insert.Bind(8, 0).Run(error)) return false;
  }
  return true;
}

const char* CombinedCounterTable::CreateSql() const {
  return "CREATE TABLE CombinedCounterLog (Id INTEGER PRIMARY KEY, LogTime INTEGER, CounterID INTEGER, "
         "CounterResult INTEGER);";
}

const char* CombinedCounterTable::InsertSql() const {
  return "INSERT INTO CombinedCounterLog (LogTime, CounterID, CounterResult) VALUES (?, ?, ?);";
}

bool CombinedCounterTable::WriteDay(const DemoDay& day, SqliteStatement& insert, std::string* error) {
  DemoRandom random = day.Random(4);
  for (int hour = 0; hour < 24; ++hour) {
    int peak = 150 * DayPercent(day) / 100;
    for (const DemoCombinedCounter& counter : day.world.combinedCounters) {
      insert.Bind(1, day.LogTime(hour * 3600)).Bind(2, counter.counterId);
      if (!insert.Bind(3, People(random, peak, kArrivals[hour])).Run(error)) return false;
      peak /= 2;
    }
    if (hour == 12) {  // a counter deleted from the filter list still reports at noon
      insert.Bind(1, day.LogTime(hour * 3600)).Bind(2, day.world.removedCombinedCounterId);
      if (!insert.Bind(3, random.Between(5, 40)).Run(error)) return false;
    }
  }
  return true;
}
