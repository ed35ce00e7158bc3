// A server's whole answer to one command, handed to the client over a
// scripted socket in pieces of random size: the first byte chooses the
// command, the second the largest piece and the random seed, the rest is
// what the server sends before it closes.  The commands that write files
// are left out; the virtual clock makes a stalled answer cost no time.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "protocol/login_info.h"
#include "protocol/scripted_socket_api.h"
#include "protocol/vxpp_bodies.h"
#include "protocol/vxpp_client.h"

namespace {

const std::string kUrl = "vxpp://server/";

void RunCommand(CVXPPClient& client, uint8_t command) {
  const CDateTime start = CDateTime::FromFields(2024, 3, 5, 0, 0, 0);
  const CDateTime end = CDateTime::FromFields(2024, 3, 6, 0, 0, 0);
  int textFormat = 0;
  EventLogRecords events;
  std::vector<std::string> texts;
  std::vector<uint32_t> numbers, more;
  std::string body;
  switch (command % 24) {
    case 0: client.EventLog(kUrl, 1, nullptr, nullptr, start, end, events, nullptr, &textFormat); break;
    case 1: client.IVSEventLog(kUrl, 1, nullptr, nullptr, start, end, events, &textFormat); break;
    case 2: {
      std::vector<SystemLogRecord> records;
      client.SystemLog(kUrl, 1, nullptr, start, end, records);
      break;
    }
    case 3: {
      std::vector<CounterLog> records;
      client.CountingLog(kUrl, 1, nullptr, start, end, records, nullptr, &textFormat);
      break;
    }
    case 4: {
      std::vector<IVSCounterLog> records;
      client.IVSCountingLog(kUrl, 1, nullptr, start, end, records, nullptr, &textFormat);
      break;
    }
    case 5: {
      std::vector<CombinedCounterLog> records;
      client.CombinedCountingLog(kUrl, 1, nullptr, start, end, records);
      break;
    }
    case 6: {
      std::vector<PosEventLogBasket> records;
      client.PosEventLog(kUrl, 1, nullptr, nullptr, start, end, records);
      break;
    }
    case 7: {
      std::vector<PosEventLogBasket> records;
      client.PosEventLog2(kUrl, 1, nullptr, nullptr, start, end, records);
      break;
    }
    case 8: {
      std::vector<EdgeRecordLogBasket> records;
      client.EdgeRecordLog(kUrl, 1, nullptr, nullptr, start, end, records, &textFormat);
      break;
    }
    case 9: {
      uint32_t session = 0;
      LoginInfo info;
      UserPrivileges privileges;
      client.UserLogin(kUrl, "admin", "secret", "", false, false, session, info, privileges);
      break;
    }
    case 10: {
      uint32_t key = 0;
      client.GetLoginHandshakingKey(kUrl, "admin", "secret", "", key);
      break;
    }
    case 11: client.GetCamInfo(kUrl, 1, texts, numbers); break;
    case 12: client.GetIVSDeviceInfo(kUrl, 1, numbers, texts, more); break;
    case 13: {
      std::map<uint32_t, std::string> counters;
      client.GetCombinedCounterInfo(kUrl, 1, counters);
      break;
    }
    case 14: client.GetDayLogs(kUrl, 1, texts); break;
    case 15: client.GetDayLogs2(kUrl, 1, body); break;
    case 16: client.GetRecLog2(kUrl, 1, start, body); break;
    case 17: {
      std::vector<EPOS_Setting> settings;
      client.QueryPosSetting(kUrl, 1, settings);
      break;
    }
    case 18: {
      std::vector<PosRecordEntry> records;
      bool tooMuch = false;
      client.PosRecord(kUrl, 1, "", 0, {1}, start, end, records, tooMuch);
      break;
    }
    case 19: {
      std::vector<MetadataRecordEntry> records;
      client.MetadataRecord(kUrl, 1, "", 0, {1}, start, end, records);
      break;
    }
    case 20: client.GetFailoverHistory(kUrl, 1, texts); break;
    case 21: {
      std::map<std::string, std::string> tokens;
      client.GetFailoverToken(kUrl, 1, tokens);
      break;
    }
    case 22: client.GetServerInfo(kUrl, 1); break;
    default: {
      int result = 0;
      CDateTime first, last;
      client.GetVideoSpan(kUrl, 1, 0, 0, result, first, last);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  ScriptedSocketApi api(data[1]);
  api.SetMaxPiece(1 + data[1] % 64);
  // A command may connect more than once (a login's handshake); each
  // connection gets the same answer.
  for (int i = 0; i < 4; ++i) api.AddAnswer(std::string(reinterpret_cast<const char*>(data) + 2, size - 2));
  CVXPPClient client(&api);
  RunCommand(client, data[0]);
  return 0;
}
