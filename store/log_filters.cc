#include "store/log_filters.h"

#include "store/query_condition.h"

namespace {

// Renders `root` after adding the time bounds every record type ends with.
std::string WithTimeBounds(CQueryCondition& root, const TimeBound& start, const TimeBound& end) {
  root.AddTimeBounds(start, end);
  return root.Render();
}

bool IsChannelIndexed(int32_t eventNumber) { return eventNumber >= 10000 && eventNumber <= 19999; }

// Adds the conditions on the event number to `root`.
void AddEventNumberRule(const std::optional<EventNumberFilter>& event, CQueryCondition& root) {
  if (!event) {
    // Channel-indexed events (10000-19999) are listed only when asked for.
    CQueryCondition any("OR");
    any.AddCompare("EventNumber", "<", 10000);
    any.AddRange("EventNumber", 30000, 40129);
    root.AddNode(any);
    return;
  }
  const int32_t number = event->eventNumber;
  if (IsChannelIndexed(number)) {
    if (event->channelIndex >= 0) root.AddEqual("ChannelIndex", event->channelIndex);
    root.AddRange("EventNumber", 10000, 20000);
  } else if (number == 0) {
    // General motion is stored as 0 and as its variants 5 to 8.
    CQueryCondition motion("OR");
    for (int variant : {0, 5, 6, 7, 8}) motion.AddEqual("EventNumber", variant);
    root.AddNode(motion);
  } else if (number >= 40001 && number <= 40128) {
    // All compound events form one type.
    root.AddRange("EventNumber", 40001, 40129);
  } else {
    root.AddEqual("EventNumber", number);
  }
}

}  // namespace

std::string WhereText(const EventLogFilter& filter, const TimeBound& start, const TimeBound& end) {
  CQueryCondition root;
  AddEventNumberRule(filter.event, root);
  if (filter.cameraId) root.AddEqual("CameraId", *filter.cameraId);
  std::string where = WithTimeBounds(root, start, end);
  if (filter.event && IsChannelIndexed(filter.event->eventNumber)) where += "ORDER BY LogTime ASC";
  return where;
}

std::string WhereText(const CounterLogFilter& filter, const TimeBound& start, const TimeBound& end) {
  CQueryCondition root;
  if (filter.cameraId) root.AddEqual("CameraId", *filter.cameraId);
  return WithTimeBounds(root, start, end);
}

std::string WhereText(const IVSCounterLogFilter& filter, const TimeBound& start, const TimeBound& end) {
  CQueryCondition root;
  // The filter names the column "IVSDeviceID"; SQLite matches it regardless of case.
  if (filter.deviceId) root.AddEqual("IVSDeviceID", *filter.deviceId);
  return WithTimeBounds(root, start, end);
}

std::string WhereText(const CombinedCounterLogFilter& filter, const TimeBound& start,
                      const TimeBound& end) {
  CQueryCondition root;
  if (filter.counterId && *filter.counterId != CombinedCounterLog::kNoCounter)
    root.AddEqual("CounterID", *filter.counterId);
  return WithTimeBounds(root, start, end);
}

std::string WhereText(const EdgeRecordLogFilter& filter, const TimeBound& start, const TimeBound& end) {
  CQueryCondition root;
  if (filter.logType) root.AddEqual("LogType", *filter.logType);
  if (filter.cameraId) root.AddEqual("CameraId", *filter.cameraId);
  return WithTimeBounds(root, start, end);
}

std::string WhereText(const PosEventLogFilter& filter, const TimeBound& start, const TimeBound& end) {
  CQueryCondition root;
  if (filter.eventRuleId) root.AddEqual("EventRuleId", *filter.eventRuleId);
  if (filter.posId) root.AddEqual("PosId", *filter.posId);
  return WithTimeBounds(root, start, end);
}

std::string WhereText(const SystemLogFilter& filter, const TimeBound& start, const TimeBound& end) {
  CQueryCondition root;
  if (filter.logType) root.AddEqual("EventNumber", *filter.logType);
  return WithTimeBounds(root, start, end);
}
