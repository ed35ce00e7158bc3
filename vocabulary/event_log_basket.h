// EventLogBasket: one unusual event, as read from table "EventLog" of the
// local databases and as answered by a remote server.  A plain value.
#pragma once

#include <cstdint>
#include <string>

#include "vocabulary/date_time.h"

struct EventLogBasket {
  CDateTime LogTime;         // valid, tick 0 until a row sets it
  int32_t ChannelIndex = 0;  // recorder channel of channel-indexed events (10000-19999)
  uint32_t CameraId = 0;     // camera id, not the camera's index in the viewer's list
  int32_t EventNumber = 0;   // every stored row has one
  std::string Description;

  bool operator==(const EventLogBasket&) const = default;
};
