// The event channel, the default callbacks and the close request.
#include "engine/engine_events.h"

void setEngineEventHandler(TEngineEventHandler handler) { vtl.mainWindowEvent = std::move(handler); }

void sendEngineEvent(int32_t x, int32_t y) {
  if (vtl.mainWindowEvent) vtl.mainWindowEvent(kEngineEventMark, x, y);
}

void defaultElementClick(int32_t, int32_t) {}
void defaultListChange(int32_t, int32_t) {}
void defaultElementPress(int32_t, int32_t) {}

bool skipQuitQuestion() { return false; }

void requestClose() {
  if (!vtl.onCloseQuery || vtl.onCloseQuery()) vtl.engineState = esTerminating;
}

void formClose() {
  requestClose();
  if (vtl.engineState == esTerminating) vtl.formClosing = true;
}
