#include "pages/video/backup_event_string.h"

#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>

namespace {

// Reads the fields of an event string from left to right; any read that
// does not find what it needs fails, and so do all after it.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : m_rest(text) {}

  bool ok() const { return m_ok; }

  // A plain field ended by ",".
  std::string_view Field() {
    const size_t comma = m_ok ? m_rest.find(',') : std::string_view::npos;
    if (comma == std::string_view::npos) return Fail();
    const std::string_view field = m_rest.substr(0, comma);
    m_rest.remove_prefix(comma + 1);
    return field;
  }
  // A field in square brackets ended by ","; brackets taken off.
  std::string_view Bracketed() {
    if (!m_ok || !m_rest.starts_with('[')) return Fail();
    const size_t close = m_rest.find("],");
    if (close == std::string_view::npos) return Fail();
    const std::string_view field = m_rest.substr(1, close - 1);
    m_rest.remove_prefix(close + 2);
    return field;
  }
  // "n[path]": the n characters after "[", then "]".  Ended by "," unless
  // `last`.
  std::string_view Path() {
    size_t digits = 0;
    size_t length = 0;
    while (m_ok && digits < m_rest.size() && m_rest[digits] >= '0' && m_rest[digits] <= '9') {
      length = length * 10 + static_cast<size_t>(m_rest[digits] - '0');
      if (++digits > 9) return Fail();  // longer than any text could be
    }
    if (!m_ok || digits == 0 || digits >= m_rest.size() || m_rest[digits] != '[') return Fail();
    const size_t close = digits + 1 + length;
    if (close + 1 >= m_rest.size() || m_rest[close] != ']' || m_rest[close + 1] != ',') return Fail();
    const std::string_view path = m_rest.substr(digits + 1, length);
    m_rest.remove_prefix(close + 2);
    return path;
  }
  // Everything not read yet.
  std::string_view Rest() { return m_ok ? m_rest : std::string_view(); }
  // The rest split at its first ",": before it and after it; without one,
  // the whole rest and nothing.
  std::pair<std::string_view, std::string_view> SplitRest() {
    const size_t comma = m_rest.find(',');
    if (!m_ok || comma == std::string_view::npos) return {Rest(), std::string_view()};
    return {m_rest.substr(0, comma), m_rest.substr(comma + 1)};
  }

 private:
  std::string_view Fail() {
    m_ok = false;
    return {};
  }

  std::string_view m_rest;
  bool m_ok = true;
};

// atoi of a field (a copy of it ends in a zero byte; fields that hold a
// number are short).
int NumberOf(std::string_view field) { return std::atoi(std::string(field).c_str()); }

}  // namespace

std::optional<BackupEventFields> ParseBackupEventString(int32_t eventNumber, std::string_view text) {
  FieldReader r(text);
  BackupEventFields f;
  f.successCode = NumberOf(r.Field());
  switch (eventNumber) {
    case 34:
      f.user = r.Field();
      f.start = r.Field();
      f.end = r.Field();
      f.camera = r.Field();
      f.path = r.Path();
      f.audio = NumberOf(r.Field());
      r.Field();  // container and resolution: not shown
      r.Field();
      std::tie(f.tool, f.recordIndex) = r.SplitRest();
      break;
    case 35:
      f.user = r.Field();
      f.start = r.Field();
      f.end = r.Field();
      f.camera = r.Bracketed();
      f.path = r.Path();
      std::tie(f.db, f.recordIndex) = r.SplitRest();
      break;
    case 38:
      f.user = r.Field();
      f.start = r.Field();
      f.end = r.Field();
      f.camera = r.Bracketed();
      f.recordIndex = r.Rest();
      break;
    case 41:
      f.start = r.Field();
      f.end = r.Field();
      f.camera = r.Bracketed();
      f.path = r.Path();
      f.failureReason = r.Field();
      std::tie(f.db, f.recordIndex) = r.SplitRest();
      break;
    default:
      return std::nullopt;
  }
  if (!r.ok()) return std::nullopt;
  return f;
}
