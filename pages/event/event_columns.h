// The columns of the two event pages: what each shows of a row, and the key
// a click on its header sorts by.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "pages/common/page_column.h"
#include "pages/common/page_rows.h"
#include "pages/event/event_list_item.h"
#include "ui/log_list_ctrl.h"

enum class EventField {
  kMoment,  // "YYYY/MM/DD HH:MM:SS"; sorts as text
  kDate,    // "YYYY/MM/DD"; sorts by the whole moment, so days come in time order
  kClock,   // "HH:MM:SS"; sorts as text
  kType,    // the event type's name; sorts by event number
  kCamera,  // sorts as text
  // The description; an event the camera detected itself (9) shows its type
  // name instead.  Sorts by the description.
  kDescriptionOrType,
  kDescription,  // sorts as text
};

struct EventColumn {
  PageColumn column;
  EventField field;
};

// Local page: Event Time, Event Type, Camera, Description.
std::span<const EventColumn> LocalEventColumns();
// Remote page: Date, Time, Log Type, Channel, Description.
std::span<const EventColumn> RemoteEventColumns();

// The text of `field` for `row`; `typeText` is the name of the row's event
// type.  The view lives as long as `row` and `typeText`.
std::string_view EventFieldText(const EventListItem& row, EventField field, const std::string& typeText);

// Sorts `rows` by `field`, smaller first for direction 0 and larger first
// otherwise, keeping rows of equal keys in their order.
void SortEventRows(PageRows<EventListItem>& rows, EventField field, int direction);
