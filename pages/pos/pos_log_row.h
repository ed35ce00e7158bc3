// PosLogRaw: one row of the metadata list, made when the record is listed.  The time texts are those of ListMoment (the local page shows the
// moment, the remote page its date and clock); the camera text and the
// description are views of texts kept in the row's block (PageRowBlocks).
// The row keeps no list of its cameras: the few rows that are drawn or
// opened read them back from the camera text.  One thread.
#pragma once

#include <cstdint>
#include <string_view>

#include "pages/common/list_moment.h"

struct PosLogRaw : ListMoment {
  // The row's image: whether its video can be played.
  static constexpr int32_t kPlayUnknown = -1;
  static constexpr int32_t kPlayable = 0;
  static constexpr int32_t kNotPlayable = 2;

  int32_t image = kPlayUnknown;
  int32_t eventRuleId = 0;
  uint32_t posId = 0;
  std::string_view cameraText;  // "4/5": the cameras one-based
  std::string_view description;
};
