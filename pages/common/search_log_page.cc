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
      m_progressText(kStaticClass),
      m_cancelButton("Cancel") {}

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
  for (CWindowModel* control : std::initializer_list<CWindowModel*>{&m_searchButton, &m_exportButton,
                                                                    &m_progressText, &m_cancelButton, &m_list})
    control->SetParent(this);
  m_progressText.Show(false);
  m_cancelButton.Show(false);
  m_list.SetFullRowSelect(true);
  m_list.SetProvider(this);
  TranslatePage();
  for (const PageColumn& column : Columns())
    m_list.InsertColumn(m_list.GetColumnCount(), LoadTranslatedString(column.titleString), column.align,
                        column.width);

  m_connections.push_back(m_typeSelector.OnUserSelected([this](int) { OnTypeChosen(); }));
  m_connections.push_back(m_searchButton.OnClicked([this] { Search(); }));
  m_connections.push_back(m_exportButton.OnClicked([this] { Export(); }));
  m_connections.push_back(m_cancelButton.OnClicked([this] { CancelSearch(); }));
  m_connections.push_back(m_list.OnSortRequest([this](int column, int direction) {
    if (column < 0 || column >= m_list.GetColumnCount()) return;
    SortRows(column, direction);
    m_list.Invalidate();
  }));
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
  controls.list = &m_list;
  return controls;
}

void CSearchLogPage::ClearList() {
  ClearRows();
  m_list.SetItemCount(0);
}

void CSearchLogPage::ShowRows() { m_list.SetItemCount(static_cast<int>(RowCount())); }

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
          &m_searchButton, &m_exportButton};
}

void CSearchLogPage::BeginSearch() {
  m_searching = true;
  m_cancelled = false;
  m_lastProgress = {};  // the first report goes out at once
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

void CSearchLogPage::ReportProgress(size_t rowsRead, size_t filesDone, size_t filesToRead) {
  const auto now = std::chrono::steady_clock::now();
  if (!m_searching || now - m_lastProgress < kProgressInterval) return;
  m_lastProgress = now;
  m_progressText.SetWindowText(SearchProgressText(rowsRead, filesDone, filesToRead));
  Owner()->SearchProgressed();
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
