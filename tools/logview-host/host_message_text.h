// What a message from the viewer asks of the host, in words, for the host's
// message panel: "play cameras 0, 2 from 2026/12/05 07:30:00 to ...".
// Pointer arguments are read as the viewer passes them (a CDateTime, a
// PlaybackRequest) and must be valid or null.
#pragma once

#include <string>

#include "logview/logview.h"

std::string HostMessageInWords(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);

// A moment as the list shows it; "(no time)" for null or a time that is not valid.
std::string MomentInWords(const CDateTime* time);

// The playback a start-playback request asks for, in words (the player panel
// shows the same text).
std::string PlaybackInWords(const PlaybackRequest& request);
