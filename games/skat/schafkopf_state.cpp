// The Schafkopf area in use and the raw reading of its party views.
#include "games/skat/schafkopf_state.h"

#include <string>

#include "core/cg.h"
#include "games/skat/skat_services.h"

namespace {
TSchafkopfArea moduleArea{};
}

TSchafkopfArea* schafkopfArea = &moduleArea;

const TSchafkopfOptions schafkopfDefaultOptions = [] {
  TSchafkopfOptions o{};
  o.gameLimit = 20;
  o.pointLimit = 0;
  o.dealerChoice = 1;
  o.moneyTariff = 0;
  o.tariffItem = 1;
  o.tout = o.sie = o.kontra = o.re = o.laufende = 1;
  o.soloValue = 2;
  return o;
}();

void schafkopfAttachArea(TSchafkopfArea& area) { schafkopfArea = &area; }

TSchafkopfArea& schafkopfGameArea() { return gameArea<TSchafkopfArea>(cg.gs.schafkopf); }
TSchafkopfSavedLists& schafkopfGameLists() { return gameArea<TSchafkopfSavedLists>(cg.gs.schafkopfLists); }

int32_t schafkopfPartyOf(int32_t seat, int32_t view) {
  if (seat < 1 || seat > schafkopfSeats || view < 0 || view > 4) {
    // Reached only by a caller's fault; the game goes on with "undecided".
    skatTrace("schafkopf.parteievt: Bereichsfehler spinr,viewnr: " + std::to_string(seat) + "," +
              std::to_string(view));
    return skfPartyUnknown;
  }
  return schafkopfArea->partyViews[view].party[seat];
}

TSchafkopfPartyFields schafkopfPartyFields() {
  TSchafkopfArea& a = *schafkopfArea;
  return TSchafkopfPartyFields{a.partyViews, a.contract.type, a.contract.suit, a.declarerSeat, a.soloistSeat,
                               a.silentSoloShown};
}

void schafkopfPartyEvent(int kind, int32_t seat) {
  TSchafkopfPartyFields f = schafkopfPartyFields();
  schafkopfPartyEvent(f, kind, seat);
}
