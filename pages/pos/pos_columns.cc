#include "pages/pos/pos_columns.h"

namespace {

using Align = CListColumn::Align;

constexpr PosColumn kLocalColumns[] = {
    {{61, 150, Align::kLeft}, PosField::kMoment},
    {{62, 190, Align::kLeft}, PosField::kType},
    {{63, 150, Align::kLeft}, PosField::kSource},
    {{50, 80, Align::kLeft}, PosField::kCamera},
    {{64, 400, Align::kLeft}, PosField::kDescription},
};

constexpr PosColumn kRemoteColumns[] = {
    {{157, 80, Align::kCentre}, PosField::kDate},
    {{158, 80, Align::kLeft}, PosField::kClock},
    {{159, 100, Align::kLeft}, PosField::kType},
    {{160, 80, Align::kLeft}, PosField::kSource},
    {{161, 260, Align::kLeft}, PosField::kDescription},
};

}  // namespace

std::span<const PosColumn> LocalPosColumns() { return kLocalColumns; }

std::span<const PosColumn> RemotePosColumns() { return kRemoteColumns; }

std::string_view PosFieldText(const PosLogRaw& row, PosField field, std::string_view typeName,
                              std::string_view sourceName) {
  switch (field) {
    case PosField::kMoment: return row.MomentText();
    case PosField::kDate: return row.DateText();
    case PosField::kClock: return row.ClockText();
    case PosField::kType: return typeName;
    case PosField::kSource: return sourceName;
    case PosField::kCamera: return row.cameraText;
    case PosField::kDescription: return row.description;
  }
  return {};
}

void SortPosRows(PageRows<PosLogRaw>& rows, PosField field, const PosSourceNames& sources, int direction) {
  switch (field) {
    case PosField::kMoment:
    case PosField::kDate:
      StableSortRows(rows, [](const PosLogRaw& r) { return r.MomentText(); }, direction);
      break;
    case PosField::kClock:
      StableSortRows(rows, [](const PosLogRaw& r) { return r.ClockText(); }, direction);
      break;
    case PosField::kType:
      StableSortRows(rows, [](const PosLogRaw& r) { return r.eventRuleId; }, direction);
      break;
    case PosField::kSource:
      StableSortRows(rows, [&](const PosLogRaw& r) -> const std::string& { return sources.NameOf(r.posId); },
                     direction);
      break;
    case PosField::kCamera:
      StableSortRows(rows, [](const PosLogRaw& r) { return r.cameraText; }, direction);
      break;
    case PosField::kDescription:
      StableSortRows(rows, [](const PosLogRaw& r) { return r.description; }, direction);
      break;
  }
}
