#include "pages/system/sys_log_page.h"

#include "lang/translated_string.h"
#include "pages/common/page_export.h"
#include "protocol/vxpp_client.h"
#include "vocabulary/string_table.h"
#include "store/log_root_folder.h"
#include "store/system_log_query_ctrl.h"
#include "ui/message_box.h"

namespace {

constexpr int kFailToOpenDatabase = 1;
constexpr int kErrorCaption = 80;
constexpr int kSystemLogTitle = 3;
constexpr int kRemoteSuccess = 1;
constexpr int kRemoteTransportFailure = -1;

}  // namespace

CSysLogPage::CSysLogPage(std::span<const Column> columns)
    : CTabPageEx(kTemplateId, kLanguageSection),
      m_columns(columns),
      m_typeLabel(kStaticClass, "Log Type:"),
      m_dayLabel(kStaticClass, "Date:"),
      m_rangeLabel(kStaticClass, "Date Time:"),
      m_toLabel(kStaticClass, "to"),
      m_searchButton("&Search"),
      m_exportButton("&Export to...") {
  SetWindowText(LoadStringText(kSystemLogTitle));
  m_list.SetProvider(this);
  m_searchClicked = m_searchButton.OnClicked([this] { Search(); });
  m_exportClicked = m_exportButton.OnClicked([this] { Export(); });
  m_sortRequested = m_list.OnSortRequest([this](int column, int direction) { Sort(column, direction); });
}

CSysLogPage::~CSysLogPage() { m_list.SetProvider(nullptr); }

void CSysLogPage::OnCreate() {
  for (CWindowModel* control : {&m_typeLabel, static_cast<CWindowModel*>(&m_typeSelector), &m_dayLabel,
                                &m_rangeLabel, &m_toLabel})
    control->SetParent(this);
  m_pickers.AddTo(*this);
  for (CWindowModel* control :
       {static_cast<CWindowModel*>(&m_searchButton), static_cast<CWindowModel*>(&m_exportButton),
        static_cast<CWindowModel*>(&m_list)})
    control->SetParent(this);
  Lay();
  TranslatePage();
  RebuildTypeSelector();
  m_list.SetFullRowSelect(true);
  for (const Column& column : m_columns)
    m_list.InsertColumn(m_list.GetColumnCount(), LoadTranslatedString(column.titleString), column.align,
                        column.width);
}

// The page's layout in pixels, as its dialog template gives it.
void CSysLogPage::Lay() {
  m_typeLabel.MoveWindow({10, 14, 80, 30});
  m_typeSelector.MoveWindow({85, 10, 325, 210});
  m_dayLabel.MoveWindow({340, 14, 380, 30});
  m_pickers.Day().MoveWindow({385, 10, 505, 32});
  m_rangeLabel.MoveWindow({10, 46, 80, 62});
  m_pickers.Start().MoveWindow({85, 42, 245, 64});
  m_toLabel.MoveWindow({250, 46, 265, 62});
  m_pickers.End().MoveWindow({270, 42, 430, 64});
  m_searchButton.MoveWindow({520, 10, 620, 34});
  m_exportButton.MoveWindow({520, 42, 620, 66});
  m_list.MoveWindow({10, 76, 760, 420});
}

void CSysLogPage::RebuildTypeSelector() {
  m_typeSelector.ResetContent();
  for (const SystemLogTypeChoice& choice : TypeChoices()) {
    const int index = m_typeSelector.AddString(LoadTranslatedString(choice.stringNumber));
    m_typeSelector.SetItemData(index, choice.value);
  }
  m_typeSelector.SetCurSel(0);
}

SystemLogStatus CSysLogPage::Switches() const {
  return Owner() != nullptr ? Owner()->SystemSwitches() : SystemLogStatus{};
}

CPageControls CSysLogPage::Controls() {
  return SearchPageControls(m_typeSelector, m_pickers, m_searchButton, m_exportButton, m_list);
}

void CSysLogPage::ClearList() {
  m_rows.clear();
  m_list.SetItemCount(0);
}

