// What the client accepts of a server, so that a server that lies about a
// length, never ends a block or sends ever so slowly costs a bounded amount
// of memory and time.  A command that meets one of these limits ends as a
// failure (the debug output says which limit and what the server sent);
// it never passes on an answer it had to cut short as if it were whole.
// docs/vxpp-client-limits.md gives the reasons for the values.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vxpp {

// A header block (an answer's head, a record's text block, a counter's
// block), up to and including its empty line.  The largest that a server
// sends, the login answer with its per-camera texts for 128 cameras, holds
// some tens of KiB.
constexpr size_t kMaxHeaderBlockBytes = 1 << 20;

// One log record on the wire: a binary record with its description, a
// text block, or a part of a multipart answer (and each of its lines).  A
// record is one row of a list; its description one cell.
constexpr size_t kMaxRecordBytes = 64 << 10;

// Header lines of a multipart message or of one of its parts (a metadata
// record's part carries a handful).
constexpr size_t kMaxMultipartHeaders = 256;

// The records one log answer may announce ("Log-Count:").  The list a page
// builds of them costs some hundred bytes a row.
constexpr uint64_t kMaxLogRecords = 1 << 22;

// A body of "Content-Length:" bytes (camera lists, record-day lists,
// language packs, downloaded files, bookmark lists).
constexpr size_t kMaxBodyBytes = 16 << 20;

// Entries of a device list or counters of a counter list; the camera lists
// are held to the channels the client asks for (CVXPPClient::kSupportChannelCount).
constexpr size_t kMaxDeviceEntries = 1024;

// Files one backup's list may name ("video" files are one per camera and
// hour: a year of 64 cameras is some 560000), and the bytes one file of a
// backup may announce (an hour of video at a high bit rate is a few GiB).
constexpr size_t kMaxBackupFiles = 1 << 20;
constexpr uint64_t kMaxBackupFileBytes = uint64_t{64} << 30;

// A playback (CVXPPRPBClient).  The recording files one SETUPFILEINFO may
// announce ("File-Count:"): an hour file per camera, so a year is under
// 10,000; each file's entry is a path and a few numbers.
constexpr uint32_t kMaxPlaybackFiles = 1 << 16;
constexpr size_t kMaxPlaybackFileEntryBytes = 4 << 10;
// Frames of one NEXTGOP answer ("Frame-Count:"): a GOP of a few seconds
// holds some hundred.
constexpr uint32_t kMaxGopFrames = 4096;
// One frame's bytes (a frame head's length): a key frame of a 4K stream is
// a few MiB.
constexpr size_t kMaxFrameBytes = 16 << 20;
// All frame data of one answer ("Frame-Length:"), heads included.
constexpr size_t kMaxGopBytes = 64 << 20;
// The stream header before the frames of a new file ("Header-Length:").
constexpr size_t kMaxStreamHeaderBytes = 64 << 10;

// The pace a server must keep once a request has gone, and how long one
// command may take in all.  Injectable so that tests can use short values;
// the defaults are the client's.
struct TransferLimits {
  // A server that delivers fewer than `stallWindowBytes` in a window of
  // `stallWindowMs` is abandoned as if it had stopped.  A command whose own
  // wait for one byte is longer (the handshake key's 60 s) gets that wait
  // as its window.
  uint32_t stallWindowMs = 30000;
  size_t stallWindowBytes = 1024;
  // From the connect to the last byte of the answer.
  uint32_t commandCeilingMs = 15 * 60 * 1000;
};

}  // namespace vxpp
