// CCounterWnd: the drawing window of the counting diagram.  It holds what
// the last search found (the records of the mode searched, the period and
// date, the analytics counters chosen and the hour range) and paints them as
// a bar chart: bins along the bottom, the value axis at the left, a dot and
// a bar per series and bin, the legend and the title at the top.
//
// Paint draws at the window's size into a new picture in memory (no display
// needed) and keeps it; a window front end shows that picture, and
// "Export to..." saves the same picture.  OnChanged reports kValue after
// each paint.
//
// Threads: the user-interface thread only.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "pages/counting/counter_bins.h"
#include "pages/counting/counter_choices.h"
#include "platform/env.h"
#include "ui/drawing_surface.h"
#include "ui/picture_window.h"
#include "vocabulary/counter_log.h"

class CCounterWnd : public CPictureWindow {
 public:
  static constexpr int kDefaultWidth = 800;
  static constexpr int kDefaultHeight = 450;

  CCounterWnd();

  // What a paint draws; the page sets it.
  CounterMode mode = CounterMode::kBasic;
  CounterPeriod period = CounterPeriod::kDay;
  CDateTime date = CDateTime(CDateTime::kValid, 0);  // of the last search; 0 before the first
  std::vector<CounterLog> basicRecords;
  std::vector<IVSCounterLog> ivsRecords;
  std::vector<CombinedCounterLog> combinedRecords;
  std::array<uint32_t, 3> chosenCounters{CombinedCounterLog::kNoCounter, CombinedCounterLog::kNoCounter,
                                         CombinedCounterLog::kNoCounter};
  bool firstTime = true;  // the analytics counters have not been chosen yet
  int fromHour = 0;
  int toHour = 24;

  bool Searched() const { return date.GetTicks() != 0; }
  // The series of the mode and period held, binned.
  DiagramSeries Series() const;

  void Paint() override;
  // The value axis of the last paint (a step of 10 before it).
  const ValueAxis& Axis() const { return m_axis; }

  // Draws the series on `surface` with `axis`, as Paint does.
  void Draw(IDrawingSurface& surface, const DiagramSeries& series, const ValueAxis& axis) const;

 private:
  ValueAxis m_axis;
};
