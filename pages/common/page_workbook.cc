#include "pages/common/page_workbook.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>

#include "platform/code_page.h"
#include "ui/log_list_ctrl.h"

namespace {

// Pixels of the list per character of a sheet's column width.
constexpr double kPixelsPerCharacter = 7.0;
constexpr const char* kRowsSheet = "Rows";
constexpr const char* kSourceSheet = "Source";

enum class TimeForm { kMoment, kDate, kClock };

// "YYYY/MM/DD HH:MM:SS", "YYYY/MM/DD" or "HH:MM:SS", each field in range.
std::optional<std::pair<lxw_datetime, TimeForm>> ParseListTime(const std::string& text) {
  lxw_datetime t{};
  char tail = 0;
  TimeForm form;
  if (text.size() == 19 &&
      std::sscanf(text.c_str(), "%4d/%2d/%2d %2d:%2d:%lf%c", &t.year, &t.month, &t.day, &t.hour, &t.min, &t.sec,
                  &tail) == 6 &&
      text[4] == '/' && text[13] == ':') {
    form = TimeForm::kMoment;
  } else if (text.size() == 10 && std::sscanf(text.c_str(), "%4d/%2d/%2d%c", &t.year, &t.month, &t.day, &tail) == 3 &&
             text[4] == '/' && text[7] == '/') {
    form = TimeForm::kDate;
  } else if (text.size() == 8 && std::sscanf(text.c_str(), "%2d:%2d:%lf%c", &t.hour, &t.min, &t.sec, &tail) == 3 &&
             text[2] == ':' && text[5] == ':') {
    form = TimeForm::kClock;
  } else {
    return std::nullopt;
  }
  const bool hasDate = form != TimeForm::kClock;
  if (hasDate && (t.year < 1900 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31))
    return std::nullopt;
  if (t.hour < 0 || t.hour > 23 || t.min < 0 || t.min > 59 || t.sec < 0 || t.sec > 59) return std::nullopt;
  return std::make_pair(t, form);
}

// A number that prints as `text` does: no leading zeros, no "+", no blanks.
std::optional<double> ParseNumber(const std::string& text) {
  if (text.empty() || text.size() > 15) return std::nullopt;  // past 15 digits a double changes the text
  const size_t digits = text[0] == '-' ? 1 : 0;
  if (text.size() == digits || text[digits] == '.' ||
      (text[digits] == '0' && text.size() > digits + 1 && text[digits + 1] != '.'))
    return std::nullopt;
  double value = 0;
  const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (status != std::errc() || end != text.data() + text.size() || text.back() == '.') return std::nullopt;
  return value;
}

struct WorkbookCloser {
  void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};

class WorkbookWriter {
 public:
  explicit WorkbookWriter(const std::string& scratch) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;  // rows go to the file as written: a long list costs no memory
    m_workbook.reset(workbook_new_opt(scratch.c_str(), &options));
    if (!m_workbook) return;
    m_header = workbook_add_format(m_workbook.get());
    format_set_bold(m_header);
    const char* const timeFormats[] = {"yyyy/mm/dd hh:mm:ss", "yyyy/mm/dd", "hh:mm:ss"};
    for (size_t i = 0; i < 3; ++i) {
      m_timeFormats[i] = workbook_add_format(m_workbook.get());
      format_set_num_format(m_timeFormats[i], timeFormats[i]);
    }
  }

  bool Made() const { return m_workbook != nullptr; }

