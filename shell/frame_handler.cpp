// The frame handler Tglapp.main: what the main window does every frame.
#include "core/cg.h"
#include "core/seat_markers.h"
#include "shell/main_window.h"

void Tglapp::main(bool nested) {
  (void)nested;
  // So far the seats' hover markers; the table scene is drawn here once the table's drawing
  // exists.
  if (cg.gameId != gidPoker) updateSeatMarkers();
}
