#include "pages/video/video_log_rows.h"

#include <span>
#include <string_view>

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

std::optional<int64_t> Span(const std::string& start, const std::string& end) {
  CDateTime from, to;
  if (!CDateTime::ParseListCell(start.c_str(), from) || !CDateTime::ParseListCell(end.c_str(), to)) return {};
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

std::string CVideoLogRowTexts::TypeText(bool remote, int32_t eventNumber) const {
  const std::span<const VideoLogType> types = remote ? RemoteVideoLogTypes() : LocalVideoLogTypes();
  const VideoLogType* type = FindVideoLogType(types, eventNumber);
  if (type == nullptr) return {};
  return (remote ? m_remoteTypes : m_localTypes)[static_cast<size_t>(type - types.data())];
}

std::optional<VideoLogCells> CVideoLogRowTexts::LocalRow(const SystemLogRecord& record) const {
  if (FindVideoLogType(LocalVideoLogTypes(), record.EventNumber) == nullptr) return std::nullopt;
  std::optional<BackupEventFields> f = ParseBackupEventString(record.EventNumber, record.EventString);
  if (!f) return std::nullopt;
  std::string success = f->successCode != 0 ? m_yes : m_no;
  if (f->successCode == 0 && record.EventNumber == kAutoBackup) success += " (" + f->failureReason + ")";
  std::string audio = !f->audio ? m_notApplicable : *f->audio != 0 ? m_yes : m_no;
  std::string length = FormatTimeSpan(Span(f->start, f->end), kVideoLengthFormat);
  if (length.empty()) length = m_notApplicable;
  return VideoLogCells{record.LogTime.FormatListCell(),
                       TypeText(false, record.EventNumber),
                       std::move(success),
                       std::move(f->user),
                       std::move(f->start),
                       std::move(f->end),
                       std::move(length),
                       std::move(f->camera),
                       f->recordIndex == kAllRecords ? m_all : std::move(f->recordIndex),
                       f->path.value_or(m_notApplicable),
                       f->db.value_or(m_notApplicable),
                       std::move(audio),
                       f->tool.empty() ? std::string() : m_trans.Translated(f->tool)};
}

std::optional<VideoLogCells> CVideoLogRowTexts::RemoteRow(const SystemLogRecord& record) const {
  if (record.EventNumber < kFirstRemoteType) return std::nullopt;
  const std::string& text = record.EventString;
  const size_t bar = text.find('|');
  std::string user = bar == std::string::npos ? std::string() : text.substr(0, bar);
  std::string log = bar == std::string::npos ? text : text.substr(bar + 1);
  return VideoLogCells{record.LogTime.FormatDate(), record.LogTime.FormatTime(),
                       TypeText(true, record.EventNumber), std::move(user), std::move(log)};
}
