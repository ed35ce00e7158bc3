// An ini file: parsed, looked up, its POS sources read, and read from disk
// as the supported edge event list a server hands out.  Each entry must be
// found again by its section and key (the first of duplicates wins).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/initial_file.h"
#include "config/pos_settings_ini.h"
#include "config/supported_edge_event_list.h"
#include "platform/env.h"

namespace {

const std::string& ScratchFile() {
  static const std::string path = [] {
    char scratch[] = "/tmp/ini_fuzzer.XXXXXX";
    if (mkdtemp(scratch) == nullptr) std::abort();
    return std::string(scratch) + "/" + kSupportedEdgeEventFile;
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CInitialFile file;
  file.Parse(text);
  for (const CInitialFile::Entry& entry : file.Entries()) {
    if (entry.comment) continue;
    if (file.GetValue(entry.section, entry.key).size() > size) __builtin_trap();
  }
  PosSettingsFromIni(file);
  if (!platform::Env::Default()->WriteFileAtomic(ScratchFile(), std::string(text))) std::abort();
  RetrieveSupportedEdgeEventListOfDPFromIni(ScratchFile());
  return 0;
}
