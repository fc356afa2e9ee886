// The table scene. The table's drawing is not built yet: the scene draws nothing and says so
// once in proto3.txt.
#include "table/scene.h"

#include "engine/engine_services.h"

void drawTableScene(int32_t mode, bool benchmark) {
  (void)mode;
  (void)benchmark;
  logNotAvailable("drawTableScene");
}
