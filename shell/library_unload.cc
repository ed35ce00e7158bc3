// Compiled into liblogview.so only: the library's application object lives
// from the moment the library is loaded until it is unloaded.  Listed last
// among the library's objects, so every other object's static data is set up
// before the application object reads the configuration and the registry.
#include "shell/log_viewer_app.h"

namespace {

__attribute__((constructor)) void StartLibrary() { CreateLogViewerApp(); }

__attribute__((destructor)) void EndLibrary() { DestroyLogViewerApp(); }

}  // namespace
