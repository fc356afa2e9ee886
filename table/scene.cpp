// The table scene. The table's drawing is not built yet: the scene draws nothing and says so
// once in the trace.
#include "table/scene.h"

#include "engine/engine_services.h"

void drawTableScene(int32_t mode, bool benchmark) {
  (void)mode;
  (void)benchmark;
  static bool told = false;
  if (!told) trace("drawTableScene: the table's drawing is not available");
  told = true;
}
