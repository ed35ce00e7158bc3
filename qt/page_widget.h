// The widget of one tab page: a widget for each of the page's controls, in
// the page's order, laid out in rows above the list.  A run of static texts
// followed by as many controls puts each text before its control ("Date:"
// before the day picker, "to" before the end picker); a row ends before the
// first picker, so the selectors and the pickers each have a row, and the
// list (or a diagram's picture) takes the rest.  The tab widget shows and hides the page.
#pragma once

#include <QWidget>

#include "ui/window_model.h"

QWidget* MakePageWidget(CWindowModel& page, QWidget* parent);
