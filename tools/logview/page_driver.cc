#include "tools/logview/page_driver.h"

#include <cerrno>
#include <cinttypes>
#include <cstring>

#include "pages/common/page_export.h"
#include "platform/code_page.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/date_time_picker_model.h"
#include "ui/log_list_ctrl.h"

namespace {

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

void AppendJsonString(std::string& out, const std::string& systemText) {
  out += '"';
  for (const char c : platform::SystemToUtf8(systemText)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  out += '"';
}

}  // namespace

PageDriver::PageDriver(const LogviewOptions& options, LogviewHost& host, FILE* out, FILE* err)
    : m_options(options), m_host(host), m_out(out), m_err(err) {}

int PageDriver::Usage(const std::string& why) {
  std::fprintf(m_err, "logview: %s\n", why.c_str());
  return kExitUsage;
}

std::string PageDriver::CheckOptions(const CPageControls& c) const {
  const std::string page = "the " + m_options.page + " page";
  if (m_options.mode) return "--mode: " + page + " has no mode";
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
  if (c.list == nullptr || c.searchButton == nullptr) return page + " has no list to search";
  for (const int column : m_options.sort) {
    if (column < c.list->GetColumnCount()) continue;
    std::string columns;
    for (int i = 0; i < c.list->GetColumnCount(); ++i)
      columns += (i ? ", " : "") + std::to_string(i) + " \"" + c.list->GetColumn(i)->title + "\"";
    return "--sort: there is no column " + std::to_string(column) + "; the columns are " + columns;
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

void PageDriver::PrintJson(CLogListCtrl& list, bool withStates) {
  std::string out = "[";
  const std::vector<CListRowView> rows = list.DrawRows(0, list.GetItemCount());
  for (size_t row = 0; row < rows.size(); ++row) {
    out += row == 0 ? "\n{" : ",\n{";
    for (int column = 0; column < list.GetColumnCount(); ++column) {
      AppendJsonString(out, list.GetColumn(column)->title);
      out += ": ";
      AppendJsonString(out, rows[row].texts[static_cast<size_t>(column)]);
      out += ", ";
    }
    out += "\"state\": " + (withStates ? std::to_string(rows[row].image) : std::string("null")) + "}";
  }
  out += rows.empty() ? "]\n" : "\n]\n";
  std::fwrite(out.data(), 1, out.size(), m_out);
}

int PageDriver::Run(CTabPageEx& page) {
  const CPageControls c = page.Controls();
  if (const std::string problem = CheckOptions(c); !problem.empty()) return Usage(problem);

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
  for (const int column : m_options.sort) c.list->ClickHeader(column);

  if (m_options.json) {
    PrintJson(*c.list, c.imagesArePlayStates);
  } else {
    // A window draws the rows it lists; so does this host, before it prints.
    c.list->DrawRows(0, c.list->GetItemCount());
    if (m_options.exportPath) {
      c.exportButton->Click();
    } else if (!WriteListText(*c.list, m_out)) {
      std::fprintf(m_err, "logview: standard output: %s\n", std::strerror(errno));
      return kExitSearchFailed;
    }
  }
  m_host.DeliverPosted();
  return m_host.SearchFailed() ? kExitSearchFailed : kExitSearchRan;
}
