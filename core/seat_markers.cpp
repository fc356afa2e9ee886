// Seat markers of the table overlay panel and the seats' name labels.
#include "core/seat_markers.h"

#include <algorithm>
#include <string>

#include "core/cg.h"
#include "core/game_callbacks.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/texts.h"
#include "net/net_transport.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "table/player_panels.h"
#include "table/seat_plates.h"
#include "table/table_game_hooks.h"

int32_t showSeatNames = 0;

float seatLabelScale(int32_t seat) {
  if (seat < 1 || seat > 6) return 1.0f;
  return elementOpacity(dlgIPanel, elSeatMarkers[seat]);
}

void updateSeatMarkers() {
  if (dlgIPanel == 0) return;  // the overlay panel is not built yet
  int32_t pointed = gameSeatUnderPointer();
  int32_t seats = playerCount < 6 ? playerCount : 6;
  for (int32_t i = 1; i <= seats; i++) {
    bool show = i == pointed || (cg.gs.tutorialMode && i == cg.gs.tutorialCardMarks[1]) || gameSeatMarked(i);
    if (elSeatMarkers[i]) setElementVisible(dlgIPanel, elSeatMarkers[i], show ? 1 : 0);
  }
}

namespace {

float dialogProgress(int32_t d) { return vtl.diags.valid(d) ? dialogOf(d).showAnim.progress : 0.0f; }

}  // namespace

float seatLabelAlpha(int32_t seat) {
  if (cg.gameId == gidPoker || seat < 2 || seat > cg.seatCount) return 0;
  const float marker = seatLabelScale(seat);
  const float list = dialogProgress(dlgGameList);
  const float box = dialogProgress(vtl.boxDialog);
  const bool resultBox = box > 0 && getElementText(vtl.boxDialog, 1) == lookupText("f_dialog_spielergebnis");
  if (showSeatNames == 1 || resultBox) return std::max({float(showSeatNames), marker, box, list});
  return std::max(marker, list);
}

void drawSeatLabel(int32_t seat) {
  const float alpha = seatLabelAlpha(seat);
  if (alpha <= 0) return;
  std::string label = "!";
  if (isNetGame() && netTransport.isSeatLost(seat, false, true)) label += "\x01 ";
  label += cg.seatNameFit(seat, true);
  placeAtSeatLabel(seat);
  drawTextPlate(label, 0, true, alpha);
}
