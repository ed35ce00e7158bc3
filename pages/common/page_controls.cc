#include "pages/common/page_controls.h"

#include "pages/common/date_range_pickers.h"

CPageControls SearchPageControls(CComboBoxModel& typeSelector, CDateRangePickers& pickers, CButtonModel& searchButton,
                                 CButtonModel& exportButton, CLogListCtrl& list) {
  CPageControls controls;
  controls.typeSelector = &typeSelector;
  controls.dayPicker = &pickers.Day();
  controls.startPicker = &pickers.Start();
  controls.endPicker = &pickers.End();
  controls.searchButton = &searchButton;
  controls.exportButton = &exportButton;
  controls.list = &list;
  return controls;
}
