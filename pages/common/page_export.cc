#include "pages/common/page_export.h"

#include <cstdio>
#include <memory>
#include <strings.h>
#include <vector>

#include "csv/csv_file.h"
#include "platform/env.h"
#include "ui/log_list_ctrl.h"

namespace {

// Rows handed to the CSV writer at a time: its buffer stays small however
// long the list is.
constexpr int kCsvRowsPerFlush = 4096;
// Bytes of text collected before one write.
constexpr size_t kTextChunk = 1 << 16;

std::vector<std::string> Titles(const CLogListCtrl& list) {
  std::vector<std::string> titles;
  for (int column = 0; column < list.GetColumnCount(); ++column)
    titles.push_back(list.GetColumn(column)->title);
  return titles;
}

std::vector<std::string> Cells(const CLogListCtrl& list, int row) {
  std::vector<std::string> cells;
  cells.reserve(static_cast<size_t>(list.GetColumnCount()));
  for (int column = 0; column < list.GetColumnCount(); ++column)
    cells.push_back(list.GetItemText(row, column));
  return cells;
}

bool ExportCsv(const CLogListCtrl& list, const std::string& path) {
  const bool existed = platform::Env::Default()->FileExists(path);
  CCSVFile csv;
  if (!csv.Open(path)) return false;
  if (!existed) csv.AddRow(Titles(list));
  for (int row = 0; row < list.GetItemCount(); ++row) {
    csv.AddRow(Cells(list, row));
    if ((row + 1) % kCsvRowsPerFlush == 0) csv.Flush();
  }
  return true;  // the writer writes the rest as it goes
}

void AppendLine(std::string& out, const std::vector<std::string>& fields) {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ", ";
    out += fields[i];
  }
  out += "\r\n";
}

bool ExportText(const CLogListCtrl& list, const std::string& path) {
  const std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  return file && WriteListText(list, file.get());
}

}  // namespace

bool WriteListText(const CLogListCtrl& list, FILE* file) {
  std::string out;
  bool written = true;
  const auto write = [&] {
    written = std::fwrite(out.data(), 1, out.size(), file) == out.size() && written;
    out.clear();
  };
  AppendLine(out, Titles(list));
  for (int row = 0; row < list.GetItemCount(); ++row) {
    AppendLine(out, Cells(list, row));
    if (out.size() >= kTextChunk) write();
  }
  write();
  return written;
}

ExportForm ExportFormOf(std::string_view path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return ExportForm::kNone;
  const std::string extension(path.substr(dot));
  if (strcasecmp(extension.c_str(), ".csv") == 0) return ExportForm::kCsv;
  if (strcasecmp(extension.c_str(), ".txt") == 0) return ExportForm::kText;
  return ExportForm::kNone;
}

bool ExportList(const CLogListCtrl& list, const std::string& path, std::string* error) {
  switch (ExportFormOf(path)) {
    case ExportForm::kCsv:
      if (ExportCsv(list, path)) return true;
      break;
    case ExportForm::kText:
      if (ExportText(list, path)) return true;
      break;
    case ExportForm::kNone:
      *error = "only .csv and .txt files can be written";
      return false;
  }
  *error = "the file could not be written";
  return false;
}
