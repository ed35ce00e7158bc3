// Any bytes: parsing must not crash, and a file that parses must take a
// DWORD under each of its keys and still parse, holding that DWORD.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/reg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::RegFile file;
  if (!platform::RegFile::Parse(std::string(reinterpret_cast<const char*>(data), size), &file)) return 0;
  file.BuildTree();
  int tried = 0;
  for (const platform::RegStatement& statement : file.Statements()) {
    if (statement.kind != platform::RegStatement::Kind::kKey || ++tried > 4) continue;
    std::string rewritten;
    if (!file.WithDword(statement.keyPath, "LangID", 0x01020304, &rewritten)) continue;
    platform::RegFile again;
    if (!platform::RegFile::Parse(rewritten, &again)) __builtin_trap();
    const auto tree = again.BuildTree();
    const platform::RegistryTree::Key* key = tree->Find(statement.keyPath);
    const platform::RegistryTree::Value* value = key != nullptr ? key->FindValue("LangID") : nullptr;
    if (value == nullptr || value->type != platform::REG_DWORD || value->data != "\x04\x03\x02\x01") __builtin_trap();
  }
  return 0;
}
