// Compiled into liblogview.so only: the application object, made by the
// first exported call, is deleted when the library is unloaded.
#include "shell/log_viewer_app.h"

namespace {

__attribute__((destructor)) void EndLibrary() { DestroyLogViewerApp(); }

}  // namespace
