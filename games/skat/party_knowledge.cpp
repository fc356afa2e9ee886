// The party knowledge model shared by Schafkopf and Doppelkopf, and Schafkopf's events.
//
// [SECTION] shared operations
// [SECTION] Schafkopf
#include "games/skat/party_knowledge.h"

#include <string>

#include "core/cards.h"
#include "core/record_io.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_state.h"
#include "shell/shell_globals.h"
#include "table/stacks.h"

// [SECTION] shared operations

namespace {

void deduceEntries(LArray<int32_t, 1, 4>& e) {
  int re = 0, kontra = 0;
  for (int32_t p : e) {
    if (p == partyRe) re++;
    if (p == partyKontra) kontra++;
  }
  int32_t rest = re >= 2 ? partyKontra : kontra >= 2 ? partyRe : partyUndecided;
  if (rest == partyUndecided) return;
  for (int32_t& p : e)
    if (p == partyUndecided) p = rest;
}

bool inRange(int32_t seat, int32_t view) { return seat >= 1 && seat <= 4 && view >= 0 && view <= 4; }

}  // namespace

void partyDeduction(TPartyView& v) {
  if (v.fixedContract != 0) return;
  deduceEntries(v.party);
  deduceEntries(v.partyGuess);
}

void partyDeduceAll(TPartyViews& views) {
  for (TPartyView& v : views) {
    partyDeduction(v);
    if (v.fixedContract == 0) deduceEntries(v.partyGuess);
  }
}

void partyInitView(TPartyView& v, int32_t playerCount, int32_t fixedContract, int32_t soloist, int32_t reSeat) {
  v = TPartyView{};
  const int32_t n = playerCount < 0 ? 0 : playerCount > 4 ? 4 : playerCount;
  for (int32_t s = 1; s <= n; s++) v.party[s] = partyUndecided;
  if (soloist >= 1 && soloist <= 4) {
    for (int32_t s = 1; s <= n; s++) v.party[s] = s == soloist ? partyRe : partyKontra;
  } else if (reSeat >= 1 && reSeat <= 4) {
    v.party[reSeat] = partyRe;
  }
  for (int32_t s = 1; s <= n; s++) v.partyGuess[s] = v.party[s];
  v.fixedContract = fixedContract;
}

void partySetAllViews(TPartyViews& views, int32_t seat, int32_t value, int32_t loneSeat) {
  if (seat < 1 || seat > 4) return;
  for (TPartyView& v : views) {
    v.party[seat] = v.partyGuess[seat] = value;
    if (loneSeat >= 1)
      for (int32_t s = 1; s <= 4; s++)
        if (s != loneSeat) v.party[s] = v.partyGuess[s] = partyKontra;
    partyDeduction(v);
  }
}

int32_t partyLookup(const TPartyViews& views, int32_t spinr, int32_t viewnr, const char* game) {
  if (!inRange(spinr, viewnr)) {
    skatTrace(std::string("ACHTUNG! ") + game + ".parteievt: Bereichsfehler spinr,viewnr: " +
              std::to_string(spinr) + "," + std::to_string(viewnr));
    return partyUndecided;
  }
  const TPartyView& v = views[viewnr];
  return v.party[spinr] == partyUndecided ? v.partyGuess[spinr] : v.party[spinr];
}

int32_t partyEntry(const TPartyViews& views, int32_t seat, int32_t view) {
  return inRange(seat, view) ? views[view].party[seat] : partyUndecided;
}

bool partyAnyUnknown(const TPartyViews& views) {
  for (int32_t s = 1; s <= 4; s++)
    if (views[0].party[s] == partyUndecided) return true;
  return false;
}

// [SECTION] Schafkopf

