// The cameras of a metadata record.  A record names them in its CameraId
// text as pairs "<source channel>:<camera index>" ("1:3, 1:4"): tokens
// separated by any run of ":", "," and " ", read two by two, the second of
// each pair being a zero-based camera index.  The list shows them one-based
// joined by "/" ("4/5"), and opening a row reads that text back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The camera indexes of a CameraId text, in order.  A trailing lone token
// is ignored, and so is a pair whose second token is not a decimal number
// of at most 4294967295.
std::vector<uint32_t> ParsePosCameraIds(std::string_view cameraId);

// The camera text of a CameraId text: "4/5", each index ParsePosCameraIds
// reads plus one, joined by "/"; empty for no cameras.  Written into `text`
// (what it held is replaced, its storage reused: a search writes one text
// per record without allocating).
void PosCameraText(std::string_view cameraId, std::string& text);

// The indexes a camera text shows: its numbers (split at "/" and " ")
// minus one; a token that is no number of 1 to 4294967296 is skipped.
std::vector<uint32_t> ReadPosCameraText(std::string_view text);
