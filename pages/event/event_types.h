// What the two event pages offer and show of each event number: the
// entries of their type selectors, the switch that gates a number on each
// page, which numbers a search lists, and when the camera selector counts.
// Pure functions of their arguments; texts are the built-in English ones,
// which the page translates where it shows them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vocabulary/event_catalogue.h"
#include "vocabulary/log_status.h"

// The page class: the local (Vantor) page or the remote (NVR) page.
enum class EventPageVariant { kLocal, kRemote };
// Where a search read its records.
enum class EventSearchSource { kLocal, kRemote };

// The item value of the "All" entries of both selectors.
constexpr int32_t kAllEntries = -1;
// String numbers the event pages use.
constexpr int kAllText = 49;
constexpr int kDeletedCameraText = 78;

struct EventTypeChoice {
  std::string text;  // English; the page translates it
  int32_t value;     // event number, kAllEntries for "All"
  friend bool operator==(const EventTypeChoice&, const EventTypeChoice&) = default;
};

// "All" first, then the local catalogue in its order, each entry whose switch
// is on (the variants of general motion and the compound numbers after the
// first are never offered: they are listed under 0 and 40001), then one
// entry per edge event name when the edge switch is on.
std::vector<EventTypeChoice> LocalEventTypeChoices(const EventLogStatus& switches,
                                                   const EdgeEventNames& edgeEvents);
// "All", then the remote catalogue in its order, each entry whose switch is on.
std::vector<EventTypeChoice> RemoteEventTypeChoices(const EventLogStatus& switches);

// Whether the page's switches let records of `eventNumber` through.  The
// local page gates by the shared switch table; the remote page by its own:
// 400, 50, 200, 113 and 600, and the compound events.
bool EventShownBySwitches(EventPageVariant variant, const EventLogStatus& switches, int eventNumber);

// Whether a number outside the edge range is listed at all: the catalogue's
// kinds (and 201, 104-111 of the system range); 400 only for an NVR host;
// 600 for an NVR host or from a remote server.
bool IsListedEventNumber(int eventNumber, bool nvrMode, EventSearchSource source);

// Whether choosing `typeValue` leaves the camera selector usable: the kinds
// tied to a camera ("All", 0-50, 400 and the edge events).
bool TypeTakesCamera(int32_t typeValue);

// The catalogue each variant names its rows from.
EventCatalogue CatalogueOf(EventPageVariant variant);
