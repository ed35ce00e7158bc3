// Small pieces the command handlers of the server share.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "vocabulary/date_time.h"
#include "tools/vxpp-server/command_table.h"
#include "tools/vxpp-server/server_context.h"

namespace vxpp_server {

constexpr const char* kVersion1 = "VXPP/1.0";
constexpr const char* kVersion2 = "VXPP/2.0";

// A handler that runs only for a live session whose user holds the
// privilege bits `needs` (702 or 403 otherwise, see SessionAlive).
using SessionHandler = bool (*)(ServerContext&, const VxppRequest&, ServerConnection&, VxppResponse&);
CommandHandler ForSession(ServerContext& context, SessionHandler handler, uint64_t needs = 0);

// The request's time header in the wire form; nothing for "null", a
// missing header or a text that is not a time.
std::optional<CDateTime> RequestTime(const VxppRequest& request, const std::string& name);

// A file name the client may ask for below a folder of the installation:
// relative, without "." or ".." parts, with "/" or "\" between its parts,
// naming a regular file that is still inside `folder` once symbolic links are
// followed.  The file's resolved path, or nothing (also for a missing file).
std::optional<std::string> SafePath(const std::string& folder, const std::string& name);

// A camera name of the registry as the server sends it: in UTF-8 when it
// announced UTF-8 at login, else as the registry holds it.
std::string CameraNameForClient(const ServerContext& context, const std::string& name);

// Answers `bytes` as "Content-Length:" bytes.
void AnswerContent(VxppResponse& response, std::string bytes);

}  // namespace vxpp_server
