// EdgeRecordLogBasket: one step of an edge-storage retrieval, a row of table
// "EdgeRecordLog" and the element of the remote answer.  A plain value.
#pragma once

#include <cstdint>
#include <string>

#include "vocabulary/date_time.h"

struct EdgeRecordLogBasket {
  CDateTime LogTime;
  uint32_t CameraId = 0;
  int32_t LogType = 0;  // retrieval step code
  std::string Description;

  bool operator==(const EdgeRecordLogBasket&) const = default;
};
