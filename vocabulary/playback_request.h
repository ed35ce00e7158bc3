// PlaybackRequest: what the viewer asks the host to play when the user opens
// an event the host does not show yet (message 32790, wParam points to it).
// The viewer owns the object and keeps it unchanged until its next request,
// so the host may read it when the posted message arrives.  A plain value.
#pragma once

#include "vocabulary/date_time.h"
#include "vocabulary/vx_bitset.h"

struct PlaybackRequest {
  CDateTime start = CDateTime::Null();         // the time window to play
  CDateTime end = CDateTime::Null();
  CDateTime selectedTime = CDateTime::Null();  // the event's own moment
  VxBitset<128> cameras;                       // bit i = camera index i
};
