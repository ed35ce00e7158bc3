// The device and settings commands of CVXPPClient: cameras, analytics
// devices, combined counters, the supported edge event list, POS settings,
// language packs, video availability and bookmarks.
#include <cstdlib>

#include "platform/code_page.h"
#include "platform/debug_output.h"
#include "platform/env.h"
#include "platform/paths.h"
#include "protocol/format_text.h"
#include "protocol/header_reader.h"
#include "protocol/string_list.h"
#include "protocol/vxpp_client.h"
#include "vocabulary/epos_setting_fields.h"

using vxpp::SessionRequest;
using vxpp::ReceiveSized;

namespace {

constexpr const char* kVersion1 = "VXPP/1.0";
constexpr const char* kVersion2 = "VXPP/2.0";
// The longest folder a downloaded file may be written to.
constexpr size_t kMaxFolderChars = 259;

// "VXPP-Version:" of an answer is 2.0 or later.
bool IsVersion2(const std::string& headers) {
  float version = 0;
  vxpp::HeaderDecimal(headers, "VXPP-Version:", &version);
  return version >= 2.0f;
}

// Writes `bytes` to `path` as a new file, replacing an old one.  A file not
// written whole is reported in the debug output and counts as not downloaded.
bool WriteNewFile(const std::string& path, const std::string& bytes) {
  platform::Env* env = platform::Env::Default();
  env->DeleteFile(path);
  std::string error;
  if (platform::WriteStringToFile(env, bytes, path, &error)) return true;
  platform::DebugOutput("download not saved: " + error);
  return false;
}

// A list that holds more entries than the client asked for (or than any
// installation has devices) is refused before it is read: each entry costs
// far more in memory than its four bytes on the wire.
void CheckEntries(std::string_view block, const char* what, size_t limit) {
  vxpp::CheckLimit(vxpp::StringListCount(block), limit, what);
}

// Sets each field whose token ("Name: value") the block holds; the others
// keep their value.
auto TokenSetter(const std::string& block) {
  return [&block](const char* name, auto& field) {
    std::string token;
    if (vxpp::HeaderToken(block, (std::string(name) + ":").c_str(), &token)) SetPosSettingField(field, token);
  };
}

}  // namespace

bool CVXPPClient::GetCamInfo(const std::string& url, uint32_t session, std::vector<std::string>& names,
                             std::vector<uint32_t>& ids) {
  const AnswerShape shape{kVersion2, nullptr, kHeaderTimeoutMs, true};
  const Answer answer = m_exchange.Exchange(
      url, shape,
      [&](int cseq) {
        return SessionRequest("GETCAMINFO", url, kVersion2, cseq, session,
                              vxpp::FormatText("VXPP-Version: 2.0\r\nSupport-Channel-Count: %d\r\n",
                                               kSupportChannelCount));
      },
      {},
      [&](CNetHelper& net, const std::string& headers) {
        const bool version2 = IsVersion2(headers);
        uint32_t includeIds = 0;
        vxpp::HeaderU32(headers, "Include-Camera-ID:", &includeIds);
        std::string block;
        ReceiveSized(net, headers, "Content-Length:", &block);
        CheckEntries(block, "camera name entries", kSupportChannelCount);
        for (std::string& name : vxpp::ReadStringList(block)) names.push_back(CameraNameFromServer(name));
        if (!version2) return;
        std::string idBlock;
        ReceiveSized(net, headers, "Camera-ID-Content-Length:", &idBlock);
        if (includeIds == 0) return;
        CheckEntries(idBlock, "camera id entries", kSupportChannelCount);
        for (uint32_t id : vxpp::ReadNumberList(idBlock)) ids.push_back(id);
      });
  return answer.Ok();
}

std::string CVXPPClient::CameraNameFromServer(const std::string& name) const {
  // A server that announced a code page of its own sends its names in UTF-8.
  if (m_serverCodePageCap == 0) return name;
  return platform::ConvertCodePage(name, platform::kCodePageUtf8, platform::SystemCodePage());
}

