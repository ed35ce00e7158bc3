// The supported edge event list of a recording device: the events it detects
// on its own, under event numbers from 30000 on, with their key, name and
// description.  The recording server keeps it in the registry or in the ini
// file "SupportedEdgeEventListOfDP.ini"; the host reads it through the two
// exported functions, the local event log page through the reading sequence
// below.  The readers never fail: they return what they could read.
#pragma once

#include <functional>
#include <map>
#include <string>

namespace platform {
class Registry;
}

struct EdgeEvent {
  std::string EdgeEventKey;
  std::string EdgeEventName;
  std::string EdgeEventDescription;
};

// Event types with no "EventType" in the ini file get this one.
constexpr int kDefaultEdgeEventType = 30000;
constexpr const char* kSupportedEdgeEventFile = "SupportedEdgeEventListOfDP.ini";

// From SOFTWARE\<vendor key>\Vantor\EventAction\EdgeEvent of the machine's
// registry (32-bit view): "EdgeEventCount" (a DWORD), then the subkeys
// "EdgeEvent0000" ... with "EventType" (a DWORD) and three string values of
// at most 1024 bytes each; an incomplete subkey is skipped, and a later
// subkey replaces the texts of an earlier one with the same type.
std::map<int, EdgeEvent> RetrieveSupportedEdgeEventListOfDPFromRegistry();
// The same from `registry` under SOFTWARE\<vendorKey>.
std::map<int, EdgeEvent> ReadSupportedEdgeEventList(platform::Registry& registry, const std::string& vendorKey);

// From an ini file: "EdgeEventCount" of section "SupportedEdgeEvent", then
// sections "EdgeEvent0000" ...; a missing "EventType" gives 30000, missing
// texts are empty.
std::map<int, EdgeEvent> RetrieveSupportedEdgeEventListOfDPFromIni(std::string path);

// Fetches the list from the server into `folder` + "/" + `fileName` + ".tmp";
// true on success.
using EdgeEventListDownload = std::function<bool(const std::string& folder, const std::string& fileName)>;

// The list the local event log page names edge events by.  Searching the
// remote server (and not reading a backup copy): the list downloaded into
// `installFolder`, or nothing when the download fails.  Otherwise the
// installation's own "SupportedEdgeEventListOfDP.ini" in that folder.
std::map<int, EdgeEvent> ReadPageEdgeEventList(const std::string& installFolder, bool readingBackup, bool remoteSearch,
                                               const EdgeEventListDownload& download);
