// logview.h: what a host application calls to show and feed the log viewer.
//
// The host includes this header and links liblogview.so (CMake:
// find_package(logview) and target_link_libraries(host PRIVATE logview::logview)),
// or loads the library at run time and looks the functions up by their C++
// names.  Every type these functions take is declared by the headers below.
//
// Loading the library does nothing more.  The first call of any function
// below makes the viewer's application object: it reads the installation's
// "vx_config.ini" and the language number from the registry.  A host that
// keeps its installation or registry file elsewhere than beside its
// executable sets $LOGVIEW_INSTALL (the installation folder) and
// $LOGVIEW_REGISTRY (the .reg file) before that first call.
//
// All functions are called on the host's user-interface thread.  None reports
// an error; a function that needs the viewer's window does nothing before the
// first modeless ShowLogViewerDlg has made it.
#pragma once

#include <vector>

#include "config/supported_edge_event_list.h"
#include "platform/cwnd.h"
#include "vocabulary/cstring_a.h"
#include "vocabulary/date_time.h"
#include "vocabulary/epos_setting.h"
#include "vocabulary/log_status.h"
#include "vocabulary/playback_request.h"
#include "vocabulary/user_account.h"
#include "vocabulary/vx_bitset.h"

// Shows the viewer with the pages the show... switches ask for.
//
// modeless != 0: the one viewer of the library.  The first call makes its
// window; later calls rebuild its tabs and settings (after
// ResetLogViewerInstance, the window is replaced).  With show == 0 the window
// stays hidden and keeps its camera list.  `parent` receives the viewer's
// host messages.
// modeless == 0: a viewer for this call only, child of `parent`, that runs
// until it is closed; the singleton is not touched.
//
// remoteCameraList: cameras and logs come from the server at serverAddress,
// port serverPort, under the host's session userSessionNo.  posSettings: the
// metadata sources.  userAccount: the host's, used while the viewer is shown,
// not owned (null: no user filtering).  genericCameraNames: the camera list is
// "Camera 1" .. "Camera <cameraCount>".  nvrMode: the pages of a remote
// recorder.
void ShowLogViewerDlg(platform::CWnd* parent, int showEventLog, int showSystemLog, int showCounting,
                      int showCountingDiagram, int showMetadataLog, int showBackupLog,
                      int showIvsLog, int showEdgeStorage, int remoteCameraList, int serverPort,
                      CStringA serverAddress, unsigned long userSessionNo,
                      std::vector<EPOS_Setting> posSettings, CUserAccount* userAccount,
                      int cameraCount, int modeless, int show, int genericCameraNames, int nvrMode);

// Hands the event and metadata pages a time window and a camera set (bit i =
// camera i of the viewer's camera list) and searches them.
void SetLogDateTimeAndSearch(CDateTime start, CDateTime end, VxBitset<128> cameras);
// Hands the event, metadata and IVS pages a time window; nothing is searched.
void SetLogDateTime(CDateTime start, CDateTime end);
// Hands the event, metadata and IVS pages a camera set; nothing is searched.
void SetCameras(VxBitset<128> cameras);

// The kinds of event and system log entry offered and shown.  They take
// effect in remote mode only; otherwise every kind is on.
void EnableEventLog(EventLogStatus status);
void EnableSystemLog(SystemLogStatus status);
void SetRemoteMode(bool remote);

// The next modeless ShowLogViewerDlg replaces the viewer's window.
void ResetLogViewerInstance();
// Switches the viewer to another language number (as "LangID" holds it);
// `languageFolder` (ending in a separator) is where its language pack and
// "LanguageTable.xml" lie; null or "" takes the installation's "lang/".
void ResetLogViewerLanguage(unsigned long languageNumber, const char* languageFolder);

// The viewer's pre-translation of a message the host's loop took from its
// queue; non-zero when the viewer consumed it and the host must not dispatch
// it.  While the modeless viewer is shown it takes a key press
// (platform::kMsgKeyDown) of Enter (runs the current page's Search) and of
// Esc (hides the viewer); every other message is left to the host (0).
int FilterDllMsg(platform::MSG* msg);

// RetrieveSupportedEdgeEventListOfDPFromRegistry() and
// RetrieveSupportedEdgeEventListOfDPFromIni(path), the supported edge event
// list of the recording device, are declared in
// config/supported_edge_event_list.h (included above).