bool CVXPPClient::GetIVSDeviceInfo(const std::string& url, uint32_t session, std::vector<uint32_t>& ivsDeviceIds,
                                   std::vector<std::string>& deviceNames, std::vector<uint32_t>& deviceIds) {
  const AnswerShape shape{kVersion2, nullptr, kHeaderTimeoutMs, true};
  const Answer answer = m_exchange.Exchange(
      url, shape,
      [&](int cseq) {
        return SessionRequest("GETIVSDEVICEINFO", url, kVersion2, cseq, session, "VXPP-Version: 2.0\r\n");
      },
      {},
      [&](CNetHelper& net, const std::string& headers) {
        const bool version2 = IsVersion2(headers);
        uint32_t includeIds = 0;
        vxpp::HeaderU32(headers, "Include-IVSDevice-ID:", &includeIds);
        std::string block;
        ReceiveSized(net, headers, "Content-Length:", &block);
        CheckEntries(block, "IVS device id entries", vxpp::kMaxDeviceEntries);
        for (uint32_t id : vxpp::ReadNumberList(block)) ivsDeviceIds.push_back(id);
        std::string nameBlock;
        ReceiveSized(net, headers, "Device-Name-Content-Length:", &nameBlock);
        CheckEntries(nameBlock, "device name entries", vxpp::kMaxDeviceEntries);
        for (std::string& name : vxpp::ReadStringList(nameBlock)) deviceNames.push_back(std::move(name));
        if (!version2) return;
        std::string idBlock;
        ReceiveSized(net, headers, "Device-ID-Content-Length:", &idBlock);
        if (includeIds == 0) return;
        CheckEntries(idBlock, "device id entries", vxpp::kMaxDeviceEntries);
        for (uint32_t id : vxpp::ReadNumberList(idBlock)) deviceIds.push_back(id);
      });
  return answer.Ok();
}

bool CVXPPClient::GetCombinedCounterInfo(const std::string& url, uint32_t session,
                                         std::map<uint32_t, std::string>& counters) {
  const AnswerShape shape{kVersion2, nullptr, kHeaderTimeoutMs, true};
  const Answer answer = m_exchange.Exchange(
      url, shape,
      [&](int cseq) {
        return SessionRequest("GETCOMBINEDCOUNTERINFO", url, kVersion2, cseq, session, "VXPP-Version: 2.0\r\n");
      },
      {},
      [&](CNetHelper& net, const std::string& headers) {
        int32_t count = 0;
        vxpp::HeaderInt(headers, "CounterNumbers:", &count);
        if (count > 0) vxpp::CheckLimit(static_cast<uint64_t>(count), vxpp::kMaxDeviceEntries, "CounterNumbers:");
        for (int32_t i = 0; i < count; ++i) {
          const std::string block = net.RecvHeaders(kHeaderTimeoutMs);
          uint32_t id = 0;
          std::string name;
          vxpp::HeaderU32(block, "CounterID:", &id);
          vxpp::HeaderText(block, "CounterName:", &name);
          counters.insert({id, name});
        }
      });
  return answer.Ok();
}

bool CVXPPClient::SupportedEdgeEventListOfDP(const std::string& url, uint32_t session, const std::string& directory,
                                             const std::string& fileName) {
  if (directory.size() > kMaxFolderChars) return false;
  std::string bytes;
  const AnswerShape shape{kVersion2, nullptr, kHeaderTimeoutMs, true};
  const Answer answer = m_exchange.Exchange(
      url, shape,
      [&](int cseq) {
        return SessionRequest("SUPPORTEDEDGEEVENTLISTOFDP", url, kVersion2, cseq, session,
                              vxpp::FormatText("SupportedEdgeEventListOfDP: %s\r\n", fileName.c_str()));
      },
      {}, [&](CNetHelper& net, const std::string& headers) { ReceiveSized(net, headers, "Content-Length:", &bytes); });
  return answer.Ok() && WriteNewFile(platform::JoinPath(directory, fileName + ".tmp"), bytes);
}

bool CVXPPClient::QueryPosSetting(const std::string& url, uint32_t session, std::vector<EPOS_Setting>& settings) {
  const AnswerShape shape{kVersion2, nullptr, kFunctionsHeaderTimeoutMs, false};
  const Answer answer = m_exchange.Exchange(
      url, shape, [&](int cseq) { return SessionRequest("QUERYPOSSETTING", url, kVersion2, cseq, session, ""); }, {},
      [&](CNetHelper& net, const std::string& headers) {
        int32_t count = 0;
        vxpp::HeaderInt(headers, "Pos-Count:", &count);
        // Each block is read the same way: a header block naming the length,
        // then that many bytes of values.
        auto nextBlock = [&] {
          std::string block;
          ReceiveSized(net, net.RecvHeaders(kFunctionsHeaderTimeoutMs), "Content-Length:", &block);
          return block;
        };
        for (int32_t i = 0; i < count; ++i) {
          std::string ack =
              vxpp::FormatText("VXPP/2.0 200 OK\r\nCSeq: %d\r\n\r\n", static_cast<int>(m_exchange.NextCSeq()));
          net.SendText(ack);
          EPOS_Setting setting;
          const std::string block = nextBlock();
          ForEachPosSettingField(setting, TokenSetter(block));
          int32_t associations = 0;
          vxpp::HeaderInt(block, "Association-Count:", &associations);
          for (int32_t a = 0; a < associations; ++a) {
            const std::string associationBlock = nextBlock();
            ForEachAssociationField(setting.associations.emplace_back(), TokenSetter(associationBlock));
          }
          settings.push_back(std::move(setting));
        }
      });
  return answer.Ok();
}