  void WriteRows(const CLogListCtrl& list) {
    lxw_worksheet* sheet = workbook_add_worksheet(m_workbook.get(), kRowsSheet);
    const int columns = list.GetColumnCount();
    for (int column = 0; column < columns; ++column) {
      const CListColumn& c = *list.GetColumn(column);
      worksheet_set_column(sheet, lxw_col_t(column), lxw_col_t(column), c.width / kPixelsPerCharacter, nullptr);
      worksheet_write_string(sheet, 0, lxw_col_t(column), platform::SystemToUtf8(c.title).c_str(), m_header);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    if (columns > 0) worksheet_autofilter(sheet, 0, 0, lxw_row_t(list.GetItemCount()), lxw_col_t(columns - 1));
    for (int row = 0; row < list.GetItemCount(); ++row)
      for (int column = 0; column < columns; ++column)
        WriteCell(sheet, lxw_row_t(row + 1), lxw_col_t(column), list.GetItemText(row, column));
  }

  void WriteSource(const std::vector<WorkbookFact>& source) {
    lxw_worksheet* sheet = workbook_add_worksheet(m_workbook.get(), kSourceSheet);
    worksheet_set_column(sheet, 0, 0, 16, nullptr);
    worksheet_set_column(sheet, 1, 1, 60, nullptr);
    for (size_t i = 0; i < source.size(); ++i) {
      worksheet_write_string(sheet, lxw_row_t(i), 0, platform::SystemToUtf8(source[i].name).c_str(), m_header);
      worksheet_write_string(sheet, lxw_row_t(i), 1, platform::SystemToUtf8(source[i].value).c_str(), nullptr);
    }
  }

  // Writes the scratch file; an empty text when that went well.
  std::string Close() {
    const lxw_error status = workbook_close(m_workbook.release());
    return status == LXW_NO_ERROR ? std::string() : lxw_strerror(status);
  }

 private:
  void WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& text) {
    if (text.empty()) return;
    if (const auto time = ParseListTime(text)) {
      lxw_datetime value = time->first;
      worksheet_write_datetime(sheet, row, column, &value, m_timeFormats[static_cast<size_t>(time->second)]);
    } else if (const auto number = ParseNumber(text)) {
      worksheet_write_number(sheet, row, column, *number, nullptr);
    } else {
      worksheet_write_string(sheet, row, column, platform::SystemToUtf8(text).c_str(), nullptr);
    }
  }

  std::unique_ptr<lxw_workbook, WorkbookCloser> m_workbook;
  lxw_format* m_header = nullptr;
  lxw_format* m_timeFormats[3] = {};
};

// A new empty file in the system's temporary folder; empty when none could
// be made.
std::string MakeScratchFile() {
  std::error_code ignored;
  std::string pattern = (std::filesystem::temp_directory_path(ignored) / "logview-workbook-XXXXXX").string();
  const int fd = mkstemp(pattern.data());
  if (fd < 0) return {};
  close(fd);
  return pattern;
}

}  // namespace

bool ExportWorkbook(const CLogListCtrl& list, const std::vector<WorkbookFact>& source, const std::string& path,
                    std::string* error, platform::Env* env) {
  if (list.GetItemCount() > kWorkbookMaxRows) {
    *error = path + ": " + std::to_string(list.GetItemCount()) + " rows are more than a sheet holds (" +
             std::to_string(kWorkbookMaxRows) + ")";
    return false;
  }
  const std::string scratch = MakeScratchFile();
  if (scratch.empty()) {
    *error = path + ": no scratch file in the temporary folder: " + std::strerror(errno);
    return false;
  }
  std::string made;
  {
    WorkbookWriter writer(scratch);
    if (!writer.Made()) {
      made = "the workbook could not be started";
    } else {
      writer.WriteRows(list);
      writer.WriteSource(source);
      made = writer.Close();
    }
  }
  std::string contents;
  platform::Env* const scratchEnv = platform::Env::Default();
  const bool read = made.empty() && scratchEnv->ReadFile(scratch, &contents);
  scratchEnv->DeleteFile(scratch);
  if (!read) {
    *error = path + ": " + (made.empty() ? "the scratch workbook could not be read back" : made);
    return false;
  }
  std::unique_ptr<platform::WritableFile> file;
  if (!env->NewWritableFile(path, platform::WriteMode::kTruncate, &file, error)) return false;
  if (file->Append(contents) && file->Close()) return true;
  *error = file->Error();
  return false;
}
