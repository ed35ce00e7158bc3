// EventListItem: one row of the event list, made when the record is
// listed.  The list asks for cells on demand and they are served from
// these texts; sorting moves row indexes, never the rows.
//
// The time texts are those of ListMoment.  The camera text and the
// description are views of texts kept with the row (PageRowBlocks keeps
// them in the row's block); copying a row copies the views.  One thread.
#pragma once

#include <cstdint>
#include <string_view>

#include "pages/common/list_moment.h"

struct EventListItem : ListMoment {
  // Play state, also the row's image in the list.
  static constexpr int32_t kPlayUnknown = -1;
  static constexpr int32_t kPlayable = 0;
  static constexpr int32_t kNotPlayable = 2;
  // Camera index of a row that belongs to no camera of the list.
  static constexpr uint32_t kNoCamera = 4294967295u;

  std::string_view cameraText;
  std::string_view description;
  int32_t playState = kPlayUnknown;
  int32_t eventNumber = 0;
  uint32_t cameraIndex = kNoCamera;  // position in the viewer's camera list
};
