#include "pages/event/event_types.h"

#include "vocabulary/event_ranges.h"
#include "vocabulary/string_table.h"

namespace {

std::vector<EventTypeChoice> ChoicesFrom(EventCatalogue catalogue, EventPageVariant variant,
                                         const EventLogStatus& switches) {
  std::vector<EventTypeChoice> choices{{LoadStringText(kAllText), kAllEntries}};
  for (const EventCatalogueEntry& entry : catalogue) {
    // One entry stands for the whole family: 0 for 5-8, 40001 for 40001-40128.
    if (IsGeneralMotionVariant(entry.number)) continue;
    if (IsCompoundEvent(entry.number) && entry.number != kFirstCompoundEventNumber) continue;
    if (EventShownBySwitches(variant, switches, entry.number)) choices.push_back({entry.text, entry.number});
  }
  return choices;
}

}  // namespace

std::vector<EventTypeChoice> LocalEventTypeChoices(const EventLogStatus& switches,
                                                   const EdgeEventNames& edgeEvents) {
  std::vector<EventTypeChoice> choices = ChoicesFrom(LocalEventCatalogue(), EventPageVariant::kLocal, switches);
  if (switches.edgeEvent != 0) {
    for (const auto& [number, name] : edgeEvents) choices.push_back({name, number});
  }
  return choices;
}

std::vector<EventTypeChoice> RemoteEventTypeChoices(const EventLogStatus& switches) {
  return ChoicesFrom(RemoteEventCatalogue(), EventPageVariant::kRemote, switches);
}

bool EventShownBySwitches(EventPageVariant variant, const EventLogStatus& switches, int n) {
  if (variant == EventPageVariant::kLocal) return EventTypeOn(switches, n);
  // A remote recorder reports its own kinds; its page reuses some switches.
  if (IsCompoundEvent(n)) return switches.compoundEvent != 0;
  switch (n) {
    case 400: return switches.cameraMotion != 0;
    case 50: return switches.signalLost != 0;
    case 200: return switches.digitalInput != 0;
    case 113:
    case 600: return switches.recurrent != 0;
    default: return true;
  }
}

bool IsListedEventNumber(int n, bool nvrMode, EventSearchSource source) {
  if (n >= 0 && n <= 9) return true;
  if (n == 50 || (n >= 100 && n <= 113) || n == 200 || n == 201 || IsCompoundEvent(n)) return true;
  if (n == 400) return nvrMode;
  if (n == 600) return nvrMode || source == EventSearchSource::kRemote;
  return false;
}

bool TypeTakesCamera(int32_t typeValue) {
  return typeValue == 400 || typeValue < 51 || IsEdgeEvent(typeValue);
}

EventCatalogue CatalogueOf(EventPageVariant variant) {
  return variant == EventPageVariant::kLocal ? LocalEventCatalogue() : RemoteEventCatalogue();
}