bool CVXPPClient::LangPackGetVersion(const std::string& url, uint32_t session, std::string& version) {
  const Answer answer =
      m_exchange.SessionCommand(url, session, "LANGPACKGETVERSION", {kVersion2, nullptr, kHeaderTimeoutMs, true});
  if (!answer.Ok()) return false;
  vxpp::HeaderToken(answer.headers, "LangPack-Version:", &version);
  return true;
}

bool CVXPPClient::LangPackGetFile(const std::string& url, uint32_t session, const std::string& fileName,
                                  const std::string& directory) {
  std::string bytes;
  const AnswerShape shape{kVersion2, nullptr, kHeaderTimeoutMs, true};
  const Answer answer = m_exchange.Exchange(
      url, shape,
      [&](int cseq) {
        return SessionRequest("LANGPACKGETFILE", url, kVersion2, cseq, session,
                              vxpp::FormatText("LangPack-FileName: %s\r\n", fileName.c_str()));
      },
      {}, [&](CNetHelper& net, const std::string& headers) { ReceiveSized(net, headers, "Content-Length:", &bytes); });
  return answer.Ok() && WriteNewFile(platform::JoinPath(directory, fileName), bytes);
}

bool CVXPPClient::HasVideo(const std::string& url, uint32_t session, const CDateTime& start, const CDateTime& end,
                           uint32_t cameraIndex, int recordIndex, int& count) {
  const Answer answer = m_exchange.Exchange(url, {kVersion2, nullptr, kHeaderTimeoutMs, true}, [&](int cseq) {
    return SessionRequest("HASVIDEO", url, kVersion2, cseq, session,
                          vxpp::FormatText("Start-Date-Time: %s\r\nEnd-Date-Time: %s\r\nCamera-Index: %u\r\n"
                                           "Record-Index: %d\r\n",
                                           start.FormatWire().c_str(), end.FormatWire().c_str(), cameraIndex,
                                           recordIndex));
  });
  if (!answer.Ok()) return false;
  int32_t value = 0;
  if (vxpp::HeaderInt(answer.headers, "QueryCount:", &value)) count = value;
  return true;
}

bool CVXPPClient::GetVideoSpan(const std::string& url, uint32_t session, uint32_t cameraIndex, int recordIndex,
                               int& result, CDateTime& start, CDateTime& end) {
  const Answer answer = m_exchange.Exchange(url, {kVersion1, nullptr, kHeaderTimeoutMs, true}, [&](int cseq) {
    return SessionRequest("GETVIDEOSPAN", url, kVersion1, cseq, session,
                          vxpp::FormatText("Camera-Index: %u\r\nRecord-Index: %d\r\n", cameraIndex, recordIndex));
  });
  if (!answer.Ok()) return false;
  int32_t value = 0;
  if (vxpp::HeaderInt(answer.headers, "Result:", &value)) result = value;
  std::string text;
  if (vxpp::HeaderText(answer.headers, "Start-Date-Time:", &text)) start = CDateTime::ParseWire(text.c_str());
  if (vxpp::HeaderText(answer.headers, "End-Date-Time:", &text)) end = CDateTime::ParseWire(text.c_str());
  return true;
}

bool CVXPPClient::SendBookmark(const char* word, const std::string& url, uint32_t session, const std::string& body) {
  return m_exchange.Exchange(
             url, {kVersion1, nullptr, kHeaderTimeoutMs, true},
             [&](int cseq) {
               return SessionRequest(word, url, kVersion1, cseq, session,
                                     vxpp::FormatText("Content-Length: %u\r\n", static_cast<unsigned>(body.size())));
             },
             [&](CNetHelper& net) { net.SendAll(body.data(), body.size()); })
      .Ok();
}

bool CVXPPClient::AddBookmark(const std::string& url, uint32_t session, const std::string& body) {
  return SendBookmark("ADDBOOKMARK", url, session, body);
}
bool CVXPPClient::ModifyBookmark(const std::string& url, uint32_t session, const std::string& body) {
  return SendBookmark("MODIFYBOOKMARK", url, session, body);
}
bool CVXPPClient::DeleteBookmark(const std::string& url, uint32_t session, const std::string& body) {
  return SendBookmark("DELETEBOOKMARK", url, session, body);
}

bool CVXPPClient::QueryBookmark(const std::string& url, uint32_t session, std::string& body) {
  std::string received;
  const Answer answer = m_exchange.Exchange(
      url, {kVersion1, nullptr, kHeaderTimeoutMs, true},
      [&](int cseq) { return SessionRequest("QUERYBOOKMARK", url, kVersion1, cseq, session, ""); }, {},
      [&](CNetHelper& net, const std::string& headers) {
        uint32_t length = 0;
        vxpp::HeaderU32(headers, "Content-Length:", &length);
        net.RecvAppend(&received, length);
      });
  if (!answer.Ok()) return false;
  body = std::move(received);
  return true;
}
