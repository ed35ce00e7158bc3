// CCounterDiagramPage: "Counting Application (Diagram)": the results of one
// camera's basic counting, up to three counters of one analytics device, or
// one combined counter, added up per hour of a day, per day of a month or
// per month of a year and drawn as a bar chart by its CCounterWnd.
//
// Its controls: the mode selector (as on the counting page), the second
// selector of the mode (cameras by name, analytics devices or combined
// counters, without "All"), the period ("One Day", "One Month", "One Year"),
// the date picker, and in the analytics mode three counter selectors ("N/A"
// and the counters the last refresh found) and, for one day, an hour range.
// In the analytics mode a change of device, period or date searches again
// at once and offers the counters found, keeping the ones chosen where it
// can; the first time it chooses the first three.
//
// A search reads the period from the local databases (always below the
// installation's own root) or, in nvrMode, asks the server; failures are
// reported as on the counting page.  "Export to..." saves the picture of the
// last paint as a BMP file.
//
// The page has no list: it derives from CTabPageEx, not CSearchLogPage.
// Ownership and threads: as CTabPageEx; the page owns its controls, its
// drawing window and its protocol client.
#pragma once

#include <array>
#include <string>

#include "pages/common/page_client.h"
#include "pages/common/tab_page_ex.h"
#include "pages/counting/counter_choices.h"
#include "pages/counting/counter_wnd.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/date_time_picker_model.h"

class CCounterDiagramPage : public CTabPageEx {
 public:
  static constexpr int kTemplateId = 5005;
  static constexpr const char* kLanguageSection = "log_viewer.counting_diagram";
  static constexpr const char* kExportFilter = "BMP Files (*.bmp)|*.bmp|";
  static constexpr const char* kExportExtension = "bmp";

  CCounterDiagramPage();

  // Reads the analytics devices and the combined counters again and rebuilds
  // the mode selector, as on the counting page; the dialog calls it each
  // time it adds the tab.
  void ReadCounterLists();

  CounterMode Mode() const;
  CounterPeriod Period() const;

  // "Search": searches the mode's records of the period, takes the counters
  // chosen (analytics mode) and paints.
  void Search();
  // "Export to...": asks for a file and saves the picture of the last paint
  // there as a BMP file.  Before the first paint, or for a name without
  // ".", nothing is written; a file that could not be written is reported
  // to the user ("Cannot write PATH: REASON", as the list pages do).
  void Export();

  CComboBoxModel& PeriodSelector() { return m_periodSelector; }
  CComboBoxModel& CounterSelector(size_t i) { return m_counterSelectors[i]; }
  CComboBoxModel& FromHour() { return m_fromHour; }
  CComboBoxModel& ToHour() { return m_toHour; }
  CCounterWnd& Window() { return m_window; }

  // CTabPageEx
  void ClearList() override;
  void OnCameraListLoaded() override;
  CPageControls Controls() override;

 private:
  void OnCreate() override;
  void OnModeChosen();
  // Shows the controls the mode and period use and hides the others.
  void ShowControlsOfMode();
  // Searches the mode's records of the period into the window and stores
  // the date and the period there (no paint).
  void RunSearch();
  void SearchLocal(const std::optional<uint32_t>& id, const CDateTime& start, const CDateTime& end);
  void SearchRemote(const std::optional<uint32_t>& id, const CDateTime& start, const CDateTime& end);
  // Analytics mode: searches again and offers the counters found.
  void RefreshIvs();
  void TakeChosenCounters();
  void TellSearchFailed();

  CWindowModel m_modeLabel;
  CComboBoxModel m_modeSelector;
  CWindowModel m_secondLabel;
  CComboBoxModel m_secondSelector;
  CWindowModel m_periodLabel;
  CComboBoxModel m_periodSelector;
  CWindowModel m_dateLabel;
  CDateTimePickerModel m_datePicker;
  CWindowModel m_counterLabel;
  std::array<CComboBoxModel, 3> m_counterSelectors;
  CWindowModel m_timeLabel;
  CComboBoxModel m_fromHour;
  CWindowModel m_toLabel;
  CComboBoxModel m_toHour;
  CButtonModel m_searchButton;
  CButtonModel m_exportButton;
  CCounterWnd m_window;
  std::vector<CConnection> m_connections;
  CounterLists m_lists;
  CPageClient m_client;
};
