// The commands of CVXPPClient that the viewer's pages do not call but that
// complete the interface: recording days and logs, POS record searches
// (plain and multipart), and adding system log entries.  Their bodies are
// laid out as protocol/vxpp_bodies.h says.
#include <cstdlib>
#include <map>

#include "platform/code_page.h"
#include "protocol/format_text.h"
#include "protocol/header_reader.h"
#include "protocol/multipart_message.h"
#include "protocol/result_codes.h"
#include "protocol/vxpp_client.h"
#include "protocol/wire_bytes.h"

using vxpp::SessionRequest;
using vxpp::HasServerError;

namespace {

constexpr const char* kVersion1 = "VXPP/1.0";
constexpr const char* kVersion2 = "VXPP/2.0";

// "Pos-ID" lists every id as "%d,".
std::string PosIdList(const std::vector<int>& posIds) {
  std::string text;
  for (int id : posIds) text += vxpp::FormatText("%d,", id);
  return text;
}

std::string DateHeader(const CDateTime& day) {
  const CDateTime::Fields f = day.Split();
  return vxpp::FormatText("Date: %d/%d/%d\r\n", f.year, f.month, f.day);
}

// The value of a "Name: value\r\n" line received on its own.
std::string LineValue(CNetHelper& net, const char* name) {
  const std::string line = net.RecvUntil("\r\n", CVXPPClient::kHeaderTimeoutMs);
  std::string value;
  vxpp::HeaderText(line, name, &value);
  return value;
}

}  // namespace

bool CVXPPClient::GetDayLogs(const std::string& url, uint32_t session, std::vector<std::string>& days) {
  const Answer answer = m_exchange.Exchange(
      url, {kVersion1, nullptr, kHeaderTimeoutMs, true},
      [&](int cseq) { return SessionRequest("GETDAYLOGS", url, kVersion1, cseq, session, ""); }, {},
      [&](CNetHelper& net, const std::string& headers) {
        int32_t count = 0;
        vxpp::HeaderInt(headers, "Day-Count:", &count);
        for (int32_t i = 0; i < count; ++i) {
          char length[4];
          net.RecvExact(length, sizeof length);
          std::string day;
          vxpp::CheckLimit(vxpp::GetU32(length), vxpp::kMaxBodyBytes, "day bytes");
          net.RecvAppend(&day, vxpp::GetU32(length));
          days.push_back(std::move(day));
        }
      });
  return answer.Ok();
}

bool CVXPPClient::GetDayLogs2(const std::string& url, uint32_t session, std::string& body) {
  return m_exchange.ContentAnswer(url, {kVersion2, nullptr, kHeaderTimeoutMs, true}, [&](int cseq) {
    // The session line comes last here.
    return vxpp::FormatText(
        "GETDAYLOGS %s VXPP/2.0\r\nCSeq: %d\r\nSupport-Record2: 1\r\nSupport-Channel-Count: %d\r\n"
        "User-Session-No: %u\r\n\r\n",
        url.c_str(), cseq, kSupportChannelCount, session);
  }, body);
}

bool CVXPPClient::GetRecLog(const std::string& url, uint32_t session, const CDateTime& day,
                            const std::vector<int>& channels, int supportSequenceNum, std::string& body) {
  std::string list;
  for (int channel : channels) list += (list.empty() ? "" : ", ") + std::to_string(channel);
  return m_exchange.ContentAnswer(url, {kVersion2, nullptr, kHeaderTimeoutMs, true}, [&](int cseq) {
    // The date and channel lines follow the support lines here.
    return vxpp::FormatText(
        "GETRECLOG %s VXPP/2.0\r\nCSeq: %d\r\nUser-Session-No: %u\r\nSupport-Record2: 1\r\n"
        "Support-Channel-Count: %d\r\nSupport-SequenceNum: %d\r\nSupport-RecordIndex: 1\r\n%sChannel-List: %s\r\n\r\n",
        url.c_str(), cseq, session, kSupportChannelCount, supportSequenceNum, DateHeader(day).c_str(), list.c_str());
  }, body);
}

bool CVXPPClient::GetRecLog2(const std::string& url, uint32_t session, const CDateTime& day, std::string& body) {
  return m_exchange.ContentAnswer(url, {kVersion2, nullptr, kHeaderTimeoutMs, true}, [&](int cseq) {
    return SessionRequest("GETRECLOG2", url, kVersion2, cseq, session, DateHeader(day));
  }, body);
}

