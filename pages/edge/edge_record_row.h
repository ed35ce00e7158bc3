// EdgeRecordLogRaw: one row of the edge storage list, made when the record
// is listed.  The time text is ListMoment's moment; the camera text and the
// description are views of texts kept in the row's block (PageRowBlocks).
// One thread.
#pragma once

#include <cstdint>
#include <string_view>

#include "pages/common/list_moment.h"

struct EdgeRecordLogRaw : ListMoment {
  static constexpr int32_t kNoCamera = -1;

  int32_t logType = 0;
  std::string_view cameraText;  // "%02d" of the camera's position + 1, or the deleted-camera text
  int32_t cameraIndex = kNoCamera;  // position in the viewer's camera list
  std::string_view description;
};
