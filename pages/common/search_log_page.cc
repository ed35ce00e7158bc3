#include "pages/common/search_log_page.h"

#include "lang/translated_string.h"
#include "pages/common/page_export.h"
#include "pages/common/search_progress_text.h"
#include "ui/message_box.h"

CSearchLogPage::CSearchLogPage(int templateId, std::string languageSection, Texts texts)
    : CTabPageEx(templateId, std::move(languageSection)),
      m_texts(texts),
      m_typeLabel(kStaticClass, texts.typeLabel),
      m_secondLabel(kStaticClass, texts.secondLabel != nullptr ? texts.secondLabel : ""),
      m_dayLabel(kStaticClass, "Date:"),
      m_rangeLabel(kStaticClass, "Date Time:"),
      m_toLabel(kStaticClass, "to"),
      m_searchButton("Search"),
      m_exportButton("Export to..."),
      m_workbookButton("Export to Excel workbook..."),
      m_progressText(kStaticClass),
      m_cancelButton("Cancel"),
      m_narrowing(*this, m_list) {}

CSearchLogPage::~CSearchLogPage() { m_list.SetProvider(nullptr); }

void CSearchLogPage::OnCreate() {
  m_typeLabel.SetParent(this);
  m_typeSelector.SetParent(this);
  if (m_texts.secondLabel != nullptr) {
    m_secondLabel.SetParent(this);
    m_secondSelector.SetParent(this);
  }
  for (CWindowModel* label : {&m_dayLabel, &m_rangeLabel, &m_toLabel}) label->SetParent(this);
  m_pickers.AddTo(*this);
  for (CWindowModel* control :
       std::initializer_list<CWindowModel*>{&m_searchButton, &m_exportButton, &m_progressText, &m_cancelButton})
    control->SetParent(this);
  m_narrowing.AddTo(*this);  // the find box lies above the list
  // The workbook export follows the find box: what it writes is the narrowed list.
  m_workbookButton.SetParent(this);
  m_list.SetParent(this);
  m_progressText.Show(false);
  m_cancelButton.Show(false);
  m_list.SetFullRowSelect(true);
  TranslatePage();
  for (const PageColumn& column : Columns())
    m_list.InsertColumn(m_list.GetColumnCount(), LoadTranslatedString(column.titleString), column.align,
                        column.width);

  m_connections.push_back(m_typeSelector.OnUserSelected([this](int) { OnTypeChosen(); }));
  m_connections.push_back(m_searchButton.OnClicked([this] { Search(); }));
  m_connections.push_back(m_exportButton.OnClicked([this] { Export(); }));
  m_connections.push_back(m_workbookButton.OnClicked([this] { ExportWorkbook(); }));
  m_connections.push_back(m_cancelButton.OnClicked([this] { CancelSearch(); }));
  m_connections.push_back(m_list.OnSortRequest([this](int column, int direction) {
    if (column < 0 || column >= m_list.GetColumnCount()) return;
    SortRows(column, direction);
    m_narrowing.Resorted();
  }));
  std::vector<std::string> similar;
  for (const SimilarChoice& choice : SimilarChoices(ShowSimilarColumns())) similar.push_back(choice.text);
  m_list.SetRowMenu(std::move(similar));
  m_connections.push_back(m_list.OnRowMenuChosen([this](int row, int item) { ShowSimilar(row, item); }));
  RebuildTypeSelector();
}

void CSearchLogPage::RebuildTypeSelector() {
  m_typeSelector.ResetContent();
  for (const SelectorChoice& choice : TypeChoices())
    m_typeSelector.SetItemData(m_typeSelector.AddString(choice.text), choice.value);
  m_typeSelector.SetCurSel(0);
  OnTypeChosen();
}

