#include "tools/logview/page_driver.h"

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstring>

#include "pages/common/page_export.h"
#include "tools/logview/listed_row.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/date_time_picker_model.h"
#include "ui/edit_model.h"
#include "ui/log_list_ctrl.h"

namespace {

// A selector entry chosen by its position ("#N"), as Select takes it.  Built by
// appending: g++ 12's release build warns (-Wrestrict) on "#" + text.
std::string ByNumber(const std::string& number) {
  std::string entry = "#";
  entry += number;
  return entry;
}

CDateTime ToDateTime(const LogviewDateTime& t) {
  return CDateTime::FromFields(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

// The entries a selector offers, for a message naming them.
std::string EntryNames(const CComboBoxModel& selector) {
  std::string names;
  for (int i = 0; i < selector.GetCount(); ++i)
    names += (i ? ", \"" : "\"") + selector.GetLBText(i) + "\"";
  return names.empty() ? "none" : names;
}

// ITEM is the shown text, or "#N" for the item value N.
int FindEntry(const CComboBoxModel& selector, const std::string& item) {
  for (int i = 0; i < selector.GetCount(); ++i) {
    if (item.starts_with("#") ? item.substr(1) == std::to_string(selector.GetItemData(i))
                              : selector.GetLBText(i) == item)
      return i;
  }
  return -1;
}

}  // namespace

PageDriver::PageDriver(const LogviewOptions& options, LogviewHost& host, FILE* out, FILE* err, ListTaker taker)
    : m_options(options), m_host(host), m_out(out), m_err(err), m_taker(std::move(taker)) {}

int PageDriver::Usage(const std::string& why) {
  std::fprintf(m_err, "logview: %s\n", why.c_str());
  return kExitUsage;
}

std::string PageDriver::CheckOptions(const CPageControls& c) const {
  const std::string page = "the " + m_options.page + " page";
  if (m_options.mode && c.modeSelector == nullptr) return "--mode: " + page + " has no mode";
  if (m_options.period || m_options.date) return "--period and --date: " + page + " has no diagram";
  if (m_options.hours || m_options.counters) return "--hours and --counters: " + page + " has no diagram";
  if (m_options.printBins || m_options.size) return "--print-bins and --size: " + page + " has no diagram";
  if ((m_options.type || m_options.listTypes) && c.typeSelector == nullptr)
    return page + " has no type selector";
  if ((m_options.camera || m_options.listCameras) && c.secondSelector == nullptr)
    return page + " has no second selector";
  if (m_options.day && c.dayPicker == nullptr) return "--day: " + page + " has no day picker";
  if ((m_options.from || m_options.to) && (c.startPicker == nullptr || c.endPicker == nullptr))
    return "--from and --to: " + page + " has no start and end pickers";
  if (m_options.exportPath && c.exportButton == nullptr) return "--export: " + page + " has no export";
  if (m_options.workbookPath && c.workbookButton == nullptr) return "--export-xlsx: " + page + " has no workbook export";
  if (m_options.grepColumn && !m_options.grep) return "--grep-column: give the text to look for with --grep";
  if (m_options.grep && c.findBox == nullptr) return "--grep: " + page + " has no find box";
  if (c.list == nullptr || c.searchButton == nullptr) return page + " has no list to search";
  std::vector<int> columnsNamed = m_options.sort;
  if (m_options.grepColumn) columnsNamed.push_back(*m_options.grepColumn);
  for (const int column : columnsNamed) {
    if (column < c.list->GetColumnCount()) continue;
    std::string columns;
    for (int i = 0; i < c.list->GetColumnCount(); ++i)
      columns += (i ? ", " : "") + std::to_string(i) + " \"" + c.list->GetColumn(i)->title + "\"";
    return (column == m_options.grepColumn ? "--grep-column" : "--sort") + std::string(": there is no column ") +
           std::to_string(column) + "; the columns are " + columns;
  }
  return {};
}

int PageDriver::Select(CComboBoxModel& selector, const std::string& item, const char* option) {
  const int index = FindEntry(selector, item);
  if (index < 0)
    return Usage(std::string(option) + ": no entry \"" + item + "\"; the entries are " + EntryNames(selector));
  if (!selector.UserSelect(index))
    return Usage(std::string(option) + ": the selector cannot be changed now (with the entries chosen before, it keeps \"" +
                 selector.GetLBText(selector.GetCurSel()) + "\")");
  return kExitSearchRan;
}

void PageDriver::SetPickers(const CPageControls& c) {
  const auto set = [](CDateTimePickerModel& picker, const LogviewDateTime& value) {
    picker.UserSetCheck(true);
    picker.UserSetTime(ToDateTime(value));
  };
  if (m_options.day) set(*c.dayPicker, *m_options.day);
  if (m_options.from) set(*c.startPicker, *m_options.from);
  if (m_options.to) set(*c.endPicker, *m_options.to);
}

int PageDriver::PrintEntries(const CComboBoxModel& selector) {
  for (int i = 0; i < selector.GetCount(); ++i)
    std::fprintf(m_out, "%" PRId64 "\t%s\n", selector.GetItemData(i), selector.GetLBText(i).c_str());
  return kExitSearchRan;
}

void WriteListJson(CLogListCtrl& list, bool withStates, FILE* file) {
  std::string out = "[";
  const std::vector<std::string> titles = ColumnTitles(list);
  const std::vector<CListRowView> rows = list.DrawRows(0, list.GetItemCount());
  for (size_t row = 0; row < rows.size(); ++row)
    out += (row == 0 ? "\n" : ",\n") + JsonRowObject(titles, rows[row], withStates);
  out += rows.empty() ? "]\n" : "\n]\n";
  std::fwrite(out.data(), 1, out.size(), file);
}

std::string PageDriver::CheckDiagramOptions() const {
  const LogviewOptions& o = m_options;
  if (o.type || o.listTypes) return "the diagram page has no type selector";
  if (o.day) return "--day: the diagram page takes its day from --date";
  if (o.from || o.to) return "--from and --to: the diagram page has no start and end pickers";
  if (!o.sort.empty() || o.json) return "--sort and --json: the diagram page has no list";
  if (o.grep || o.grepColumn || o.workbookPath) return "--grep and --export-xlsx: the diagram page has no list";
  if (o.hours && (o.hours->find('-') == std::string::npos)) return "--hours: FROM-TO, such as 8-18";
  if (o.exportPath && ExportFormOf(*o.exportPath) != ExportForm::kNone)
    return "--export: the diagram page writes a .bmp file";
  return {};
}

int PageDriver::RunDiagram(CCounterDiagramPage& page) {
  if (const std::string problem = CheckDiagramOptions(); !problem.empty()) return Usage(problem);
  const CPageControls c = page.Controls();
  const int width = m_options.size ? m_options.size->first : CCounterWnd::kDefaultWidth;
  const int height = m_options.size ? m_options.size->second : CCounterWnd::kDefaultHeight;
  page.Window().MoveWindow(CRect{0, 0, width, height});

  if (m_options.mode) {
    const char* const modes[] = {"basic", "ivs", "combined"};
    const int64_t value = std::find(std::begin(modes), std::end(modes), *m_options.mode) - std::begin(modes);
    if (const int status = Select(*c.modeSelector, ByNumber(std::to_string(value)), "--mode")) return status;
  }
  if (m_options.period) {
    const char* const periods[] = {"day", "month", "year"};
    const int64_t value = std::find(std::begin(periods), std::end(periods), *m_options.period) - std::begin(periods);
    if (const int status = Select(page.PeriodSelector(), ByNumber(std::to_string(value)), "--period")) return status;
  }
  if (m_options.date) c.dayPicker->UserSetTime(ToDateTime(*m_options.date));
  if (m_options.camera) {
    if (const int status = Select(*c.secondSelector, *m_options.camera, "--camera")) return status;
  }
  if (m_options.listCameras) return PrintEntries(*c.secondSelector);
  if (m_options.hours) {
    const size_t dash = m_options.hours->find('-');
    if (const int status = Select(page.FromHour(), ByNumber(m_options.hours->substr(0, dash)), "--hours")) return status;
    if (const int status = Select(page.ToHour(), ByNumber(m_options.hours->substr(dash + 1)), "--hours")) return status;
  }
  if (m_options.counters) {
    size_t i = 0, start = 0;
    for (size_t end = 0; end != std::string::npos && i < 3; start = end + 1, ++i) {
      end = m_options.counters->find(',', start);
      const std::string item = m_options.counters->substr(start, end == std::string::npos ? end : end - start);
      if (const int status = Select(page.CounterSelector(i), item, "--counters")) return status;
    }
  }
  c.searchButton->Click();
  m_host.DeliverPosted();

  if (m_options.exportPath) c.exportButton->Click();
  if (m_options.printBins || !m_options.exportPath) PrintBins(page.Window());
  m_host.DeliverPosted();
  return m_host.SearchFailed() ? kExitSearchFailed : kExitSearchRan;
}

void PageDriver::PrintBins(CCounterWnd& window) {
  const DiagramSeries series = window.Series();
  std::string out = "axis " + std::to_string(window.Axis().start) + " " + std::to_string(window.Axis().step) + "\n";
  for (const CounterSeries& s : series) {
    out += s.name + "\t";
    for (int bin = 0; bin < BinCount(window.period); ++bin) {
      if (bin) out += ' ';
      out += std::to_string(s.bins[static_cast<size_t>(bin)]);
    }
    out += "\n";
  }
  std::fwrite(out.data(), 1, out.size(), m_out);
}

int PageDriver::Run(CTabPageEx& page) {
  if (auto* diagram = dynamic_cast<CCounterDiagramPage*>(&page)) return RunDiagram(*diagram);
  const CPageControls c = page.Controls();
  if (const std::string problem = CheckOptions(c); !problem.empty()) return Usage(problem);

  if (m_options.mode) {
    const char* const modes[] = {"basic", "ivs", "combined"};
    const int64_t value = std::find(std::begin(modes), std::end(modes), *m_options.mode) - std::begin(modes);
    if (const int status = Select(*c.modeSelector, ByNumber(std::to_string(value)), "--mode")) return status;
  }

  if (m_options.type) {
    if (const int status = Select(*c.typeSelector, *m_options.type, "--type")) return status;
  }
  if (m_options.camera) {
    if (const int status = Select(*c.secondSelector, *m_options.camera, "--camera")) return status;
  }
  if (m_options.listTypes || m_options.listCameras)
    return PrintEntries(m_options.listTypes ? *c.typeSelector : *c.secondSelector);

  SetPickers(c);
  c.searchButton->Click();
  m_host.DeliverPosted();
  if (m_options.grep) {
    if (m_options.grepColumn) {
      if (const int status = Select(*c.findColumn, ByNumber(std::to_string(*m_options.grepColumn)), "--grep-column"))
        return status;
    }
    c.findBox->UserSetText(*m_options.grep);
  }
  for (const int column : m_options.sort) c.list->ClickHeader(column);
  if (m_taker) return m_taker(SearchedPage{page, c, m_host});

  if (m_options.workbookPath) c.workbookButton->Click();
  if (m_options.json) {
    WriteListJson(*c.list, c.imagesArePlayStates, m_out);
  } else {
    // A window draws the rows it lists; so does this host, before it prints.
    c.list->DrawRows(0, c.list->GetItemCount());
    if (m_options.exportPath) {
      c.exportButton->Click();
    } else if (!m_options.workbookPath && !WriteListText(*c.list, m_out)) {
      std::fprintf(m_err, "logview: standard output: %s\n", std::strerror(errno));
      return kExitSearchFailed;
    }
  }
  m_host.DeliverPosted();
  return m_host.SearchFailed() ? kExitSearchFailed : kExitSearchRan;
}
