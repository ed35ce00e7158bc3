// The event catalogues: the event types a page offers and the names under
// which stored event numbers are shown.  Texts are the built-in English names;
// the language pack translates them where they are shown.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>

struct EventCatalogueEntry {
  int32_t number;
  const char* text;  // static, at most 255 characters
};

// Entries in catalogue order (the order a type selector lists them).  The
// views refer to static tables and stay valid for the life of the process.
using EventCatalogue = std::span<const EventCatalogueEntry>;

// The local log: 146 entries, from 0 "General Motion" to the 128 compound
// events 40001-40128.
EventCatalogue LocalEventCatalogue();
// The remote log: 400 "Camera Motion", 50 "Connection Lost", 200 "Digital
// Input", 600 "Recurrent".
EventCatalogue RemoteEventCatalogue();

// Names of a device's edge events (30000-40000), keyed by event number.  The
// caller owns the map; it comes from the device's supported edge event list.
using EdgeEventNames = std::map<int, std::string>;

// The text of `number`: the first catalogue entry with that number, else the
// edge event name, else the empty text.
std::string EventText(EventCatalogue catalogue, int number, const EdgeEventNames& edgeEvents);
