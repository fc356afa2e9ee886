// Making a Schafkopf contract current: the trump order, each seat's Laufende, the user's
// hand re-sorted; and the small contract helpers the table and the bidding share.
#pragma once

#include <cstdint>
#include <string>

#include "games/skat/schafkopf_state.h"

// The contract becomes the applied one with highestBidder as declarer and soloist.
void schafkopfApplyContract(const TContractRecord& contract);
// The seat holding the called Ace of the applied Rufspiel (the last one found), 0 none.
int32_t schafkopfCalledAceHolder();
// "Kontra" at level 1, "Re" at level 2, else empty.
std::string schafkopfKontraReText();
void schafkopfClearContract(TContractRecord& c);
void schafkopfGetContract(TContractRecord& out);
