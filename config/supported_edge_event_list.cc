#include "config/supported_edge_event_list.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "config/initial_file.h"
#include "platform/paths.h"

namespace {

std::string EventSectionName(long index) {
  char name[32];
  std::snprintf(name, sizeof name, "EdgeEvent%04ld", index);
  return name;
}

// The index of a section named exactly as EventSectionName() names it; -1
// for any other section.
long EventSectionIndex(std::string_view section) {
  constexpr std::string_view kPrefix = "EdgeEvent";
  if (section.substr(0, kPrefix.size()) != kPrefix) return -1;
  const std::string_view digits = section.substr(kPrefix.size());
  if (digits.empty() || digits.size() > 10) return -1;
  long index = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return -1;
    index = index * 10 + (c - '0');
  }
  return EventSectionName(index) == section ? index : -1;
}

}  // namespace

std::map<int, EdgeEvent> RetrieveSupportedEdgeEventListOfDPFromIni(std::string path) {
  std::map<int, EdgeEvent> events;
  CInitialFile ini;
  ini.Load(path);
  const long count = std::atoi(ini.GetValue("SupportedEdgeEvent", "EdgeEventCount").c_str());
  if (count < 1) return events;

  // Sections past the last one in the file all read as type 30000 with empty
  // texts, so a huge count is walked only as far as the file goes.
  long lastSection = -1;
  for (const auto& entry : ini.Entries()) lastSection = std::max(lastSection, EventSectionIndex(entry.section));
  const long walked = std::min(count, lastSection + 1);
  for (long i = 0; i < walked; ++i) {
    const std::string section = EventSectionName(i);
    const std::string type = ini.GetValue(section, "EventType");
    EdgeEvent& event = events[type.empty() ? kDefaultEdgeEventType : std::atoi(type.c_str())];
    event.EdgeEventKey = ini.GetValue(section, "EdgeEventKey");
    event.EdgeEventName = ini.GetValue(section, "EdgeEventName");
    event.EdgeEventDescription = ini.GetValue(section, "EdgeEventDescription");
  }
  if (count > walked) events[kDefaultEdgeEventType] = EdgeEvent{};
  return events;
}

std::map<int, EdgeEvent> ReadPageEdgeEventList(bool readingBackup, bool remoteSearch,
                                               const EdgeEventListDownload& download) {
  const std::string folder = platform::InstallFolder();
  if (!readingBackup && remoteSearch) {
    if (!download || !download(folder, kSupportedEdgeEventFile)) return {};
    return RetrieveSupportedEdgeEventListOfDPFromIni(
        platform::JoinPath(folder, std::string(kSupportedEdgeEventFile) + ".tmp"));
  }
  return RetrieveSupportedEdgeEventListOfDPFromIni(platform::JoinPath(folder, kSupportedEdgeEventFile));
}
