// CPageControls: the controls through which a person works a log page,
// named by their role, so that a host such as the command-line viewer can
// drive any page -- pick selector entries, set the pickers, press Search,
// click headers, export -- without knowing the page's class.  A page without
// a control of a role leaves it null.  The pointers belong to the page and
// live as long as it.
#pragma once

class CButtonModel;
class CComboBoxModel;
class CDateTimePickerModel;
class CEditModel;
class CLogListCtrl;

struct CPageControls {
  // Event type, log type, rule type or step.
  CComboBoxModel* typeSelector = nullptr;
  // The kind of counter a counting page lists or draws.
  CComboBoxModel* modeSelector = nullptr;
  // Camera, channel, device, metadata source or counter.
  CComboBoxModel* secondSelector = nullptr;
  CDateTimePickerModel* dayPicker = nullptr;
  CDateTimePickerModel* startPicker = nullptr;
  CDateTimePickerModel* endPicker = nullptr;
  CButtonModel* searchButton = nullptr;
  CButtonModel* exportButton = nullptr;
  // "Export to Excel workbook...".
  CButtonModel* workbookButton = nullptr;
  // The find box that narrows the list, and the column it looks in (item
  // value -1 for every column, else the column's index).
  CEditModel* findBox = nullptr;
  CComboBoxModel* findColumn = nullptr;
  CLogListCtrl* list = nullptr;
  // Whether the list's row images are the rows' play states (0 playable,
  // 2 not playable), decided when a row is first drawn.
  bool imagesArePlayStates = false;
};