int CVXPPClient::PosRecord(const std::string& url, uint32_t session, const std::string& keyWord, int usingRE,
                           const std::vector<int>& posIds, const CDateTime& start, const CDateTime& end,
                           std::vector<PosRecordEntry>& records, bool& queryTooMuch) {
  bool serverError = false;
  const Answer answer = m_exchange.Exchange(
      url, {kVersion2, nullptr, kHeaderTimeoutMs, true},
      [&](int cseq) {
        return SessionRequest("POSRECORD", url, kVersion2, cseq, session,
                              vxpp::FormatText("Key-Word: %s\r\nUsing-RE: %d\r\nPos-ID: %s\r\nStart-Date-Time: %s\r\n"
                                               "End-Date-Time: %s\r\n",
                                               keyWord.c_str(), usingRE, PosIdList(posIds).c_str(),
                                               start.FormatWire().c_str(), end.FormatWire().c_str()));
      },
      {},
      [&](CNetHelper& net, const std::string& headers) {
        if ((serverError = HasServerError(headers))) return;
        int32_t count = 0, tooMuch = 0;
        vxpp::HeaderInt(headers, "Pos-Record-Count:", &count);
        vxpp::HeaderInt(headers, "Query-Too-Much:", &tooMuch);
        queryTooMuch = tooMuch != 0;
        if (count > 0) vxpp::CheckLimit(static_cast<uint64_t>(count), vxpp::kMaxLogRecords, "Pos-Record-Count:");
        for (int32_t i = 0; i < count; ++i) {
          PosRecordEntry entry;
          entry.time = CDateTime::ParseWire(LineValue(net, "Date-Time:").c_str());
          entry.posId = static_cast<uint32_t>(std::strtoul(LineValue(net, "Pos-ID:").c_str(), nullptr, 10));
          const auto codePage = static_cast<unsigned>(std::strtoul(LineValue(net, "Codepage:").c_str(), nullptr, 10));
          const long length = std::strtol(LineValue(net, "Description-Length:").c_str(), nullptr, 10);
          if (length < 0) throw vxpp::VxppError{vxpp::VxppError::kMalformed};
          vxpp::CheckLimit(static_cast<uint64_t>(length), vxpp::kMaxRecordBytes, "Description-Length:");
          char prefix[13];  // "Description: "
          net.RecvExact(prefix, sizeof prefix);
          net.RecvAppend(&entry.description, static_cast<size_t>(length));
          net.RecvUntil("\r\n", kHeaderTimeoutMs);
          if (codePage != 0 && codePage != platform::SystemCodePage())
            entry.description = platform::ConvertCodePage(entry.description, codePage, platform::SystemCodePage());
          entry.cameraIds = LineValue(net, "Camera-ID:");
          records.push_back(std::move(entry));
        }
      });
  if (serverError) return vxpp::kResultServerError;
  return answer.Ok() ? vxpp::kResultSuccess : vxpp::kResultFailure;
}

int CVXPPClient::MetadataRecord(const std::string& url, uint32_t session, const std::string& keyWord, int usingRE,
                                const std::vector<int>& posIds, const CDateTime& start, const CDateTime& end,
                                std::vector<MetadataRecordEntry>& records) {
  bool readable = true;
  const Answer answer = m_exchange.Exchange(
      url, {kVersion2, nullptr, kHeaderTimeoutMs, false},
      [&](int cseq) {
        // This request's headers come from a map, written in its name order.
        const std::map<std::string, std::string> headers = {
            {"CSeq", std::to_string(cseq)},
            {"User-Session-No", vxpp::FormatText("%u", session)},
            {"Key-Word", keyWord},
            {"Using-RE", std::to_string(usingRE)},
            {"Pos-ID", PosIdList(posIds)},
            {"Start-Date-Time", start.FormatWire()},
            {"End-Date-Time", end.FormatWire()}};
        std::string request = "METADATARECORD " + url + " " + kVersion2 + "\r\n";
        for (const auto& [name, value] : headers) request += name + ": " + value + "\r\n";
        return request + "\r\n";
      },
      {},
      [&](CNetHelper& net, const std::string&) {
        MultipartMessage::SocketInputStream stream(net);
        try {
          MultipartMessage message(stream);
          std::string body;
          while (message.NextPart(&body)) {
            const auto& part = message.PartHeaders();
            auto value = [&](const char* name) {
              const auto found = part.find(name);
              return found == part.end() ? std::string() : found->second;
            };
            MetadataRecordEntry entry;
            entry.contentType = value("Content-Type");
            entry.time = CDateTime::ParseWire(value("Date-Time").c_str());
            entry.posId = static_cast<uint32_t>(std::strtoul(value("Pos-ID").c_str(), nullptr, 10));
            entry.cameraIds = value("Camera-ID");
            entry.description = std::move(body);
            records.push_back(std::move(entry));
          }
        } catch (const std::exception&) {
          readable = false;  // no Content-Type or no boundary
        }
      });
  return answer.Ok() && readable ? vxpp::kResultSuccess : vxpp::kResultFailure;
}

bool CVXPPClient::AddSystemLog(const std::string& url, uint32_t session, int logType,
                               const std::vector<std::string>& entries) {
  return m_exchange.Exchange(url, {kVersion2, nullptr, kHeaderTimeoutMs, true}, [&](int cseq) {
           std::string request = vxpp::FormatText(
               "ADDSYSTEMLOG %s VXPP/2.0\r\nCSeq: %d\r\nUser-Session-No: %u\r\nLogType: %d\r\nLogCount:%d\r\n",
               url.c_str(), cseq, session, logType, static_cast<int>(entries.size()));
           for (size_t i = 0; i < entries.size(); ++i)
             request += vxpp::FormatText("LogInfo%04d: %s\r\n", static_cast<int>(i), entries[i].c_str());
           return request + "\r\n";
         }).Ok();
}
