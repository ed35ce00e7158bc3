// The answer and request bodies whose layout this client and vxpp-server
// agree on beyond what the commands themselves fix.  This is the one place
// they are written down; the log records of the log queries (binary records
// and text blocks, POSEVENTLOG2's included) are in log_record_wire.h.
//
// Recordings (GETDAYLOGS, GETRECLOG, GETRECLOG2):
//   day text           "%04d/%02d/%02d"
//   GETDAYLOGS 1.0     "Day-Count: n", then per day a u32 byte length and the day text
//   GETDAYLOGS 2.0     Content-Length body: a string list of day texts
//   GETRECLOG(2)       Content-Length body: a string list of spans, each
//                      "%d;%s;%s": channel index, start and end in the wire
//                      form "%Y/%m/%d;%H:%M:%S" (the date's own ';' stays)
// Bookmarks (ADDBOOKMARK, MODIFYBOOKMARK, DELETEBOOKMARK, QUERYBOOKMARK):
//   one bookmark       header lines "Bookmark-ID: %u", "Camera-Index: %u",
//                      "Date-Time: <wire form>", "Name: %s",
//                      "Description: %s", then an empty line; a bookmark is
//                      known by its id (DELETEBOOKMARK needs only that line)
//   QUERYBOOKMARK      Content-Length body: a string list of bookmarks
// POSRECORD, per record, each line ending in CR LF:
//   "Date-Time: <wire form>", "Pos-ID: %u", "Codepage: %u" (the code page
//   of the description, which the client converts to its own; 0 = none
//   named), "Description-Length: %d", "Description: " followed by that
//   many bytes and CR LF, "Camera-ID: %s"
// METADATARECORD: after the answer's header block, a MIME multipart
//   message: its own header block with "Content-Type: multipart/mixed;
//   boundary=...", then one part per record with the part headers
//   "Content-Type: text/plain", "Date-Time", "Pos-ID" and "Camera-ID" and
//   the description as the part's body.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vocabulary/date_time.h"

// One record of a POSRECORD answer.
struct PosRecordEntry {
  CDateTime time = CDateTime::Null();
  uint32_t posId = 0;
  std::string description;  // converted to the local code page
  std::string cameraIds;    // as the server sent it
};

// One part of a METADATARECORD answer.
struct MetadataRecordEntry {
  std::string contentType;
  CDateTime time = CDateTime::Null();
  uint32_t posId = 0;
  std::string cameraIds;
  std::string description;
};

namespace vxpp {

struct RecordingSpan {
  int32_t channel = 0;
  CDateTime start;
  CDateTime end;
  friend bool operator==(const RecordingSpan& a, const RecordingSpan& b) {
    return a.channel == b.channel && a.start == b.start && a.end == b.end;
  }
};

struct Bookmark {
  uint32_t id = 0;
  uint32_t cameraIndex = 0;
  CDateTime time = CDateTime::Null();
  std::string name;         // one line
  std::string description;  // one line
};

std::string FormatDay(const CDateTime& day);

std::string EncodeRecordingSpans(const std::vector<RecordingSpan>& spans);
// Entries that do not read as a span are left out.
std::vector<RecordingSpan> DecodeRecordingSpans(const std::string& body);

std::string EncodeBookmark(const Bookmark& bookmark);
// False when the body has no "Bookmark-ID:".
bool DecodeBookmark(const std::string& body, Bookmark* bookmark);
std::vector<Bookmark> DecodeBookmarkList(const std::string& body);

}  // namespace vxpp
