#include "pages/event/event_columns.h"

namespace {

using Align = CListColumn::Align;

constexpr EventColumn kLocalColumns[] = {
    {{6, 150, Align::kCentre}, EventField::kMoment},
    {{7, 190, Align::kLeft}, EventField::kType},
    {{8, 80, Align::kLeft}, EventField::kCamera},
    {{9, 400, Align::kLeft}, EventField::kDescriptionOrType},
};

constexpr EventColumn kRemoteColumns[] = {
    {{165, 80, Align::kCentre}, EventField::kDate},
    {{166, 80, Align::kLeft}, EventField::kClock},
    {{167, 100, Align::kLeft}, EventField::kType},
    {{168, 80, Align::kLeft}, EventField::kCamera},
    {{169, 260, Align::kLeft}, EventField::kDescription},
};

// Motion the camera detected itself has no description worth showing.
constexpr int kCameraDetectedMotion = 9;

}  // namespace

std::span<const EventColumn> LocalEventColumns() { return kLocalColumns; }

std::span<const EventColumn> RemoteEventColumns() { return kRemoteColumns; }

std::string_view EventFieldText(const EventListItem& row, EventField field, const std::string& typeText) {
  switch (field) {
    case EventField::kMoment: return row.MomentText();
    case EventField::kDate: return row.DateText();
    case EventField::kClock: return row.ClockText();
    case EventField::kType: return typeText;
    case EventField::kCamera: return row.cameraText;
    case EventField::kDescriptionOrType:
      return row.eventNumber == kCameraDetectedMotion ? std::string_view(typeText) : row.description;
    case EventField::kDescription: return row.description;
  }
  return {};
}

void SortEventRows(PageRows<EventListItem>& rows, EventField field, int direction) {
  switch (field) {
    case EventField::kMoment:
    case EventField::kDate:
      StableSortRows(rows, [](const EventListItem& r) { return r.MomentText(); }, direction);
      break;
    case EventField::kClock:
      StableSortRows(rows, [](const EventListItem& r) { return r.ClockText(); }, direction);
      break;
    case EventField::kType:
      StableSortRows(rows, [](const EventListItem& r) { return r.eventNumber; }, direction);
      break;
    case EventField::kCamera:
      StableSortRows(rows, [](const EventListItem& r) { return r.cameraText; }, direction);
      break;
    case EventField::kDescriptionOrType:
    case EventField::kDescription:
      StableSortRows(rows, [](const EventListItem& r) { return r.description; }, direction);
      break;
  }
}