namespace {

bool isRufspiel(const TSchafkopfPartyFields& f) { return f.contractType == schafkopfTypeRufspiel; }
bool isRamsch(const TSchafkopfPartyFields& f) { return f.contractType == schafkopfTypeRamsch; }
TCard calledAce(const TSchafkopfPartyFields& f) { return makeCard(rankAce, f.contractSuit); }

// Event 0 and 1: fresh views. In Ramsch every seat is on his own and no view deduces.
void initViews(TSchafkopfPartyFields& f) {
  TPartyView& pub = f.views[0];
  if (isRamsch(f)) {
    partyInitView(pub, playerCount, f.contractType, 0, 0);
    for (int32_t s = 1; s <= 4; s++) pub.party[s] = pub.partyGuess[s] = partyOwn;
  } else {
    bool lone = f.contractType != 0 && !isRufspiel(f);
    partyInitView(pub, playerCount, f.contractType, lone ? f.soloistSeat : 0, 0);
  }
  partyDeduction(pub);
  // Schafkopf adds no private knowledge when all views are initialised.
  for (int32_t s = 1; s <= 4; s++) f.views[s] = pub;
}

// Event 2: the called Ace shows the partner, or, played by the declarer, a silent solo.
void cardPlayed(TSchafkopfPartyFields& f, int32_t seat) {
  if (!isRufspiel(f) || seat < 1 || seat > handUsed(trickBySeat)) return;
  if (!cardsEqual(trickBySeat.k[seat], calledAce(f))) return;
  if (seat != f.declarerSeat) {
    schafkopfSetPartyAllViews(f, seat, partyRe);
    return;
  }
  for (int32_t s = 1; s <= playerCount && s <= 4; s++)
    if (s != seat) schafkopfSetPartyAllViews(f, s, partyKontra);
  f.silentSoloShown = 1;
}

}  // namespace

bool schafkopfPartiesKnown(TSchafkopfPartyFields& f) {
  if (f.silentSoloShown) {
    f.soloistSeat = f.declarerSeat;
    return true;
  }
  return f.contractType != 0 && !isRufspiel(f);
}

void schafkopfSetPartyInView(TSchafkopfPartyFields& f, int32_t seat, int32_t value) {
  if (seat < 1 || seat > 4) return;
  TPartyView& v = f.views[seat];
  v.party[seat] = v.partyGuess[seat] = value;
  partyDeduction(v);
}

void schafkopfSetPartyAllViews(TSchafkopfPartyFields& f, int32_t seat, int32_t value) {
  int32_t lone = schafkopfPartiesKnown(f) && !isRamsch(f) ? f.soloistSeat : 0;
  partySetAllViews(f.views, seat, value, lone);
}

void schafkopfPartyEvent(TSchafkopfPartyFields& f, int kind, int32_t seat) {
  switch (kind) {
    case 0:
    case 1:
      initViews(f);
      break;
    case 2:
      cardPlayed(f, seat);
      break;
    case 4:
      schafkopfSetPartyAllViews(f, seat, partyKontra);
      break;
    case 5:
      schafkopfSetPartyAllViews(f, seat, partyRe);
      break;
    case 8:
      partyDeduceAll(f.views);
      break;
    case 9:
      if (seat < 1 || seat > 4) break;
      schafkopfSetPartyAllViews(f, seat, partyUndecided);
      schafkopfSetPartyInView(f, seat, hasCard(sp[seat].hand, calledAce(f)) ? partyRe : partyKontra);
      break;
    case 10:
      // Ramsch: the seat plays for himself in every view, and no view may deduce a partner.
      if (seat < 1 || seat > 4) break;
      for (TPartyView& v : f.views) {
        v.party[seat] = v.partyGuess[seat] = partyOwn;
        v.fixedContract = schafkopfTypeRamsch;
      }
      break;
    default:
      break;
  }
}

void schafkopfOnCardPlayed(TSchafkopfPartyFields& f, int32_t seat) { schafkopfPartyEvent(f, 2, seat); }

void schafkopfInitPartyKnowledge(TSchafkopfPartyFields& f) {
  if (isRamsch(f)) {
    for (int32_t s = 1; s <= 4; s++) schafkopfPartyEvent(f, 10, s);
    return;
  }
  schafkopfPartyEvent(f, 5, f.declarerSeat);
  for (int32_t s = 1; s <= 4; s++)
    if (s != f.declarerSeat) schafkopfPartyEvent(f, isRufspiel(f) ? 9 : 4, s);
}

void partyViewIo(TRecordIo& io, TPartyView& v) {
  arrayIo(io, v.party, i32Io);
  arrayIo(io, v.partyGuess, i32Io);
  arrayIo(io, v.guessScore, i32Io);
  arrayIo(io, v.evidence, i32Io);
  io.i32(v.fixedContract);
  arrayIo(io, v.unused, i32Io);
  io.u8(v.shownParty);
  arrayIo(io, v.shownPartyPad, u8Io);
}
