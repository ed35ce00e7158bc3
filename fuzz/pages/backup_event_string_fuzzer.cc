// Reads the input as the event string of one of the four layouts and checks
// what came out: every field lies inside the input, and a path is exactly
// as long as the string said.  The span text gets the input as its format.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "pages/video/backup_event_string.h"
#include "pages/video/time_span_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  constexpr int32_t kLayouts[] = {34, 35, 38, 41};
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto fields = ParseBackupEventString(kLayouts[data[0] % 4], text);
  if (fields) {
    for (const std::string_view* field : {&fields->user, &fields->camera, &fields->tool, &fields->recordIndex})
      if (field->size() > text.size()) std::abort();
    if (fields->path && text.find(*fields->path) == std::string_view::npos) std::abort();
  }
  std::string scratch;
  FormatTimeSpan(static_cast<int64_t>(size) * 7919 - 50000, text, scratch);
  return 0;
}
