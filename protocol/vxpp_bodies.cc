#include "protocol/vxpp_bodies.h"

#include <cstdio>

#include "protocol/format_text.h"
#include "protocol/header_reader.h"
#include "protocol/string_list.h"

namespace vxpp {

std::string FormatDay(const CDateTime& day) { return day.FormatDate(); }

std::string EncodeRecordingSpans(const std::vector<RecordingSpan>& spans) {
  std::vector<std::string> entries;
  for (const RecordingSpan& span : spans)
    entries.push_back(
        FormatText("%d;%s;%s", span.channel, span.start.FormatWire().c_str(), span.end.FormatWire().c_str()));
  return WriteStringList(entries);
}

std::vector<RecordingSpan> DecodeRecordingSpans(const std::string& body) {
  std::vector<RecordingSpan> spans;
  for (const std::string& entry : ReadStringList(body)) {
    // "channel;Y/m/d;H:M:S;Y/m/d;H:M:S": the wire form holds a ';' itself.
    int channel = 0;
    int f[12];
    if (std::sscanf(entry.c_str(), "%d;%d/%d/%d;%d:%d:%d;%d/%d/%d;%d:%d:%d", &channel, &f[0], &f[1], &f[2], &f[3],
                    &f[4], &f[5], &f[6], &f[7], &f[8], &f[9], &f[10], &f[11]) != 13)
      continue;
    spans.push_back({channel, CDateTime::FromFields(f[0], f[1], f[2], f[3], f[4], f[5]),
                     CDateTime::FromFields(f[6], f[7], f[8], f[9], f[10], f[11])});
  }
  return spans;
}

std::string EncodeBookmark(const Bookmark& bookmark) {
  return FormatText("Bookmark-ID: %u\r\nCamera-Index: %u\r\nDate-Time: %s\r\nName: %s\r\nDescription: %s\r\n\r\n",
                    bookmark.id, bookmark.cameraIndex, bookmark.time.FormatWire().c_str(), bookmark.name.c_str(),
                    bookmark.description.c_str());
}

bool DecodeBookmark(const std::string& body, Bookmark* bookmark) {
  if (!HeaderU32(body, "Bookmark-ID:", &bookmark->id)) return false;
  HeaderU32(body, "Camera-Index:", &bookmark->cameraIndex);
  std::string time;
  if (HeaderText(body, "Date-Time:", &time)) bookmark->time = CDateTime::ParseWire(time.c_str());
  HeaderText(body, "Name:", &bookmark->name);
  HeaderText(body, "Description:", &bookmark->description);
  return true;
}

std::vector<Bookmark> DecodeBookmarkList(const std::string& body) {
  std::vector<Bookmark> bookmarks;
  for (const std::string& entry : ReadStringList(body)) {
    Bookmark bookmark;
    if (DecodeBookmark(entry, &bookmark)) bookmarks.push_back(bookmark);
  }
  return bookmarks;
}

}  // namespace vxpp
