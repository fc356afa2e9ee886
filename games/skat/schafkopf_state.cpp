// The Schafkopf area in use and the raw reading of its party views.
#include "games/skat/schafkopf_state.h"

#include <string>

#include "games/skat/skat_services.h"

namespace {
TSchafkopfArea moduleArea{};
}

TSchafkopfArea* schafkopfArea = &moduleArea;

void schafkopfAttachArea(TSchafkopfArea& area) { schafkopfArea = &area; }

int32_t schafkopfPartyOf(int32_t seat, int32_t view) {
  if (seat < 1 || seat > schafkopfSeats || view < 0 || view > 4) {
    // Reached only by a caller's fault; the game goes on with "undecided".
    skatTrace("schafkopf.parteievt: Bereichsfehler spinr,viewnr: " + std::to_string(seat) + "," +
              std::to_string(view));
    return skfPartyUnknown;
  }
  return schafkopfArea->partyViews[view][seat];
}
