// Whether a listed event can be played, and what opening a row asks of the
// host.  The host's time window and camera set bound what the modeless
// viewer offers; the host itself answers whether it has the recording
// (CanPlay, message 32792 in the page).  Pure functions of their arguments
// and of the CanPlay answers.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "pages/event/event_list_item.h"
#include "shell/date_time.h"
#include "shell/vx_bitset.h"

using CameraSet = VxBitset<128>;

// What the host handed over: the moments and cameras it shows.
struct HostView {
  CDateTime start = CDateTime::Null();
  CDateTime end = CDateTime::Null();
  CameraSet cameras;
  // The modal viewer: no time window limits playback.
  bool noTimeWindow = false;

  bool Holds(const CDateTime& time) const { return start <= time && time <= end; }
};

// Whether the camera set holds camera `index`.  The set has room for the
// first 128 cameras of the list only; a camera further down is never in it
// (its events are listed but cannot be played).
bool CameraSetHolds(const CameraSet& cameras, uint32_t index);

// The host's answer to "can you play camera `index` at `time`".
using CanPlay = std::function<bool(uint32_t cameraIndex, const CDateTime& time)>;

// A row of a remote search, decided as the row is made: the host is asked
// only for a row of a known camera inside the window (or with no window).
int32_t RemoteSearchPlayState(const EventListItem& row, const HostView& host, const CanPlay& canPlay);

// A row of a local search, decided when the row is first drawn.  The
// modeless viewer plays inside its window and camera set only; the modal
// one whatever the host can play.  The remote page asks the host only for
// rows inside the window.
int32_t LocalSearchPlayState(const EventListItem& row, const HostView& host, bool modeless,
                             bool remotePage, const CanPlay& canPlay);

// The row texts read back when a row is opened: the camera number ("%d")
// and the moment in the list form; nothing when either does not read.
struct OpenedRow {
  int cameraNumber;
  CDateTime time;
};
std::optional<OpenedRow> ReadOpenedRow(std::string_view cameraText, std::string_view momentText);

// The window the modeless viewer moves to when the user opens an event it
// does not show: five seconds either side of the event.
constexpr int64_t kOpenWindowHalfSpan = 5 * CDateTime::kTicksPerSecond;
