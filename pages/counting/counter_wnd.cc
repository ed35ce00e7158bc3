#include "pages/counting/counter_wnd.h"

#include <cstdio>

#include "lang/translated_string.h"
#include "ui/raster_surface.h"

namespace {

using Anchor = IDrawingSurface::TextAnchor;

constexpr int kMargin = 50;
constexpr int kRows = 10;
constexpr uint32_t kBackground = 0x000000;
constexpr uint32_t kTextColour = 0xC8C8C8;
constexpr uint32_t kGreen = 0x008700;
constexpr CPen kAxisPen{kGreen, 2, CPen::Style::kSolid};
constexpr CPen kGridPen{kGreen, 1, CPen::Style::kDotted};
constexpr uint32_t kSeriesColours[3] = {0x00C8C8, 0x0000C8, 0xC80000};
constexpr int kIn = 15;
constexpr int kOut = 16;

std::string Decimal(int64_t value) { return std::to_string(value); }

std::string Title(const CDateTime& date, CounterPeriod period) {
  const CDateTime::Fields f = date.Split();
  char title[48];
  if (period == CounterPeriod::kDay)
    std::snprintf(title, sizeof title, "%d/%02d/%02d", f.year, f.month, f.day);
  else if (period == CounterPeriod::kMonth)
    std::snprintf(title, sizeof title, "%d/%02d", f.year, f.month);
  else
    std::snprintf(title, sizeof title, "%d", f.year);
  return title;
}

}  // namespace

CCounterWnd::CCounterWnd() : CPictureWindow("CounterWnd") { MoveWindow(CRect{0, 0, kDefaultWidth, kDefaultHeight}); }

DiagramSeries CCounterWnd::Series() const {
  switch (mode) {
    case CounterMode::kBasic:
      return BinBasic(basicRecords, period, LoadTranslatedString(kIn), LoadTranslatedString(kOut));
    case CounterMode::kIvs:
      return BinIvs(ivsRecords, chosenCounters, period, fromHour, toHour);
    case CounterMode::kCombined:
      return BinCombined(combinedRecords, period);
  }
  return {};
}

void CCounterWnd::Paint() {
  const DiagramSeries series = Series();
  m_axis = ScaleOf(series);
  CRasterSurface surface(GetRect().Width(), GetRect().Height());
  Draw(surface, series, m_axis);
  Painted(surface.Picture());
}

void CCounterWnd::Draw(IDrawingSurface& surface, const DiagramSeries& series, const ValueAxis& axis) const {
  const int width = surface.Width(), height = surface.Height();
  const int bins = BinCount(period);
  const int rowHeight = (height - 2 * kMargin) / kRows;
  const int columnWidth = (width - 2 * kMargin) / bins;
  const int bottom = height - kMargin;
  const int zeroY = bottom + axis.start / axis.step * rowHeight;

  surface.Fill(kBackground);
  surface.Line(kAxisPen, kMargin, kMargin, kMargin, bottom);
  surface.Line(kAxisPen, kMargin, zeroY, width - kMargin, zeroY);
  if (Searched()) surface.Text(Title(date, period), kMargin, 16, Anchor::kTopLeft, kTextColour);

  // The legend: each name, then a bar of its colour 5 pixels after it.
  int x = 150;
  for (size_t s = 0; s < series.size(); ++s) {
    const std::string& name = series[s].name;
    const int nameWidth = surface.TextWidth(name);
    if (!name.empty()) {
      surface.Text(name, x, 16, Anchor::kTopLeft, kTextColour);
      const CPen pen{kSeriesColours[s], 1, CPen::Style::kSolid};
      surface.Rectangle(pen, kSeriesColours[s], x + nameWidth + 5, 24, x + nameWidth + 45, 28);
    }
    x += nameWidth + 55;
  }

  for (int i = 0; i <= bins; ++i) {
    const int lineX = kMargin + i * columnWidth;
    surface.Line(kGridPen, lineX, kMargin, lineX, bottom);
    if (period != CounterPeriod::kMonth || i % 2 == 1)
      surface.Text(Decimal(i), lineX, bottom + 4, Anchor::kTopCentre, kTextColour);
  }
  for (int j = 0; j <= kRows; ++j) {
    const int lineY = bottom - j * rowHeight;
    surface.Line(kGridPen, kMargin, lineY, width - kMargin, lineY);
    surface.Text(Decimal(int64_t{j} * axis.step + axis.start), kMargin - 4, lineY + 4, Anchor::kBaselineRight,
                 kTextColour);
  }

  if (!Searched()) return;
  for (size_t s = 0; s < series.size(); ++s) {
    const CPen pen{kSeriesColours[s], 1, CPen::Style::kSolid};
    for (int k = 0; k < bins; ++k) {
      const int32_t value = series[s].bins[static_cast<size_t>(k)];
      if (value == 0) continue;
      const int centre = kMargin + columnWidth / 2 + k * columnWidth;
      const float scaled = static_cast<float>(value) * static_cast<float>(rowHeight) / static_cast<float>(axis.step);
      const int barHeight = static_cast<int>(scaled);
      const int top = static_cast<int>(static_cast<float>(zeroY) - scaled);
      const int left = centre - 4 + 4 * static_cast<int>(s);
      surface.Ellipse(pen, kSeriesColours[s], left, top - 2, left + 4, top + 2);
      surface.Rectangle(pen, kSeriesColours[s], left, top, left + 4, top + barHeight);
    }
  }
}
