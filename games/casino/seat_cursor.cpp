// Seat under the pointer: every seat has a centre on an 80 x 60 grid over the window.
#include "games/casino/seat_cursor.h"

#include <cmath>

#include "core/cg.h"
#include "games/casino/chips.h"
#include "engine/window_shape.h"
#include "engine/engine_form.h"
#include "engine/text_width.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"

namespace {

struct TGridCell {
  int32_t gx, gy;
};

// Centres of seats 2..6 by the number of seats; seat 1 sits at (30, 32).
constexpr TGridCell seatCentres[7][5] = {
    {}, {},
    {{34, 5}},
    {{14, 8}, {53, 9}},
    {{11, 10}, {34, 5}, {56, 10}},
    {{9, 10}, {26, 5}, {42, 5}, {58, 11}},
    {{9, 10}, {21, 6}, {34, 4}, {46, 6}, {58, 11}},
};
constexpr TGridCell userSeatCentre{30, 32};

int32_t cachedSeat = 0;

TGridCell seatCentre(int32_t seat, int32_t seats) {
  TGridCell c = seat == 1 ? userSeatCentre : seatCentres[seats][seat - 2];
  if (isChipGame()) return c;
  c.gy += (cg.gameId == gidRomme || cg.gameId == gidCanasta) ? -1 : 3;
  if (cg.gameId == gidSkat) {
    c.gy -= 2;
    if (seat == 3) c.gx -= 2;
    if (isViewFromAbove()) c.gx += seat == 2 ? -2 : 2;
  }
  return c;
}

// Squared grid distance up to which a seat counts as hit.
int32_t hitRadius2(int32_t seats) {
  if (isChipGame()) return 40;
  if ((cg.gameId == gidMauMau || cg.gameId == gidSchwimmen) && seats > 4) return 45;
  return seats < 6 ? 75 : 60;
}

}  // namespace

int32_t seatAtGrid(int32_t gx, int32_t gy) {
  int32_t seats = playerCount;
  if (seats < 1) return 0;
  if (seats > 6) seats = 6;
  // The top right corner belongs to the window's buttons.
  if (!isChipGame() && gx >= 62 && gy <= 8) return 0;
  int32_t found = 0;
  for (int32_t seat = 1; seat <= seats; seat++) {
    TGridCell c = seatCentre(seat, seats);
    int32_t dx = gx - c.gx, dy = gy - c.gy;
    if (dx * dx + dy * dy <= hitRadius2(seats)) found = seat;  // the last match wins
  }
  return found;
}

int32_t seatAtCursor(bool useCached) {
  if (useCached) return cachedSeat;
  double w = aspectState.windowWidth, h = aspectState.windowHeight;
  if (w <= 0 || h <= 0) return 0;
  double px = vtl.pointerX + aspectState.windowLeft;  // the pointer on the desktop
  double py = vtl.pointerY + aspectState.windowTop;
  int32_t gx = static_cast<int32_t>(
      std::nearbyint(((px - w / 2) * aspectFactor() + w / 2 - aspectState.windowLeft) / w / 1.25 * 80));
  int32_t gy = static_cast<int32_t>(std::nearbyint((py - aspectState.windowTop) / h / 1.33 * 60));
  int32_t seat = seatAtGrid(gx, gy);
  if (seat) cachedSeat = seat;
  return seat;
}
