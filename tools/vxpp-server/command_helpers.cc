#include "tools/vxpp-server/command_helpers.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/code_page.h"
#include "platform/paths.h"
#include "tools/vxpp-server/session_commands.h"

namespace vxpp_server {

CommandHandler ForSession(ServerContext& context, SessionHandler handler, uint64_t needs) {
  return [&context, handler, needs](const VxppRequest& request, ServerConnection& connection,
                                    VxppResponse& response) {
    if (!SessionAlive(context, request, response, needs)) return true;
    return handler(context, request, connection, response);
  };
}

std::optional<CDateTime> RequestTime(const VxppRequest& request, const std::string& name) {
  const std::string* text = request.Find(name);
  if (text == nullptr) return std::nullopt;
  const CDateTime time = CDateTime::ParseWire(text->c_str());
  if (!time.IsValid()) return std::nullopt;
  return time;
}

std::optional<std::string> SafePath(const std::string& folder, const std::string& name) {
  const std::string relative = platform::NormaliseSeparators(name);
  // A NUL would cut the name short at the system call.
  if (relative.empty() || relative.front() == '/' || relative.find('\0') != std::string::npos) return std::nullopt;
  size_t start = 0;
  while (start <= relative.size()) {
    const size_t end = std::min(relative.find('/', start), relative.size());
    const std::string part = relative.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return std::nullopt;
    start = end + 1;
  }
  // The name must still lead into the folder once symbolic links (of its
  // parts or of the file itself) are followed, and to a regular file: no
  // directory, device or pipe.  The folder itself may be a link.
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path root = fs::canonical(folder, error);
  if (error) return std::nullopt;
  const fs::path target = fs::canonical(platform::JoinPath(folder, relative), error);
  if (error || !fs::is_regular_file(target, error)) return std::nullopt;
  const auto [rootEnd, targetAt] = std::mismatch(root.begin(), root.end(), target.begin(), target.end());
  if (rootEnd != root.end() || targetAt == target.end()) return std::nullopt;
  return target.string();
}

std::string CameraNameForClient(const ServerContext& context, const std::string& name) {
  return context.settings.codePageCap == platform::kCodePageUtf8 ? platform::SystemToUtf8(name) : name;
}

void AnswerContent(VxppResponse& response, std::string bytes) {
  response.Add("Content-Length", static_cast<int64_t>(bytes.size()));
  response.body = std::move(bytes);
}

}  // namespace vxpp_server
