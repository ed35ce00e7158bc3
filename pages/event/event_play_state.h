// Whether a listed event can be played, and what opening a row reads back.
// The host's time window and camera set (CHostLink) bound what the modeless
// viewer offers; the host itself answers whether it has the recording
// (CHostLink::CanPlay, message 32792).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "pages/common/host_link.h"
#include "pages/event/event_list_item.h"
#include "vocabulary/date_time.h"
#include "vocabulary/vx_bitset.h"

// A row of a remote search, decided as the row is made: the host is asked
// only for a row of a known camera inside the window (or with no window).
int32_t RemoteSearchPlayState(const EventListItem& row, const CHostLink& host);

// A row of a local search, decided when the row is first drawn.  The
// modeless viewer plays inside its window and camera set only; the modal
// one whatever the host can play.  The remote page asks the host only for
// rows inside the window.
int32_t LocalSearchPlayState(const EventListItem& row, const CHostLink& host, bool modeless, bool remotePage);

// The row texts read back when a row is opened: the camera number ("%d")
// and the moment in the list form; nothing when either does not read.
struct OpenedRow {
  int cameraNumber;
  CDateTime time;
};
std::optional<OpenedRow> ReadOpenedRow(std::string_view cameraText, std::string_view momentText);

