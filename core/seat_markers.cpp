// Seat markers of the table overlay panel.
#include "core/seat_markers.h"

#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "games/casino/seat_cursor.h"
#include "games/rummy/meld_sides.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"

int32_t showSeatNames = 0;

float seatLabelScale(int32_t seat) {
  if (seat < 1 || seat > 6) return 1.0f;
  if (dlgIPanel == 0 || elSeatMarkers[seat] == 0) return 0.0f;
  const TVTLAnimation& a = elementOf(dlgIPanel, elSeatMarkers[seat]).showAnim;
  return isShownOrAnimating(a) ? a.progress : 0.0f;
}

void updateSeatMarkers() {
  if (dlgIPanel == 0) return;  // the overlay panel is not built yet
  int32_t pointed = seatAtCursor(false);
  int32_t seats = playerCount < 6 ? playerCount : 6;
  for (int32_t i = 1; i <= seats; i++) {
    bool show = i == pointed ||
                (cg.gs.tutorialMode && i == cg.gs.tutorialCardMarks[1]) ||
                (cg.gameId == gidCanasta && samePartnership(1, i) && canastaMarkerFlag);
    if (elSeatMarkers[i]) setElementVisible(dlgIPanel, elSeatMarkers[i], show ? 1 : 0);
  }
}