CPageControls CSearchLogPage::Controls() {
  CPageControls controls;
  controls.typeSelector = &m_typeSelector;
  if (m_texts.secondLabel != nullptr) controls.secondSelector = &m_secondSelector;
  controls.dayPicker = &m_pickers.Day();
  controls.startPicker = &m_pickers.Start();
  controls.endPicker = &m_pickers.End();
  controls.searchButton = &m_searchButton;
  controls.exportButton = &m_exportButton;
  controls.workbookButton = &m_workbookButton;
  controls.findBox = &m_narrowing.FindBox();
  controls.findColumn = &m_narrowing.ColumnChoice();
  controls.list = &m_list;
  return controls;
}

void CSearchLogPage::ClearList() {
  ClearRows();
  m_narrowing.Show(0);
}

void CSearchLogPage::ShowRows() { m_narrowing.Show(RowCount()); }

void CSearchLogPage::Search() {
  if (m_searching) return;
  const std::optional<CDateRange> range = m_pickers.Range();
  if (!range) {  // the start lies after the end: nothing to look for
    ClearList();
    return;
  }
  BeginSearch();
  RunSearch(*range);
  EndSearch();
}

std::vector<CWindowModel*> CSearchLogPage::SearchInputs() {
  return {&m_typeSelector, &m_secondSelector, &m_pickers.Day(), &m_pickers.Start(), &m_pickers.End(),
          &m_searchButton, &m_exportButton, &m_workbookButton, &m_narrowing.FindBox(), &m_narrowing.ColumnChoice()};
}

void CSearchLogPage::BeginSearch() {
  m_searching = true;
  m_cancelled = false;
  m_lastProgress = {};  // the first report goes out at once
  m_filesDone = m_filesToRead = 0;
  m_recordsRead = 0;
  m_enabledBeforeSearch.clear();
  for (CWindowModel* input : SearchInputs()) {
    m_enabledBeforeSearch.push_back(input->IsEnabled());
    input->Enable(false);
  }
  m_progressText.SetWindowText(SearchProgressText(0, 0, 0));
  m_progressText.Show(true);
  m_cancelButton.Show(true);
}

void CSearchLogPage::EndSearch() {
  const std::vector<CWindowModel*> inputs = SearchInputs();
  for (size_t i = 0; i < inputs.size(); ++i) inputs[i]->Enable(m_enabledBeforeSearch[i]);
  m_cancelButton.Show(false);
  m_searching = false;
  if (!m_cancelled) {
    m_progressText.Show(false);
    return;
  }
  m_progressText.SetWindowText(SearchCancelledText(RowCount()));
}

void CSearchLogPage::CancelSearch() {
  if (!m_searching || m_cancelled) return;
  m_cancelled = true;
  AbortSearch();
}

void CSearchLogPage::ReportProgress(size_t rowsRead) {
  const auto now = std::chrono::steady_clock::now();
  if (!m_searching || now - m_lastProgress < kProgressInterval) return;
  m_lastProgress = now;
  m_progressText.SetWindowText(SearchProgressText(rowsRead, m_filesDone, m_filesToRead));
  Owner()->SearchProgressed();
}

void CSearchLogPage::ReportFilesRead(size_t rowsRead, size_t filesDone, size_t filesToRead) {
  m_filesDone = filesDone;
  m_filesToRead = filesToRead;
  ReportProgress(rowsRead);
}

bool CSearchLogPage::InterruptLocalQuery() {
  if (!m_interruptLocalQuery) return false;
  m_interruptLocalQuery();
  return true;
}

void CSearchLogPage::TellSearchFailed(const std::string& reason) {
  const platform::LPARAM lParam = reason.empty() ? 0 : reinterpret_cast<platform::LPARAM>(&reason);
  Owner()->DialogWindow()->SendMessage(platform::kMsgSearchFailed, 0, lParam);
}

void CSearchLogPage::TellServerUnreachable(platform::CWnd* host) {
  if (host != nullptr) host->PostMessage(platform::kMsgRemoteRequestFailed, 0, 0);
}

