#include "pages/counting/counter_diagram_page.h"

#include <cstdio>
#include <map>

#include "lang/translated_string.h"
#include "store/event_log_query_ctrl.h"
#include "ui/bmp_file.h"
#include "ui/message_box.h"
#include "vocabulary/string_table.h"

namespace {

constexpr int kDiagramTitle = 5;
constexpr int kOneDay = 51;
constexpr int kNotAvailable = 92;
constexpr int kErrorCaption = 80;
constexpr int kRemoteSuccess = 1;
constexpr int kRemoteTransportFailure = -1;
constexpr int64_t kSecond = CDateTime::kTicksPerSecond;

std::vector<SelectorChoice> HourChoices(int first, int last) {
  std::vector<SelectorChoice> choices;
  for (int hour = first; hour <= last; ++hour) {
    char text[8];
    std::snprintf(text, sizeof text, "%2d", hour);
    choices.push_back({text, hour});
  }
  return choices;
}

// The local search of one kind of counter: the records the query collects.
template <class Record>
bool CollectLocal(const std::string& root, const typename LogTable<Record>::Filter& filter, const CDateTime& start,
                  const CDateTime& end, std::vector<Record>& records) {
  CVxEventLogQueryCtrl<Record> query;
  query.Initialise(root);
  int count = 0;
  const bool ok = query.Search(filter, start, end, &count);
  records.clear();
  records.reserve(query.GetResults().size());
  for (const std::unique_ptr<Record>& record : query.GetResults()) records.push_back(*record);
  return ok;
}

}  // namespace

CCounterDiagramPage::CCounterDiagramPage()
    : CTabPageEx(kTemplateId, kLanguageSection),
      m_modeLabel(kStaticClass, "Mode:"),
      m_secondLabel(kStaticClass, "Channel:"),
      m_periodLabel(kStaticClass, "Period:"),
      m_dateLabel(kStaticClass, "Date:"),
      m_counterLabel(kStaticClass, "Counter:"),
      m_timeLabel(kStaticClass, "Time:"),
      m_toLabel(kStaticClass, "to"),
      m_searchButton("Search"),
      m_exportButton("Export to...") {
  SetWindowText(LoadStringText(kDiagramTitle));
}

void CCounterDiagramPage::OnCreate() {
  for (CWindowModel* control : std::initializer_list<CWindowModel*>{
           &m_modeLabel, &m_modeSelector, &m_secondLabel, &m_secondSelector, &m_periodLabel, &m_periodSelector,
           &m_dateLabel, &m_datePicker, &m_counterLabel, &m_counterSelectors[0], &m_counterSelectors[1],
           &m_counterSelectors[2], &m_timeLabel, &m_fromHour, &m_toLabel, &m_toHour, &m_searchButton,
           &m_exportButton, &m_window})
    control->SetParent(this);
  TranslatePage();
  FillSelector(m_periodSelector, {{LoadTranslatedString(kOneDay), 0},
                                  {LoadTranslatedString(kOneDay + 1), 1},
                                  {LoadTranslatedString(kOneDay + 2), 2}});
  FillSelector(m_fromHour, HourChoices(0, 23));
  FillSelector(m_toHour, HourChoices(1, 24));
  m_toHour.SetCurSel(m_toHour.GetCount() - 1);
  for (CComboBoxModel& selector : m_counterSelectors)
    FillSelector(selector, {{LoadTranslatedString(kNotAvailable), kNoCounterItem}});

  const auto refreshIvs = [this] {
    if (Mode() == CounterMode::kIvs) RefreshIvs();
  };
  m_connections.push_back(m_modeSelector.OnUserSelected([this](int) { OnModeChosen(); }));
  m_connections.push_back(m_secondSelector.OnUserSelected([refreshIvs](int) { refreshIvs(); }));
  m_connections.push_back(m_periodSelector.OnUserSelected([this, refreshIvs](int) {
    ShowControlsOfMode();
    refreshIvs();
  }));
  m_connections.push_back(m_datePicker.OnUserChangedTime(refreshIvs));
  m_connections.push_back(m_searchButton.OnClicked([this] { Search(); }));
  m_connections.push_back(m_exportButton.OnClicked([this] { Export(); }));
  FillSelector(m_modeSelector, ModeChoices(m_lists.combinedAvailable));
  OnCameraListLoaded();
  ShowControlsOfMode();
}

