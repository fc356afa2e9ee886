// The engine's event channel: the events the engine sends to the main window, routed to the
// start-up, the frame handler and the screens.
#include "engine/engine_events.h"
#include "platform/tick.h"
#include "shell/main_window.h"
#include "shell/player_names.h"

void Tglapp::FormMouseWheelDown(uint8_t shift, int32_t x, int32_t y) {
  (void)y;
  if (x > 0) lastClickTick = getTickCount();
  // The hardware test's scenes (-15, -18, and -17's progress panel) are drawn by the card
  // table once it exists; -17 already reads the user's name.
  if (shift != kEngineEventMark) return;
  switch (x) {
    case evStartup: startup(); break;
    case evClose: closeDown(); break;
    case evBenchPrepare: hardwareTestProgress(); break;
    case evFrame: main(false); break;
    default: break;
  }
}

void Tglapp::carddone(int32_t, int32_t, int32_t, int32_t) {}

void Tglapp::specialKey13(int32_t, int32_t) {}