IVXPPClient& CSearchLogPage::Client() {
  return m_client.Get(*Owner(), [this] { ReportProgress(RowCount()); });
}

void CSearchLogPage::Export() {
  if (const std::optional<std::string> path = Owner()->ChooseSavePath(m_texts.exportFilter, kExportExtension))
    ExportTo(*path);
}

bool CSearchLogPage::ExportTo(const std::string& path) {
  const ExportForm form = ExportFormFor(path);
  if (form == ExportForm::kNone) return false;  // not a form the page writes: nothing to say
  std::string error;
  if (ExportList(m_list, path, form, &error)) return true;
  // The reason names the file already ("PATH: No space left on device").
  Owner()->AskUser("Cannot write " + error, LoadTranslatedString(kErrorCaption),
                   CMessageBox::kOk | CMessageBox::kIconStop);
  return false;
}

void CSearchLogPage::ExportWorkbook() {
  if (const std::optional<std::string> path = Owner()->ChooseSavePath(kWorkbookFilter, kWorkbookExtension))
    ExportWorkbookTo(*path);
}

bool CSearchLogPage::ExportWorkbookTo(const std::string& path) {
  std::string error;
  if (::ExportWorkbook(m_list, WorkbookSource(), path, &error)) return true;
  Owner()->AskUser("Cannot write " + error, LoadTranslatedString(kErrorCaption),
                   CMessageBox::kOk | CMessageBox::kIconStop);
  return false;
}

std::vector<WorkbookFact> CSearchLogPage::WorkbookSource() const {
  const ViewerSettings& settings = Owner()->Settings();
  std::vector<WorkbookFact> facts;
  if (settings.remoteCameraList != 0)
    facts.push_back({"Server", std::string(settings.serverAddress) + ":" + std::to_string(settings.serverPort)});
  else
    facts.push_back({"Installation", Owner()->InstallFolder() + " (logs in " + Owner()->LogRoot() + ")"});
  facts.push_back({"Page", LanguageSection()});
  const auto shown = [](const CComboBoxModel& selector) {
    return selector.GetCurSel() >= 0 ? selector.GetLBText(selector.GetCurSel()) : std::string();
  };
  facts.push_back({m_texts.typeLabel, shown(m_typeSelector)});
  if (m_texts.secondLabel != nullptr) facts.push_back({m_texts.secondLabel, shown(m_secondSelector)});
  if (const std::optional<CDateRange> range = m_pickers.Range()) {
    facts.push_back({"From", range->start.FormatListCell()});
    facts.push_back({"To", range->end.FormatListCell()});
  }
  if (const std::string find = m_narrowing.FindText(); !find.empty())
    facts.push_back({"Find", find + " in " + m_narrowing.ColumnText()});
  facts.push_back({"Rows", CListNarrowing::CountText(static_cast<size_t>(m_list.GetItemCount()), RowCount())});
  facts.push_back({"Written", CDateTime::Now().FormatListCell()});
  return facts;
}

bool CSearchLogPage::ShowSimilar(int listRow, int item) {
  const std::vector<SimilarChoice> choices = SimilarChoices(ShowSimilarColumns());
  if (item < 0 || item >= static_cast<int>(choices.size()) || listRow < 0 || listRow >= m_list.GetItemCount())
    return false;
  const SimilarChoice& choice = choices[static_cast<size_t>(item)];
  const SimilarColumns columns = ShowSimilarColumns();
  const int row = PageRowOf(listRow);
  // Both entries are found first: a row without one changes nothing.
  const int typeEntry = choice.type ? SimilarEntry(m_typeSelector, row, columns.type) : 0;
  const int secondEntry = choice.second ? SimilarEntry(m_secondSelector, row, columns.second) : 0;
  if (typeEntry < 0 || secondEntry < 0) return false;
  if (choice.type && !m_typeSelector.UserSelect(typeEntry)) return false;
  if (choice.second && !m_secondSelector.UserSelect(secondEntry)) return false;
  Search();
  return true;
}
