// Picking. The table's drawing is not built yet, so nothing can lie under the pointer: the
// pick finds nothing and says so once in proto3.txt.
#include "table/picking.h"

#include "engine/engine_services.h"
#include "table/table_globals.h"

int32_t pickAt(int32_t x, int32_t y) {
  (void)x;
  (void)y;
  logNotAvailable("pickAt");
  hoveredCard = 0;
  pickedPile = 0;
  pickedPileIndex = 0;
  return 0;
}
