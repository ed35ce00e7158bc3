#include "pages/event/event_play_state.h"

#include <cstdio>
#include <string>

int32_t RemoteSearchPlayState(const EventListItem& row, const CHostLink& host) {
  if (row.cameraIndex == EventListItem::kNoCamera) return EventListItem::kNotPlayable;
  if (!host.noTimeWindow && !host.InTimeWindow(row.Time())) return EventListItem::kNotPlayable;
  return host.CanPlay(row.cameraIndex, row.Time()) && host.Holds(row.cameraIndex)
             ? EventListItem::kPlayable
             : EventListItem::kNotPlayable;
}

int32_t LocalSearchPlayState(const EventListItem& row, const CHostLink& host, bool modeless, bool remotePage) {
  const bool inWindow = host.InTimeWindow(row.Time());
  if (remotePage && !inWindow) return EventListItem::kNotPlayable;
  const bool hostCanPlay = host.CanPlay(row.cameraIndex, row.Time());
  const bool known = row.cameraIndex != EventListItem::kNoCamera;
  const bool playable = modeless ? inWindow && hostCanPlay && known && host.Holds(row.cameraIndex)
                                 : hostCanPlay && known;
  return playable ? EventListItem::kPlayable : EventListItem::kNotPlayable;
}

std::optional<OpenedRow> ReadOpenedRow(std::string_view cameraText, std::string_view momentText) {
  // Read back as the list shows them, as the user sees the row.
  const std::string camera(cameraText);
  const std::string moment(momentText);
  OpenedRow opened{};
  if (std::sscanf(camera.c_str(), "%d", &opened.cameraNumber) != 1) return std::nullopt;
  if (!CDateTime::ParseListCell(moment.c_str(), opened.time)) return std::nullopt;
  return opened;
}
