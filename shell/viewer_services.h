// ViewerServices: what a host lends the viewer for reaching outside it --
// protocol clients, message boxes, the save dialog.  A windowed front end
// shows real dialogs; the command-line viewer and tests answer from their
// options.  An empty member keeps the viewer's own default: the protocol
// client of this library, a box answered with its default button (as a user
// pressing Enter would), a save dialog that is cancelled.
//
// Installed on the application object (CLogViewerApp::SetServices) before the
// first dialog is made; called on the user-interface thread only.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "protocol/ivxpp_client.h"

struct ViewerServices {
  std::function<std::unique_ptr<IVXPPClient>()> makeClient;
  // text, caption, style (CMessageBox bits) -> the button pressed.
  std::function<int(const std::string& text, const std::string& caption, unsigned style)> askUser;
  // Why a search failed (the database's own error, naming the file), told
  // just before the box of text 97, whose text stays as it is.
  std::function<void(const std::string& reason)> searchFailed;
  // filter ("description|pattern|...||"), default extension -> the chosen
  // path, nothing for Cancel.
  std::function<std::optional<std::string>(const std::string& filter, const std::string& defaultExtension)>
      chooseSavePath;
};
