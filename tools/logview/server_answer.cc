#include "tools/logview/server_answer.h"

#include <charconv>

#include "pages/common/viewer_context.h"
#include "tools/logview/listed_row.h"
#include "ui/date_time_picker_model.h"

namespace {

// More columns than any page has.
constexpr long long kMaxColumns = 64;

void PutField(std::string& out, const std::string& field) {
  out += std::to_string(field.size());
  out += ':';
  out += field;
}

class FieldReader {
 public:
  explicit FieldReader(const std::string& bytes) : m_bytes(bytes) {}

  bool Field(std::string* out) {
    const size_t colon = m_bytes.find(':', m_at);
    size_t length = 0;
    if (colon == std::string::npos) return false;
    const auto [end, error] = std::from_chars(m_bytes.data() + m_at, m_bytes.data() + colon, length);
    if (error != std::errc() || end != m_bytes.data() + colon || length > m_bytes.size() - colon - 1) return false;
    *out = m_bytes.substr(colon + 1, length);
    m_at = colon + 1 + length;
    return true;
  }
  bool Number(long long* out) {
    std::string text;
    if (!Field(&text)) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *out);
    return error == std::errc() && end == text.data() + text.size();
  }
  bool AtEnd() const { return m_at == m_bytes.size(); }

 private:
  const std::string& m_bytes;
  size_t m_at = 0;
};

// "YYYY/MM/DD": the day of a moment as GETDAYLOGS lists it.
std::string DayText(const CDateTime& time) { return time.FormatListCell().substr(0, 10); }

// Whether the server keeps a recording day within the range the pickers searched.
bool ServerHasDayIn(IViewerContext& owner, const CPageControls& c) {
  std::string first, last;  // empty: that side open
  if (c.dayPicker != nullptr && c.dayPicker->IsChecked()) {
    first = last = DayText(c.dayPicker->GetTime());
  } else {
    if (c.startPicker != nullptr && c.startPicker->IsChecked()) first = DayText(c.startPicker->GetTime());
    if (c.endPicker != nullptr && c.endPicker->IsChecked()) last = DayText(c.endPicker->GetTime());
  }
  const std::unique_ptr<IVXPPClient> client = owner.MakeClient();
  client->SetPort(static_cast<uint32_t>(owner.Settings().serverPort));
  std::vector<std::string> days;
  // A server that cannot list its days is taken to have data: no records is what it said.
  if (!client->GetDayLogs(ServerUrl(owner.Settings()), owner.Settings().userSessionNo, days)) return true;
  for (const std::string& day : days) {
    if ((first.empty() || day >= first) && (last.empty() || day <= last)) return true;
  }
  return false;
}

}  // namespace

std::string EncodeServerAnswer(const ServerAnswer& answer) {
  std::string out;
  PutField(out, answer.noData ? "nodata" : "rows");
  PutField(out, answer.imagesArePlayStates ? "states" : "images");
  PutField(out, std::to_string(answer.titles.size()));
  for (const std::string& title : answer.titles) PutField(out, title);
  PutField(out, std::to_string(answer.rows.size()));
  for (const CListRowView& row : answer.rows) {
    PutField(out, std::to_string(row.image));
    for (size_t column = 0; column < answer.titles.size(); ++column)
      PutField(out, column < row.texts.size() ? row.texts[column] : std::string());
  }
  return out;
}

std::optional<ServerAnswer> DecodeServerAnswer(const std::string& bytes) {
  FieldReader reader(bytes);
  ServerAnswer answer;
  std::string kind, images;
  long long titles = 0, rows = 0;
  if (!reader.Field(&kind) || (kind != "rows" && kind != "nodata") || !reader.Field(&images) ||
      (images != "states" && images != "images") || !reader.Number(&titles) || titles < 0 || titles > kMaxColumns)
    return std::nullopt;
  answer.noData = kind == "nodata";
  answer.imagesArePlayStates = images == "states";
  answer.titles.resize(static_cast<size_t>(titles));
  for (std::string& title : answer.titles) {
    if (!reader.Field(&title)) return std::nullopt;
  }
  if (!reader.Number(&rows) || rows < 0) return std::nullopt;
  for (long long i = 0; i < rows; ++i) {
    CListRowView row;
    long long image = 0;
    if (!reader.Number(&image)) return std::nullopt;
    row.image = static_cast<int>(image);
    row.texts.resize(answer.titles.size());
    for (std::string& cell : row.texts) {
      if (!reader.Field(&cell)) return std::nullopt;
    }
    answer.rows.push_back(std::move(row));
  }
  if (!reader.AtEnd()) return std::nullopt;
  return answer;
}

ListTaker AnswerToMerger(FILE* out) {
  return [out](const SearchedPage& searched) {
    if (searched.host.SearchFailed()) return kExitSearchFailed;
    CLogListCtrl& list = *searched.controls.list;
    ServerAnswer answer;
    answer.titles = ColumnTitles(list);
    answer.rows = list.DrawRows(0, list.GetItemCount());
    answer.imagesArePlayStates = searched.controls.imagesArePlayStates;
    if (answer.rows.empty()) answer.noData = !ServerHasDayIn(*searched.page.Owner(), searched.controls);
    const std::string bytes = EncodeServerAnswer(answer);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() && std::fflush(out) == 0;
    return written ? kExitSearchRan : kExitSearchFailed;
  };
}
