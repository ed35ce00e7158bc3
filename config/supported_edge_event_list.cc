#include "config/supported_edge_event_list.h"

#include <strings.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string_view>

#include "config/initial_file.h"
#include "config/vx_config.h"
#include "platform/paths.h"
#include "platform/registry.h"

namespace {

std::string EventSectionName(long index) {
  char name[32];
  std::snprintf(name, sizeof name, "EdgeEvent%04ld", index);
  return name;
}

// The index of a section or sub-key named as EventSectionName() names it
// (registry names match in any case); -1 for any other name.
long EventSectionIndex(std::string_view section, bool anyCase = false) {
  constexpr std::string_view kPrefix = "EdgeEvent";
  if (section.size() <= kPrefix.size()) return -1;
  const std::string_view digits = section.substr(kPrefix.size());
  if (digits.size() > 10) return -1;
  long index = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return -1;
    index = index * 10 + (c - '0');
  }
  const std::string canonical = EventSectionName(index);
  if (anyCase) return strcasecmp(canonical.c_str(), std::string(section).c_str()) == 0 ? index : -1;
  return canonical == section ? index : -1;
}

bool QueryDwordSized(const platform::RegistryKey& key, const char* name, uint32_t* value) {
  platform::RegValue data;
  if (key.QueryValue(name, 4, &data) != platform::kRegOk || data.size != 4) return false;
  *value = 0;
  for (size_t i = 4; i-- > 0;) *value = *value << 8 | static_cast<unsigned char>(data.data[i]);
  return true;
}

// A string value of at most 1024 bytes that ends in its terminating zero;
// an empty value is the empty text.
bool QueryText(const platform::RegistryKey& key, const char* name, std::string* text) {
  constexpr size_t kMaxBytes = 1024;
  platform::RegValue data;
  if (key.QueryValue(name, kMaxBytes, &data) != platform::kRegOk) return false;
  if (data.type != platform::REG_SZ && data.type != platform::REG_EXPAND_SZ) return false;
  if (data.size > 0 && data.data.back() != '\0') return false;
  *text = data.data.c_str();
  return true;
}

}  // namespace

std::map<int, EdgeEvent> ReadSupportedEdgeEventList(platform::Registry& registry, const std::string& vendorKey) {
  std::map<int, EdgeEvent> events;
  const platform::RegistryKey list = registry.OpenKey("SOFTWARE")
                                         .OpenSubKey(vendorKey)
                                         .OpenSubKey("Vantor")
                                         .OpenSubKey("EventAction")
                                         .OpenSubKey("EdgeEvent");
  uint32_t count = 0;
  if (!list.IsOpen() || !QueryDwordSized(list, "EdgeEventCount", &count)) return events;

  // Sub-keys "EdgeEvent0000" .. below the count, in ascending order; only
  // the ones present are opened, so the count bounds nothing by itself.
  std::set<long> present;
  std::string name;
  for (size_t i = 0; list.EnumSubKey(i, &name); ++i) {
    const long index = EventSectionIndex(name, true);
    if (index >= 0 && static_cast<uint64_t>(index) < count) present.insert(index);
  }
  for (const long index : present) {
    const platform::RegistryKey key = list.OpenSubKey(EventSectionName(index));
    uint32_t type = 0;
    EdgeEvent event;
    if (!key.IsOpen() || !QueryDwordSized(key, "EventType", &type) ||
        !QueryText(key, "EdgeEventKey", &event.EdgeEventKey) ||
        !QueryText(key, "EdgeEventName", &event.EdgeEventName) ||
        !QueryText(key, "EdgeEventDescription", &event.EdgeEventDescription))
      continue;
    events[static_cast<int>(type)] = std::move(event);
  }
  return events;
}

std::map<int, EdgeEvent> RetrieveSupportedEdgeEventListOfDPFromRegistry() {
  return ReadSupportedEdgeEventList(platform::Registry::Machine(), GetVxConfig().GetDeveloperType());
}

std::map<int, EdgeEvent> RetrieveSupportedEdgeEventListOfDPFromIni(std::string path) {
  std::map<int, EdgeEvent> events;
  CInitialFile ini;
  ini.Load(path);
  const long count = std::atoi(ini.GetValue("SupportedEdgeEvent", "EdgeEventCount").c_str());
  if (count < 1) return events;

  // Sections past the last one in the file all read as type 30000 with empty
  // texts, so a huge count is walked only as far as the file goes.
  long lastSection = -1;
  for (const auto& entry : ini.Entries())
    lastSection = std::max(lastSection, EventSectionIndex(entry.section));
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

std::map<int, EdgeEvent> ReadPageEdgeEventList(const std::string& folder, bool readingBackup, bool remoteSearch,
                                               const EdgeEventListDownload& download) {
  if (!readingBackup && remoteSearch) {
    if (!download || !download(folder, kSupportedEdgeEventFile)) return {};
    return RetrieveSupportedEdgeEventListOfDPFromIni(
        platform::JoinPath(folder, std::string(kSupportedEdgeEventFile) + ".tmp"));
  }
  return RetrieveSupportedEdgeEventListOfDPFromIni(platform::JoinPath(folder, kSupportedEdgeEventFile));
}
