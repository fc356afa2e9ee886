// Applying a Schafkopf contract. Laufende count only the contract's trumps: a run of plain
// Aces and Tens below the Unter of a Wenz is no run of Laufende.
#include "games/skat/schafkopf_contract.h"

#include "core/card_order.h"
#include "games/skat/schafkopf_rules.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

TSchafkopfArea& area() { return *schafkopfArea; }

int32_t seatsInPlay() { return playerCount >= 1 ? playerCount : schafkopfSeats; }

int32_t holderOf(const TCard& c) {
  int32_t holder = 0;
  for (int32_t s = 1; s <= seatsInPlay(); s++)
    if (hasCard(sp[s].hand, c)) holder = s;
  return holder;
}

// Trumps from the top that seat's party holds, up to the first one an opponent holds. The
// declarer's party includes the holder of the called Ace; for everybody else that holder's
// cards neither count nor end the run.
int32_t laufendeOf(int32_t seat, int32_t aceHolder) {
  const THand& trumps = area().trumpList;
  bool withHolder = seat == area().declarerSeat && aceHolder != 0;
  int32_t run = 0;
  for (int i = 1; i <= handUsed(trumps); i++) {
    int32_t holder = holderOf(trumps.k[i]);
    if (holder == seat || (withHolder && holder == aceHolder)) {
      run++;
    } else if (holder != 0 && holder != aceHolder) {
      break;
    }
  }
  return run;
}

}  // namespace

int32_t schafkopfCalledAceHolder() {
  const TContractRecord& c = area().contract;
  if (c.type != skfRufspiel) return 0;
  for (int32_t s = 1; s <= seatsInPlay(); s++) syncHandFromSlots(sp[s]);
  return holderOf(makeCard(skfAss, c.suit));
}

void schafkopfApplyContract(const TContractRecord& contract) {
  TSchafkopfArea& a = area();
  a.contract = contract;
  a.soloistSeat = a.highestBidder;
  a.declarerSeat = a.highestBidder;
  int32_t aceHolder = schafkopfCalledAceHolder();
  schafkopfBuildTrumpOrder();
  for (int32_t s = 1; s <= seatsInPlay(); s++) syncHandFromSlots(sp[s]);
  for (int32_t s = 1; s <= seatsInPlay(); s++) a.seats[s].laufende = laufendeOf(s, aceHolder);
  TSpieler& user = sp[1];
  sortHandByValue(user.hand, 1, 0, false);
  syncSlotsFromHand(user);
}

std::string schafkopfKontraReText() {
  switch (area().kontraLevel) {
    case 1: return "Kontra";
    case 2: return "Re";
    default: return {};
  }
}

void schafkopfClearContract(TContractRecord& c) { c = TContractRecord{}; }

void schafkopfGetContract(TContractRecord& out) { out = area().contract; }
