// The rows of the IVS event list and the rules that make them: how an
// analytics event's description names the camera its device watches, and
// whether a row can be played.  Pure functions over the host link.
//
// A row is made once when its record is listed: the time texts are those of
// ListMoment, the device name and the description views of texts kept in
// the row's block (PageRowBlocks); the rule type's text is looked up when a
// cell is asked for.  One thread.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "pages/common/host_link.h"
#include "pages/common/list_moment.h"

struct IVSListRow : ListMoment {
  static constexpr int32_t kPlayUnknown = -1;
  static constexpr int32_t kPlayable = 0;
  static constexpr int32_t kNotPlayable = 2;
  static constexpr int32_t kNoCamera = -1;

  int32_t playState = kPlayUnknown;
  int32_t eventNumber = 0;
  std::string_view deviceName;
  std::string_view description;  // without the camera part
  int32_t ruleType = 0;
  int32_t cameraPosition = kNoCamera;  // in the viewer's camera list
};

// A description that ends in "Associated Camera ID: <decimal id>" (the last
// such mark counts): the text before the mark, blanks kept (a view of
// `description`), and the position of that id in `cameraIds` (kNoCamera
// when it is not there or not a number).  Without the mark: the whole text
// and kNoCamera.
struct SplitDescription {
  std::string_view text;
  int32_t cameraPosition;
};
SplitDescription SplitAssociatedCamera(std::string_view description, const std::vector<uint32_t>& cameraIds);

// The play state of a row of a remote search, decided as it is made: not
// playable outside the host's window (unless it set none), else playable
// when the host can play its camera and the set holds it.
int32_t RemoteIVSPlayState(const IVSListRow& row, const CHostLink& host);
// The play state of a row of a local search, decided when it is first
// drawn: the modeless viewer plays inside its window and camera set only,
// the modal one whatever the host can play.
int32_t LocalIVSPlayState(const IVSListRow& row, const CHostLink& host, bool modeless);
