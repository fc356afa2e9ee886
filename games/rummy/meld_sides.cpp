#include "games/rummy/meld_sides.h"

#include "core/cg.h"
#include "games/rummy/canasta_state.h"
#include "shell/shell_globals.h"

bool samePartnership(int32_t a, int32_t b) {
  const TCanastaArea& can = canastaArea();
  if (cg.gameId == gidCanasta && can.options.teams != 0 && a >= 1 && a <= 6 && b >= 1 && b <= 6)
    return can.team[a] == can.team[b];
  return a == b;
}

int32_t nextSeat(int32_t seat) {
  if (seat == -1) seat = cg.gs.akspieler;
  return seat + 1 > playerCount ? 1 : seat + 1;
}

int32_t prevSeat(int32_t seat) {
  if (seat == -1) seat = cg.gs.akspieler;
  return seat - 1 < 1 ? playerCount : seat - 1;
}
