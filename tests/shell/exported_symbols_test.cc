// Linked against liblogview.so: the address of each declared function lies in
// the library under the name a run-time host looks up.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "logview/logview.h"
#include "shell/exported_symbols.h"

namespace {

std::string SymbolAt(void* address) {
  Dl_info info{};
  if (dladdr(address, &info) == 0 || info.dli_sname == nullptr) return "";
  return info.dli_sname;
}

template <typename F>
void* Address(F* function) {
  return reinterpret_cast<void*>(function);
}

TEST(ExportedSymbolsTest, HeaderDeclarationsMatchTheLookUpNames) {
  void* const declared[] = {
      Address(&ShowLogViewerDlg), Address(&SetLogDateTimeAndSearch), Address(&SetLogDateTime),
      Address(&SetCameras),       Address(&EnableEventLog),          Address(&EnableSystemLog),
      Address(&SetRemoteMode),    Address(&ResetLogViewerInstance),  Address(&ResetLogViewerLanguage),
      Address(&FilterDllMsg),
      Address(&RetrieveSupportedEdgeEventListOfDPFromRegistry),
      Address(&RetrieveSupportedEdgeEventListOfDPFromIni)};
  ASSERT_EQ(std::size(declared), std::size(kExportedSymbols));
  for (size_t i = 0; i < std::size(declared); ++i) {
    EXPECT_EQ(SymbolAt(declared[i]), kExportedSymbols[i].symbol) << kExportedSymbols[i].function;
    EXPECT_EQ(dlsym(RTLD_DEFAULT, kExportedSymbols[i].symbol), declared[i])
        << kExportedSymbols[i].function;
  }
}

}  // namespace
