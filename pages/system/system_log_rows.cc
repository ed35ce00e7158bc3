#include "pages/system/system_log_rows.h"

#include <cstdio>

#include "pages/system/system_log_types.h"
#include "vocabulary/string_table.h"

namespace {

constexpr int32_t kModifyConfiguration = 16;
constexpr int32_t kNoDevice = -1;

// Translated texts of types 0 .. last by `stringOf`; "" for a type without text.
template <typename StringOf>
std::vector<std::string> TypeTexts(const CVxTrans& trans, int32_t last, StringOf stringOf) {
  std::vector<std::string> texts;
  for (int32_t type = 0; type <= last; ++type) {
    const int number = stringOf(type);
    texts.push_back(number == 0 ? std::string() : trans.Translated(LoadStringText(number)));
  }
  return texts;
}

const std::string& TextOf(const std::vector<std::string>& texts, int32_t type) {
  static const std::string kNone;
  return type >= 0 && static_cast<size_t>(type) < texts.size() ? texts[static_cast<size_t>(type)] : kNone;
}

}  // namespace

std::pair<std::string, std::string> SplitLevelAndMessage(std::string_view text) {
  const size_t bar = text.find('|');
  if (bar == std::string_view::npos) return {std::string(), std::string(text)};
  return {std::string(text.substr(0, bar)), std::string(text.substr(bar + 1))};
}

CSysLogRowTexts::CSysLogRowTexts(const CVxTrans& trans)
    : m_trans(trans),
      m_localTypes(TypeTexts(trans, kLastLocalSystemLogType, LocalSystemLogTypeString)),
      m_remoteTypes(TypeTexts(trans, static_cast<int32_t>(RemoteSystemLogTypeChoices().size()) - 1,
                              RemoteSystemLogTypeString)) {}

std::optional<SysLogCells> CSysLogRowTexts::LocalRow(const SystemLogRecord& record,
                                                     const SystemLogStatus& switches) const {
  if (!IsLocalSystemLogTypeListed(record.EventNumber, switches)) return std::nullopt;
  std::string device;
  if (record.Param1 != kNoDevice) {
    char text[16];
    // Devices are numbered from 1 for the user; the record counts from 0.
    std::snprintf(text, sizeof text, "%d", static_cast<int>(static_cast<unsigned>(record.Param1) + 1u));
    device = text;
  }
  return SysLogCells{record.LogTime.FormatListCell(), TextOf(m_localTypes, record.EventNumber), std::move(device),
                     record.EventNumber == kModifyConfiguration ? m_trans.Translated(record.EventString)
                                                                : record.EventString};
}

std::optional<SysLogCells> CSysLogRowTexts::RemoteRow(const SystemLogRecord& record) const {
  if (!IsRemoteSystemLogTypeListed(record.EventNumber)) return std::nullopt;
  auto [level, message] = SplitLevelAndMessage(record.EventString);
  return SysLogCells{record.LogTime.FormatDate(), record.LogTime.FormatTime(),
                     TextOf(m_remoteTypes, record.EventNumber), std::move(level), std::move(message)};
}
