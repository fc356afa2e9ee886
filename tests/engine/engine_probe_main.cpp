// The engine alone in a real window, for the input tests that drive it from outside: the
// engine's own dialogs with the options dialog on top, no main window behind them, every close
// granted, and the engine's close writing its option files into the current folder's data.
#include <cstdio>
#include <exception>

#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/engine_lifecycle.h"
#include "engine/error_log.h"
#include "platform/window.h"

// The window's title, by which the tests find it.
constexpr const char* kProbeTitle = "Vitrel engine probe";

int main() {
  winSetBackend(WindowBackend::sdl);
  initErrorLog();
  // No main window: the events go nowhere, and the close is granted at once.
  setEngineEventHandler([](uint8_t, int32_t, int32_t) {});
  vtl.onCloseQuery = [] {
    vtl.exitGranted = true;
    return true;
  };
  try {
    engineCreate();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "engine probe: the engine did not start: %s\n", e.what());
    return 1;
  }
  vtl.interfaceVisible = true;
  vtl.keyboardNavigation = true;
  winSetTitle(kProbeTitle);
  runApplication();
  engineDestroy();
  return 0;
}
