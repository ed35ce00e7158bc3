// The viewer settings that ShowLogViewerDlg stores in the dialog.  A plain
// value; the dialog keeps one and every page reads it through the dialog.
#pragma once

#include <cstdint>

#include "vocabulary/cstring_a.h"

class CUserAccount;

struct ViewerSettings {
  static constexpr int kDefaultServerPort = 5160;

  int showEventLog = 0;
  int showSystemLog = 0;
  int showCounting = 0;
  int showMetadataLog = 0;
  int showBackupLog = 0;
  int showIvsLog = 0;
  int showEdgeStorage = 0;
  // Camera list from the remote server, and every search on it instead of the
  // local databases.
  int remoteCameraList = 0;
  int serverPort = kDefaultServerPort;
  // Also the root folder of the local databases when neither empty nor "localhost".
  CStringA serverAddress;
  uint32_t userSessionNo = 0;
  // The host's, not owned; null = no user filtering.
  CUserAccount* userAccount = nullptr;
  int cameraCount = 0;  // cameras of the generic list
  int genericCameraNames = 0;
  int nvrMode = 0;  // the remote (NVR) variants of the pages
  int modeless = 0;  // 1 while the dialog is the modeless singleton
};