void CSysLogPage::Search() {
  const std::optional<CDateRange> range = m_pickers.Range();
  if (!range) {  // start after end: nothing to search
    ClearList();
    return;
  }
  std::optional<int32_t> logType;
  const int selected = m_typeSelector.GetCurSel();
  if (selected != CComboBoxModel::kError && m_typeSelector.GetItemData(selected) != kAllSystemLogTypes)
    logType = static_cast<int32_t>(m_typeSelector.GetItemData(selected));
  if (Owner() != nullptr && Owner()->Settings().remoteCameraList != 0)
    SearchRemote(logType, *range);
  else
    SearchLocal(logType, *range);
}

void CSysLogPage::SearchLocal(const std::optional<int32_t>& logType, const CDateRange& range) {
  CVxSystemLogQueryCtrl query;
  const std::string address = Owner() != nullptr ? std::string(Owner()->Settings().serverAddress) : std::string();
  if (!query.Initialise(LogRootFolder(address))) {
    CMessageBox::Show(LoadTranslatedString(kFailToOpenDatabase), LoadTranslatedString(kErrorCaption));
    return;
  }
  int count = 0;
  const bool ok = query.Search(logType, range.start, range.end, &count);
  // What was read before a failure is shown all the same.
  ShowRecords(query.GetResults());
  if (!ok) SendToDialog(platform::kMsgSearchFailed);
}

void CSysLogPage::SearchRemote(const std::optional<int32_t>& logType, const CDateRange& range) {
  const ViewerSettings& settings = Owner()->Settings();
  CVXPPClient client;
  client.SetPort(static_cast<uint32_t>(settings.serverPort));
  if (settings.nvrMode != 0) client.SetNvr();
  std::vector<SystemLogRecord> records;
  const int number = logType.value_or(0);
  const int result = client.SystemLog(ServerUrl(settings), settings.userSessionNo,
                                      logType ? &number : nullptr, range.start, range.end, records);
  if (result == kRemoteSuccess) {
    ShowRecords(records);
  } else if (result == kRemoteTransportFailure) {
    if (platform::CWnd* host = Owner()->EventHostWindow()) host->PostMessage(platform::kMsgRemoteRequestFailed, 0, 0);
  } else {
    SendToDialog(platform::kMsgSearchFailed);
  }
}

void CSysLogPage::ShowRecords(const std::vector<SystemLogRecord>& records) {
  const CSysLogRowTexts texts;
  const SystemLogStatus switches = Switches();
  m_rows.clear();
  for (const SystemLogRecord& record : records) {
    if (std::optional<SysLogCells> cells = RowOf(record, texts, switches))
      m_rows.push_back(std::make_shared<SysLogCells>(std::move(*cells)));
  }
  m_list.SetItemCount(static_cast<int>(m_rows.size()));
}

void CSysLogPage::SendToDialog(platform::UINT message) {
  if (Owner() != nullptr && Owner()->DialogWindow() != nullptr) Owner()->DialogWindow()->SendMessage(message, 0, 0);
}

std::string CSysLogPage::GetItemText(int row, int column) {
  if (row < 0 || static_cast<size_t>(row) >= m_rows.size()) return {};
  const SysLogCells& cells = *m_rows[static_cast<size_t>(row)];
  return column >= 0 && static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)]
                                                                    : std::string();
}

// Every column sorts by the text it shows: the time and date texts are
// zero-padded, so their text order is time order.
void CSysLogPage::Sort(int column, int direction) {
  if (column < 0 || static_cast<size_t>(column) >= m_columns.size()) return;
  const size_t index = static_cast<size_t>(column);
  StableSortRows(m_rows, [index](const SysLogCells& cells) -> const std::string& { return cells[index]; },
                 direction);
  m_list.Invalidate();
}

void CSysLogPage::Export() {
  if (const std::optional<std::string> path = ChooseExportPath(kExportFilter)) ExportTo(*path);
}

bool CSysLogPage::ExportTo(const std::string& path) {
  std::string error;
  return ExportList(m_list, path, &error);
}
