#include "tools/logview/listed_row.h"

#include <cstdio>

#include "platform/code_page.h"

namespace {

// "dddd/dd/dd" or "dd:dd:dd": the date and the clock columns of a row.
bool HasForm(const std::string& text, const char* form) {
  const std::string pattern(form);
  if (text.size() != pattern.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (pattern[i] == 'd' ? !digit : text[i] != pattern[i]) return false;
  }
  return true;
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

std::string RowTimeKey(const CListRowView& row) {
  if (row.texts.empty()) return {};
  if (row.texts.size() > 1 && HasForm(row.texts[0], "dddd/dd/dd") && HasForm(row.texts[1], "dd:dd:dd"))
    return row.texts[0] + " " + row.texts[1];
  return row.texts[0];
}

CDateTime TimeOfKey(const std::string& key) {
  CDateTime time;
  return CDateTime::ParseListCell(key.c_str(), time) ? time : CDateTime::Invalid();
}

std::string JsonRowObject(const std::vector<std::string>& titles, const CListRowView& row, bool withState) {
  std::string out = "{";
  for (size_t column = 0; column < titles.size() && column < row.texts.size(); ++column) {
    AppendJsonString(out, titles[column]);
    out += ": ";
    AppendJsonString(out, row.texts[column]);
    out += ", ";
  }
  return out + "\"state\": " + (withState ? std::to_string(row.image) : std::string("null")) + "}";
}

std::vector<std::string> ColumnTitles(const CLogListCtrl& list) {
  std::vector<std::string> titles;
  for (int i = 0; i < list.GetColumnCount(); ++i) titles.push_back(list.GetColumn(i)->title);
  return titles;
}
