#include "pages/common/page_export.h"

#include <cstdio>
#include <functional>
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

bool ExportCsv(const CLogListCtrl& list, const std::string& path, platform::Env* env, std::string* error) {
  const bool existed = env->FileExists(path);
  CCSVFile csv(env);
  bool written = csv.Open(path);
  if (written && !existed) csv.AddRow(Titles(list));
  for (int row = 0; written && row < list.GetItemCount(); ++row) {
    csv.AddRow(Cells(list, row));
    if ((row + 1) % kCsvRowsPerFlush == 0) written = csv.Flush();
  }
  written = written && csv.Close();
  if (!written) *error = csv.Error();
  return written;
}

void AppendLine(std::string& out, const std::vector<std::string>& fields) { out += ListTextLine(fields); }

// The text form in chunks of about kTextChunk bytes, each handed to `write`;
// stops at the first chunk it refuses.
bool WriteTextChunks(const CLogListCtrl& list, const std::function<bool(std::string_view)>& write) {
  std::string out;
  AppendLine(out, Titles(list));
  for (int row = 0; row < list.GetItemCount(); ++row) {
    AppendLine(out, Cells(list, row));
    if (out.size() < kTextChunk) continue;
    if (!write(out)) return false;
    out.clear();
  }
  return write(out);
}

bool ExportText(const CLogListCtrl& list, const std::string& path, platform::Env* env, std::string* error) {
  std::unique_ptr<platform::WritableFile> file;
  if (!env->NewWritableFile(path, platform::WriteMode::kTruncate, &file, error)) return false;
  if (WriteTextChunks(list, [&](std::string_view chunk) { return file->Append(chunk); }) && file->Close())
    return true;
  *error = file->Error();
  return false;
}

}  // namespace

std::string ListTextLine(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ", ";
    line += fields[i];
  }
  return line + "\r\n";
}

bool WriteListText(const CLogListCtrl& list, FILE* file) {
  return WriteTextChunks(list, [&](std::string_view chunk) {
           return std::fwrite(chunk.data(), 1, chunk.size(), file) == chunk.size();
         }) &&
         std::fflush(file) == 0;
}

ExportForm ExportFormOf(std::string_view path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return ExportForm::kNone;
  const std::string extension(path.substr(dot));
  if (strcasecmp(extension.c_str(), ".csv") == 0) return ExportForm::kCsv;
  if (strcasecmp(extension.c_str(), ".txt") == 0) return ExportForm::kText;
  return ExportForm::kNone;
}

bool ExportList(const CLogListCtrl& list, const std::string& path, std::string* error, platform::Env* env) {
  return ExportList(list, path, ExportFormOf(path), error, env);
}

bool ExportList(const CLogListCtrl& list, const std::string& path, ExportForm form, std::string* error,
                platform::Env* env) {
  switch (form) {
    case ExportForm::kCsv:
      return ExportCsv(list, path, env, error);
    case ExportForm::kText:
      return ExportText(list, path, env, error);
    case ExportForm::kNone:
      break;
  }
  *error = "only .csv and .txt files can be written";
  return false;
}