void CCounterDiagramPage::ReadCounterLists() {
  m_lists = LoadCounterLists(*Owner(), Owner()->Settings().nvrMode != 0 ? &m_client.Get(*Owner()) : nullptr);
  FillSelector(m_modeSelector, ModeChoices(m_lists.combinedAvailable));
  OnModeChosen();
}

CounterMode CCounterDiagramPage::Mode() const { return static_cast<CounterMode>(SelectedValue(m_modeSelector, 0)); }

CounterPeriod CCounterDiagramPage::Period() const {
  return static_cast<CounterPeriod>(SelectedValue(m_periodSelector, 0));
}

void CCounterDiagramPage::OnCameraListLoaded() {
  std::vector<SelectorChoice> choices;
  switch (Mode()) {
    case CounterMode::kBasic:
      for (size_t i = 0; i < Owner()->CameraNames().size() && i < Owner()->CameraIds().size(); ++i)
        choices.push_back({Owner()->CameraNames()[i], Owner()->CameraIds()[i]});
      break;
    case CounterMode::kIvs:
      choices = DeviceChoices(m_lists.devices, Owner()->Settings().userAccount);
      break;
    case CounterMode::kCombined:
      choices = CounterChoices(m_lists.counters);
      break;
  }
  FillSelector(m_secondSelector, choices);
}

void CCounterDiagramPage::ShowControlsOfMode() {
  const bool ivs = Mode() == CounterMode::kIvs;
  m_counterLabel.Show(ivs);
  for (CComboBoxModel& selector : m_counterSelectors) selector.Show(ivs);
  const bool hours = ivs && Period() == CounterPeriod::kDay;
  for (CWindowModel* control : std::initializer_list<CWindowModel*>{&m_timeLabel, &m_fromHour, &m_toLabel, &m_toHour})
    control->Show(hours);
}

void CCounterDiagramPage::OnModeChosen() {
  m_window.mode = Mode();
  OnCameraListLoaded();
  ShowControlsOfMode();
  m_window.basicRecords.clear();
  m_window.Paint();
  if (Mode() == CounterMode::kIvs) RefreshIvs();
}

CPageControls CCounterDiagramPage::Controls() {
  CPageControls controls;
  controls.modeSelector = &m_modeSelector;
  controls.secondSelector = &m_secondSelector;
  controls.dayPicker = &m_datePicker;
  controls.searchButton = &m_searchButton;
  controls.exportButton = &m_exportButton;
  return controls;
}

void CCounterDiagramPage::ClearList() {
  m_window.basicRecords.clear();
  m_window.ivsRecords.clear();
  m_window.combinedRecords.clear();
}

void CCounterDiagramPage::TakeChosenCounters() {
  for (size_t i = 0; i < m_counterSelectors.size(); ++i)
    m_window.chosenCounters[i] = static_cast<uint32_t>(SelectedValue(m_counterSelectors[i]));
}

void CCounterDiagramPage::Search() {
  RunSearch();
  if (Mode() == CounterMode::kIvs) TakeChosenCounters();
  m_window.Paint();
}

void CCounterDiagramPage::RunSearch() {
  const PeriodRange period = PeriodOf(m_datePicker.GetTime(), Period());
  // Analytics counters: the reading taken as the next period starts closes
  // this one's last bin.
  const CDateTime end = Mode() == CounterMode::kIvs ? period.next + 59 * kSecond : period.next - kSecond;
  std::optional<uint32_t> id;
  if (m_secondSelector.GetCurSel() >= 0) id = static_cast<uint32_t>(SelectedValue(m_secondSelector));
  if (Mode() == CounterMode::kIvs) {
    m_window.fromHour = static_cast<int>(SelectedValue(m_fromHour, 0));
    m_window.toHour = static_cast<int>(SelectedValue(m_toHour, 24));
  }
  if (Owner()->Settings().nvrMode != 0)
    SearchRemote(id, period.start, end);
  else
    SearchLocal(id, period.start, end);
  m_window.mode = Mode();
  m_window.period = Period();
  m_window.date = m_datePicker.GetTime();
}

