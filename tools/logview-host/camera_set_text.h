// The host's camera set as text: camera indexes of the viewer's camera list
// (0 = the first camera), written "0, 2-4".
#pragma once

#include <string>

#include "logview/logview.h"

// Reads "0,2-4" (spaces allowed; empty = no camera).  False, with `error`
// naming the bad piece, for anything that is not an index from 0 to 127 or a
// range of them.
bool ParseCameraIndexes(const std::string& text, VxBitset<128>* cameras, std::string* error);

// "0, 2-4"; "none" for the empty set.
std::string CameraIndexesText(const VxBitset<128>& cameras);
