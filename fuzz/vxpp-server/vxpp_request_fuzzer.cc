// A request's header block as a client sends it: parsed, its headers read
// as the commands read them, and a file name it asks for checked against a
// folder that holds one file and has a secret beside it.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/env.h"
#include "platform/paths.h"
#include "tools/vxpp-server/command_helpers.h"
#include "tools/vxpp-server/vxpp_request.h"

namespace {

// <temp>/served/file.txt and <temp>/secret.txt, made once.
const std::string& ServedFolder() {
  static const std::string folder = [] {
    char scratch[] = "/tmp/vxpp_request_fuzzer.XXXXXX";
    if (mkdtemp(scratch) == nullptr) std::abort();
    platform::Env* env = platform::Env::Default();
    const std::string served = platform::JoinPath(scratch, "served");
    if (::mkdir(served.c_str(), 0700) != 0 || !env->WriteFileAtomic(platform::JoinPath(served, "file.txt"), "x") ||
        !env->WriteFileAtomic(platform::JoinPath(scratch, "secret.txt"), "s"))
      std::abort();
    return served;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vxpp_server::VxppRequest request;
  if (!request.Parse(std::string(reinterpret_cast<const char*>(data), size))) return 0;
  request.Number("CSeq");
  request.Number("User-Session-No", -1);
  vxpp_server::RequestTime(request, "Start-Date-Time");
  if (const std::string* name = request.Find("File-Name")) {
    const auto path = vxpp_server::SafePath(ServedFolder(), *name);
    if (path && path->rfind(ServedFolder() + "/", 0) != 0) __builtin_trap();
  }
  return 0;
}