void CCounterDiagramPage::SearchLocal(const std::optional<uint32_t>& id, const CDateTime& start,
                                      const CDateTime& end) {
  // The installation's own databases, whatever folder the viewer's list pages search.
  const std::string root = Owner()->InstallFolder() + "/";
  bool ok = true;
  switch (Mode()) {
    case CounterMode::kBasic:
      ok = CollectLocal<CounterLog>(root, CounterLogFilter{id}, start, end, m_window.basicRecords);
      break;
    case CounterMode::kIvs:
      ok = CollectLocal<IVSCounterLog>(root, IVSCounterLogFilter{id}, start, end, m_window.ivsRecords);
      break;
    case CounterMode::kCombined:
      ok = CollectLocal<CombinedCounterLog>(root, CombinedCounterLogFilter{id}, start, end, m_window.combinedRecords);
      break;
  }
  if (!ok) TellSearchFailed();
}

void CCounterDiagramPage::SearchRemote(const std::optional<uint32_t>& id, const CDateTime& start,
                                       const CDateTime& end) {
  const ViewerSettings& settings = Owner()->Settings();
  const std::string url = ServerUrl(settings);
  IVXPPClient& client = m_client.Get(*Owner());
  const uint32_t* idFilter = id ? &*id : nullptr;
  const uint32_t channel = static_cast<uint32_t>(m_secondSelector.GetCurSel());
  int cameraIds = 0;
  int result = kRemoteSuccess;
  switch (Mode()) {
    case CounterMode::kBasic:
      m_window.basicRecords.clear();
      result = client.CountingLog(url, settings.userSessionNo, idFilter, start, end, m_window.basicRecords,
                                  &channel, &cameraIds);
      break;
    case CounterMode::kIvs:
      m_window.ivsRecords.clear();
      result = client.IVSCountingLog(url, settings.userSessionNo, idFilter, start, end, m_window.ivsRecords,
                                     &channel, &cameraIds);
      break;
    case CounterMode::kCombined:
      m_window.combinedRecords.clear();
      if (client.CombinedCountingLog(url, settings.userSessionNo, idFilter, start, end,
                                     m_window.combinedRecords) != kRemoteSuccess)
        TellSearchFailed();
      return;
  }
  if (result == kRemoteTransportFailure) {
    if (platform::CWnd* host = Owner()->EventHostWindow()) host->PostMessage(platform::kMsgRemoteRequestFailed, 0, 0);
  } else if (result != kRemoteSuccess) {
    TellSearchFailed();
  }
}

void CCounterDiagramPage::RefreshIvs() {
  if (!m_window.firstTime) TakeChosenCounters();
  RunSearch();
  // Each counter found, named as its latest reading names it.
  std::map<uint32_t, std::string> counters;
  for (const IVSCounterLog& record : m_window.ivsRecords) counters[record.CounterId] = record.CounterName;
  std::vector<SelectorChoice> choices{{LoadTranslatedString(kNotAvailable), kNoCounterItem}};
  for (const auto& [id, name] : counters) choices.push_back({name, id});
  auto next = counters.begin();
  for (size_t i = 0; i < m_counterSelectors.size(); ++i) {
    uint32_t& chosen = m_window.chosenCounters[i];
    if (m_window.firstTime)
      chosen = next != counters.end() ? (next++)->first : CombinedCounterLog::kNoCounter;
    else if (counters.count(chosen) == 0)
      chosen = CombinedCounterLog::kNoCounter;
    FillSelector(m_counterSelectors[i], choices);
    for (int entry = 0; entry < m_counterSelectors[i].GetCount(); ++entry) {
      if (m_counterSelectors[i].GetItemData(entry) == int64_t{chosen})
        m_counterSelectors[i].SetCurSel(entry);
    }
  }
  m_window.firstTime = false;
  m_window.Paint();
}

void CCounterDiagramPage::Export() {
  const std::optional<std::string> path = Owner()->ChooseSavePath(kExportFilter, kExportExtension);
  if (!path || path->find('.') == std::string::npos || m_window.Picture().Empty()) return;
  std::string error;
  if (!SaveBmp(m_window.Picture(), *path, &error))
    Owner()->AskUser("Cannot write " + error, LoadTranslatedString(kErrorCaption),
                     CMessageBox::kOk | CMessageBox::kIconStop);
}

void CCounterDiagramPage::TellSearchFailed() {
  Owner()->DialogWindow()->SendMessage(platform::kMsgSearchFailed, 0, 0);
}
