#include "vocabulary/event_catalogue.h"

#include <array>

#include "vocabulary/event_ranges.h"

namespace {

constexpr int kCompoundEventCount = kLastCompoundEventNumber - kFirstCompoundEventNumber + 1;

constexpr EventCatalogueEntry kNamedLocalEvents[] = {
    {0, "General Motion"},
    {1, "Foreign Object"},
    {2, "Missing Object"},
    {3, "Focus Lost"},
    {4, "Camera Occlusion"},
    {50, "Signal Lost"},
    {100, "Disk Space Exhausted"},
    {101, "System Health Unusual"},
    {102, "Resource Depleted"},
    {103, "Network Congestion"},
    {200, "Digital Input Triggered"},
    // Variants of general motion: shown under its name, never offered alone.
    {5, "General Motion"},
    {6, "General Motion"},
    {7, "General Motion"},
    {8, "General Motion"},
    {9, "Edge Motion (Any Zone)"},
    {112, "Virtual Size Overhead"},
    {113, "Lost Record Detection"},
};
constexpr size_t kNamedCount = std::size(kNamedLocalEvents);

// Every compound event number has its own entry so that a stored 40077 is
// named like any other event; the pages offer them as one type.
constexpr std::array<EventCatalogueEntry, kNamedCount + kCompoundEventCount> MakeLocalCatalogue() {
  std::array<EventCatalogueEntry, kNamedCount + kCompoundEventCount> entries{};
  for (size_t i = 0; i < kNamedCount; ++i) entries[i] = kNamedLocalEvents[i];
  for (int k = 0; k < kCompoundEventCount; ++k)
    entries[kNamedCount + static_cast<size_t>(k)] = {kFirstCompoundEventNumber + k, "Compound Event"};
  return entries;
}

constexpr auto kLocalCatalogue = MakeLocalCatalogue();
static_assert(kLocalCatalogue.size() == 146);

constexpr EventCatalogueEntry kRemoteCatalogue[] = {
    {400, "Camera Motion"},
    {50, "Connection Lost"},
    {200, "Digital Input"},
    {600, "Recurrent"},
};

}  // namespace

EventCatalogue LocalEventCatalogue() { return kLocalCatalogue; }

EventCatalogue RemoteEventCatalogue() { return kRemoteCatalogue; }

std::string EventText(EventCatalogue catalogue, int number, const EdgeEventNames& edgeEvents) {
  for (const auto& entry : catalogue)
    if (entry.number == number) return entry.text;
  if (auto it = edgeEvents.find(number); it != edgeEvents.end()) return it->second;
  return std::string();
}
