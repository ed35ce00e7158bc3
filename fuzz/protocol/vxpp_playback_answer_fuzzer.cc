// A playback over one held connection, the server's side of it handed to
// the client over a scripted socket in pieces of random size: the first
// byte chooses the largest piece, the random seed and whether the server
// stalls or closes when it has said all; the next four bytes choose the
// commands that follow SETUPFILEINFO (a further SETUPFILEINFO connects
// again and gets the same answer); the rest is what the server sends.
// Whatever the client keeps must lie within the playback limits, and no
// command may run longer than the ceiling; the virtual clock makes a stall
// cost no time.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "protocol/client_limits.h"
#include "protocol/scripted_socket_api.h"
#include "protocol/vxpp_rpb_client.h"

namespace {

const std::string kUrl = "vxpp://server/";
constexpr uint32_t kSession = 7;
constexpr size_t kCommandBytes = 4;

void Check(bool held) {
  if (!held) __builtin_trap();
}

void CheckFrames(const CVxShuffleBuffer& gop) {
  Check(gop.frames.size() <= vxpp::kMaxGopFrames && gop.streamHeader.size() <= vxpp::kMaxStreamHeaderBytes);
  uint64_t total = 0;
  for (const CVxShuffleBuffer::Frame& frame : gop.frames) {
    Check(frame.bytes.size() == frame.head.length && frame.bytes.size() <= vxpp::kMaxFrameBytes);
    total += recording::kFrameHeadBytes + frame.bytes.size();
  }
  Check(total <= vxpp::kMaxGopBytes);
}

void CheckEntries(const std::vector<std::string>& entries) {
  size_t bytes = 0;
  for (const std::string& entry : entries) bytes += entry.size();
  Check(bytes <= vxpp::kMaxBodyBytes);
}

int SetUp(CVXPPRPBClient& client) {
  const int files = client.SetupFileInfo(kUrl, kSession, CDateTime::FromFields(2024, 3, 5, 1, 0, 0),
                                         CDateTime::FromFields(2024, 3, 5, 2, 0, 0), 0, 0);
  Check(client.Files().size() <= vxpp::kMaxPlaybackFiles);
  for (const std::string& file : client.Files()) Check(file.size() <= vxpp::kMaxPlaybackFileEntryBytes);
  return files;
}

void RunCommand(CVXPPRPBClient& client, uint8_t command) {
  const CDateTime at = CDateTime::FromFields(2024, 3, 5, 1, 2, 3, 45);
  CVxShuffleBuffer gop;
  std::vector<std::string> entries;
  std::string body;
  switch (command % 15) {
    case 0:
    case 1:
      client.NextGop(kUrl, kSession, command % 15 == 1, gop);
      CheckFrames(gop);
      break;
    case 2: {
      int reached = 0;
      client.Seek(kUrl, kSession, 30, reached, body);
      break;
    }
    case 3: client.DropFrame(kUrl, kSession, 1); break;
    case 4: client.DropAudio(kUrl, kSession, 1); break;
    case 5: {
      bool ended = false;
      client.EndData(kUrl, kSession, ended);
      break;
    }
    case 6: client.PrepareIvsMetadata(kUrl, kSession, 3, at, CDateTime::Null()); break;
    case 7: client.IvsMetadata(kUrl, kSession, 3, at, body); break;
    case 8: client.IvsMetadataVec(kUrl, kSession, 3, at, entries); break;
    case 9: {
      uint32_t count = 0;
      client.PrepareIvsConfig(kUrl, kSession, 3, at, at, count);
      break;
    }
    case 10: client.IvsConfig(kUrl, kSession, 3, at, body); break;
    case 11: client.IvsConfigVec(kUrl, kSession, 3, at, entries); break;
    case 12: client.MdxPrepare(kUrl, kSession, 3, at); break;
    case 13: client.MdxVec(kUrl, kSession, 3, 2, at, entries); break;
    default: SetUp(client);
  }
  Check(body.size() <= vxpp::kMaxBodyBytes);
  CheckEntries(entries);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 + kCommandBytes) return 0;
  ScriptedSocketApi api(data[0]);
  api.SetMaxPiece(1 + data[0] % 64);
  const std::string answer(reinterpret_cast<const char*>(data) + 1 + kCommandBytes, size - 1 - kCommandBytes);
  for (int i = 0; i < 1 + static_cast<int>(kCommandBytes); ++i)
    api.AddAnswer(answer).end = data[0] & 0x80 ? ScriptedSocketApi::End::kStall : ScriptedSocketApi::End::kClose;
  const vxpp::TransferLimits limits;
  CVXPPRPBClient client(&api, limits);
  uint64_t before = api.ElapsedMs();
  SetUp(client);
  Check(api.ElapsedMs() - before <= limits.commandCeilingMs);
  for (size_t i = 1; i <= kCommandBytes; ++i) {
    before = api.ElapsedMs();
    RunCommand(client, data[i]);
    Check(api.ElapsedMs() - before <= limits.commandCeilingMs);
  }
  return 0;
}
