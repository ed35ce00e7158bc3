// The rules that turn one event record into a row of an event page, or
// drop it: which records are listed, which camera a record belongs to and
// what the camera column says.  Everything a page knows at search time is
// gathered in EventRowRules once per search; List is then called for each
// record as it arrives.  Play states are decided elsewhere
// (event_play_state.h): they ask the host.
//
// An EventRowRules borrows the user account and the edge event names it is
// given; both must outlive it.  One thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pages/common/page_row_blocks.h"
#include "pages/common/page_rows.h"
#include "pages/event/event_list_item.h"
#include "pages/event/event_types.h"
#include "vocabulary/event_catalogue.h"
#include "vocabulary/log_status.h"
#include "vocabulary/event_log_records.h"

class CUserAccount;

// Finds a camera id's position in the viewer's camera list (the first
// position when an id is listed twice).
class CameraIndexLookup {
 public:
  explicit CameraIndexLookup(const std::vector<uint32_t>& cameraIds);
  std::optional<uint32_t> Find(uint32_t cameraId) const;

 private:
  std::vector<std::pair<uint32_t, uint32_t>> m_byId;  // (id, position), sorted by id
};

struct EventRowSettings {
  EventPageVariant variant = EventPageVariant::kLocal;
  EventSearchSource source = EventSearchSource::kLocal;
  bool nvrMode = false;
  // Local search: the camera list is made of generic names, so records are
  // matched to cameras by their channel index.
  bool genericCameraNames = false;
  // Remote search: whether the server's records carry camera ids (text
  // blocks do, binary records do not).
  bool recordsCarryCameraIds = true;
  // The camera chosen in the selector, as a position in the camera list.
  std::optional<uint32_t> cameraPosition;
  // The switches as they count now; null user = no user filtering.
  EventLogStatus switches;
  const CUserAccount* user = nullptr;
  // Edge events the page can name (the local page's list; the remote page
  // knows none).
  const EdgeEventNames* edgeEvents = nullptr;
  // What the camera column says for a camera that is gone (translated).
  std::string deletedCameraText;
};

class EventRowRules {
 public:
  EventRowRules(EventRowSettings settings, const std::vector<uint32_t>& cameraIds);

  // Appends the record's row to `rows` (time texts, event number, camera
  // text and index, description; play state unknown), made in `blocks`,
  // and returns true; or returns false when the record is not listed.
  bool List(const EventLogView& record, PageRowBlocks<EventListItem>& blocks,
            PageRows<EventListItem>& rows) const;

 private:
  // The record belongs to a camera by its channel index (no camera ids).
  bool ByChannel() const;
  bool KeepsNumber(int eventNumber) const;
  bool UserMaySee(uint32_t cameraId) const;
  // The camera column and index of a record matched to the camera list.
  std::string_view CameraOf(const EventLogView& record, uint32_t& cameraIndex) const;

  EventRowSettings m_settings;
  CameraIndexLookup m_cameras;
  // "%02d" of each camera's position + 1, formatted once per search.
  std::vector<std::string> m_cameraTexts;
};
