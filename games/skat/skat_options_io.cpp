// The Skat options record and the computer seats' profiles at a new list.
#include "games/skat/skat_options_io.h"

#include <algorithm>

#include "core/cg.h"
#include "engine/elements.h"
#include "games/skat/skat_profile.h"
#include "games/skat/skat_state.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"

namespace {

// The strength 1..3 chosen in Skat's options dialog ("Schwierigkeit"); without the dialog the
// seat's strength in the game state; "Normal" when neither holds one.
int32_t seatStrength(int32_t seat) {
  int32_t d = dlgGameOptions[gidSkat];
  int32_t s = d != 0 && elDifficultyList[gidSkat] != 0 ? getTopIndex(d, elDifficultyList[gidSkat]) : cg.gs.seatProfiles[seat].strength;
  return s >= 1 && s <= 3 ? s : 2;
}

// The seven numbers follow the strength in the game state's seat profile.
void copyProfileToGameState(int32_t seat) {
  const TSkatProfileFields& f = seatProfile[seat].fields;
  TSeatProfile& p = cg.gs.seatProfiles[seat];
  p.strength = seatProfile[seat].strength;
  p.reizen = f.reizen;
  p.reizenr = f.reizenr;
  p.wahrs = f.wahrs;
  p.wahr0 = f.wahr0;
  p.kont = f.kont;
  p.wafe = f.wafe;
  p.krafe = f.krafe;
}

}  // namespace

bool skatIsStandardRules(const TSkatOptions& o) {
  return !o.rum && !o.spitze && !o.grand20 && !o.kontra && !o.bockRamsch && o.scoring == 1;
}

void skatReadOptions() {
  if (isNetGame()) return;
  for (int32_t seat = 1; seat <= 3; seat++) {
    skatLoadSeatProfile(seat, seatStrength(seat));
    copyProfileToGameState(seat);
  }
  TSkatOptions& o = skatArea->options;
  o.listLength = std::clamp(o.listLength, 0, skatMaxListLength);
  o.grandBase = o.grand20 ? 20 : 24;
  if (o.scoring < 1 || o.scoring > 4) o.scoring = 1;
  if (o.firstDealer < 0 || o.firstDealer > 3) o.firstDealer = 0;
}

void skatWriteOptions() { skatOptionsChanged(); }

void skatOptionsChanged() {
  skatReadOptions();
  TSkatOptions& o = skatArea->options;
  o.internationalRules = skatIsStandardRules(o) ? 1 : 0;
}

void skatApplyStandardRules() {
  skatReadOptions();
  TSkatOptions& o = skatArea->options;
  o.rum = 0;
  o.spitze = 0;
  o.grand20 = 0;
  o.grandBase = 24;
  o.kontra = 0;
  o.bockRamsch = 0;
  o.scoring = 1;
  skatWriteOptions();
}
