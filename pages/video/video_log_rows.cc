#include "pages/video/video_log_rows.h"

#include <span>
#include <string_view>

#include "pages/common/list_moment.h"
#include "pages/video/backup_event_string.h"
#include "pages/video/time_span_format.h"
#include "pages/video/video_log_types.h"
#include "vocabulary/string_table.h"

namespace {

constexpr int kYes = 94;
constexpr int kNo = 95;
constexpr int kNotApplicable = 92;
constexpr int kAll = 82;
constexpr int32_t kAutoBackup = 41;
constexpr int32_t kFirstRemoteType = 100;
// The record index that stands for every record of the range.
constexpr std::string_view kAllRecords = "\x04";

std::vector<std::string> TypeTexts(const CVxTrans& trans, std::span<const VideoLogType> types) {
  std::vector<std::string> texts;
  for (const VideoLogType& type : types) texts.push_back(trans.Translated(LoadStringText(type.stringNumber)));
  return texts;
}

std::optional<int64_t> Span(std::string_view start, std::string_view end) {
  CDateTime from, to;
  if (!CDateTime::ParseListCell(std::string(start).c_str(), from) ||
      !CDateTime::ParseListCell(std::string(end).c_str(), to))
    return {};
  return to - from;
}

}  // namespace

CVideoLogRowTexts::CVideoLogRowTexts(const CVxTrans& trans)
    : m_trans(trans),
      m_localTypes(TypeTexts(trans, LocalVideoLogTypes())),
      m_remoteTypes(TypeTexts(trans, RemoteVideoLogTypes())),
      m_yes(trans.Translated(LoadStringText(kYes))),
      m_no(trans.Translated(LoadStringText(kNo))),
      m_notApplicable(trans.Translated(LoadStringText(kNotApplicable))),
      m_all(trans.Translated(LoadStringText(kAll))) {}

const std::string& CVideoLogRowTexts::TypeText(bool remote, int32_t eventNumber) const {
  const std::span<const VideoLogType> types = remote ? RemoteVideoLogTypes() : LocalVideoLogTypes();
  const VideoLogType* type = FindVideoLogType(types, eventNumber);
  if (type == nullptr) return m_none;
  return (remote ? m_remoteTypes : m_localTypes)[static_cast<size_t>(type - types.data())];
}

bool CVideoLogRowTexts::LocalRow(const SystemLogRecord& record, RowCells& cells) {
  if (FindVideoLogType(LocalVideoLogTypes(), record.EventNumber) == nullptr) return false;
  const std::optional<BackupEventFields> f = ParseBackupEventString(record.EventNumber, record.EventString);
  if (!f) return false;
  cells.Clear();
  cells.AddTime(record.LogTime);
  cells.Add(TypeText(false, record.EventNumber));
  cells.Append(f->successCode != 0 ? m_yes : m_no);
  if (f->successCode == 0 && record.EventNumber == kAutoBackup) {
    cells.Append(" (");
    cells.Append(f->failureReason);
    cells.Append(")");
  }
  cells.EndCell();
  cells.Add(f->user);
  cells.Add(f->start);
  cells.Add(f->end);
  const std::string_view length = FormatTimeSpan(Span(f->start, f->end), kVideoLengthFormat, m_length);
  cells.Add(length.empty() ? m_notApplicable : length);
  cells.Add(f->camera);
  cells.Add(f->recordIndex == kAllRecords ? m_all : f->recordIndex);
  cells.Add(f->path.value_or(m_notApplicable));
  cells.Add(f->db.value_or(m_notApplicable));
  cells.Add(!f->audio ? m_notApplicable : *f->audio != 0 ? m_yes : m_no);
  cells.Add(f->tool.empty() ? std::string() : m_trans.Translated(std::string(f->tool)));
  return true;
}

bool CVideoLogRowTexts::RemoteRow(const SystemLogRecord& record, RowCells& cells) const {
  if (record.EventNumber < kFirstRemoteType) return false;
  const std::string_view text = record.EventString;
  const size_t bar = text.find('|');
  ListMoment moment;
  moment.SetTime(record.LogTime);
  cells.Clear();
  cells.Add(moment.DateText());
  cells.Add(moment.ClockText());
  cells.Add(TypeText(true, record.EventNumber));
  cells.Add(bar == std::string_view::npos ? std::string_view() : text.substr(0, bar));
  cells.Add(bar == std::string_view::npos ? text : text.substr(bar + 1));
  return true;
}
