// PosEventLogBasket: one POS or metadata event, a row of table "PosEventLog"
// and the element of the remote answer.  A plain value.
#pragma once

#include <cstdint>
#include <string>

#include "vocabulary/date_time.h"

struct PosEventLogBasket {
  CDateTime LogTime;
  uint32_t PosId = 0;        // metadata source number
  int32_t EventRuleId = 0;   // log type code
  std::string EventRuleName; // stored, never shown
  std::string Description;   // transaction or event text
  std::string CameraId;      // the associated cameras, as stored text

  bool operator==(const PosEventLogBasket&) const = default;
};
