// Doppelkopf's party events and trick specials.
//
// [SECTION] party model
// [SECTION] trick specials
// [SECTION] seat marks
// [SECTION] remarks
#include "games/skat/doppelkopf_party.h"

#include <string>

#include "core/cg.h"
#include "games/skat/doppelkopf_rules.h"
#include "games/skat/doppelkopf_state.h"
#include "games/skat/skat_services.h"
#include "sound/sound_events.h"
#include "games/skat/skat_state.h"
#include "shell/shell_globals.h"
#include "table/stacks.h"

// [SECTION] party model

namespace {

const TCard kreuzDame = makeCard(rankQueen, suitClubs);
const TCard fuchs = makeCard(rankAce, suitDiamonds);
const TCard kreuzBube = makeCard(rankJack, suitClubs);

TDoppelkopfArea& area() { return *doppelkopfArea; }

int32_t loneSeat() {
  const TDoppelkopfArea& a = area();
  return a.doppelkopfSoloType > 0 ? a.doppelkopfSoloist : 0;
}

TCard cardOf(int32_t seat) { return seat >= 1 && seat <= handUsed(trickBySeat) ? trickBySeat.k[seat] : noCard(); }

void initPublic() {
  TDoppelkopfArea& a = area();
  const int32_t type = a.doppelkopfSoloType;
  const int32_t soloist = type >= 1 && type <= 8 ? a.doppelkopfSoloist : 0;
  partyInitView(a.views[0], playerCount, type, soloist, a.hochzeitSeat);
  partyDeduction(a.views[0]);
  for (int32_t s = 1; s <= 4; s++) a.views[s] = a.views[0];
}

// Each seat knows from its own hand whether it holds a Kreuz-Dame; while a Hochzeit is open
// a seat without one may still become the partner.
void initPrivate() {
  TDoppelkopfArea& a = area();
  for (int32_t s = 1; s <= 4; s++) {
    TPartyView& v = a.views[s];
    if (v.party[s] == partyUndecided) {
      if (hasCard(sp[s].hand, kreuzDame))
        v.party[s] = partyRe;
      else if (!doppelkopfHochzeitOpen())
        v.party[s] = partyKontra;
    }
    partyDeduction(v);
  }
}

}  // namespace

void doppelkopfSetPartyAllViews(int32_t seat, int32_t value) { partySetAllViews(area().views, seat, value, loneSeat()); }

void doppelkopfPartyEvent(int kind, int32_t seat) {
  TDoppelkopfArea& a = area();
  switch (kind) {
    case 0:
      initPublic();
      break;
    case 1:
      initPublic();
      initPrivate();
      break;
    case 2:
      if (cardsEqual(cardOf(seat), kreuzDame) && doppelkopfIsNormalGame()) doppelkopfSetPartyAllViews(seat, partyRe);
      doppelkopfClearOwnPartySpecials();
      break;
    case 4:
      doppelkopfSetPartyAllViews(seat, partyKontra);
      break;
    case 5:
      doppelkopfSetPartyAllViews(seat, partyRe);
      break;
    case 6:
      if (seat < 1 || seat > 4) break;
      doppelkopfSetPartyAllViews(seat, partyRe);
      a.seats[0].hochzeitPartnerFound = 1;
      a.seats[0].partnerHandSize = sp[seat].count;
      doppelkopfClearOwnPartySpecials();
      break;
    case 7:
      if (seat < 1 || seat > 4) break;
      a.doppelkopfSoloType = doppelkopfKaroSolo;
      a.doppelkopfSoloist = seat;
      doppelkopfSetPartyAllViews(seat, partySilentSolo);
      doppelkopfClearOwnPartySpecials();
      break;
    case 8:
      partyDeduceAll(a.views);
      break;
    default:
      break;
  }
}

void doppelkopfOnCardPlayed(int32_t seat) {
  doppelkopfPartyEvent(2, seat);
  if (!cardsEqual(cardOf(seat), kreuzDame) || !doppelkopfIsNormalGame()) return;
  TDoppelkopfArea& a = area();
  a.seats[seat].kreuzDamenPlayed++;
  a.seats[0].kreuzDamenPlayed++;
  if (a.seats[seat].kreuzDamenPlayed == 2 && a.hochzeitSeat == 0) doppelkopfPartyEvent(7, seat);
}

int32_t doppelkopfPartyOf(int32_t seat, int32_t view) { return partyEntry(area().views, seat, view); }
bool doppelkopfAnyPartyUnknown() { return partyAnyUnknown(area().views); }
bool doppelkopfIsPartyUnknown(int32_t seat) { return doppelkopfPartyOf(seat, 1) == partyUndecided; }
// A Hochzeit that found no partner in three tricks is a solo: it is open no longer, so the
// parties may announce again.
bool doppelkopfHochzeitOpen() {
  return area().hochzeitSeat >= 1 && area().hochzeitPartner == 0 && doppelkopfIsNormalGame();
}

// [SECTION] trick specials

bool doppelkopfFoxRuleActive() { return doppelkopfIsNormalGame() && area().options.fuchsFangen; }
bool doppelkopfDoppelkopfRuleActive() { return doppelkopfIsNormalGame() && area().options.doppelkopf; }
bool doppelkopfKarlchenRuleActive() { return doppelkopfIsNormalGame() && area().options.karlchen; }

namespace {

// Both seats decided in the public view and in one party: a Fuchs between them is no catch.
bool samePublicParty(int32_t a, int32_t b) {
  int32_t pa = doppelkopfPartyOf(a, 0), pb = doppelkopfPartyOf(b, 0);
  return pa != partyUndecided && pb != partyUndecided && pa == pb;
}

bool isKontraParty(int32_t party) { return party == partyOwn || party == partyKontra; }

void clearSpecials(TDoppelkopfSeat& s) {
  s.doppelkopf = 0;
  s.doppelkopfCount = 0;
  s.karlchen = 0;
  for (int r = 1; r <= 2; r++) s.fuchs[r] = 0, s.fuchsVictim[r] = 0;
}

bool recordFuchs(int32_t winner) {
  bool any = false;
  TDoppelkopfSeat& w = area().seats[winner];
  for (int32_t i = 1; i <= 4; i++) {
    if (i == winner || !cardsEqual(cardOf(i), fuchs) || samePublicParty(i, winner)) continue;
    int r = w.fuchs[1] == 0 ? 1 : w.fuchs[2] == 0 ? 2 : 0;
    if (r == 0) continue;
    w.fuchs[r] = 1;
    w.fuchsVictim[r] = i;
    any = true;
  }
  return any;
}

// While the Hochzeit is open, the first of the first three tricks that another seat wins
// makes it the partner; a Hochzeit seat that wins all three plays alone.
void findHochzeitPartner(int32_t winner) {
  TDoppelkopfArea& a = area();
  const int32_t trick = cg.gs.subStep;
  if (!doppelkopfHochzeitOpen() || trick < 1 || trick > 3) return;
  if (winner != a.hochzeitSeat) {
    a.hochzeitPartner = winner;
    doppelkopfPartyEvent(6, winner);
    skatSay("Hochzeit mit " + cg.seatNameFit(a.hochzeitSeat, false), winner, 23);
  } else if (trick == 3) {
    doppelkopfPartyEvent(7, a.hochzeitSeat);
  }
}

}  // namespace

bool doppelkopfTrickSpecials(int32_t winner) {
  if (area().doppelkopfSoloType != doppelkopfNormalGame || winner < 1 || winner > 4) return false;
  TDoppelkopfSeat& w = area().seats[winner];
  bool any = false;
  if (doppelkopfKarlchenRuleActive() && sp[winner].count == 0 && cardsEqual(cardOf(winner), kreuzBube)) {
    w.karlchen = 1;
    any = true;
  }
  if (doppelkopfDoppelkopfRuleActive() && doppelkopfPointsOfCards(trickBySeat) >= 40) {
    w.doppelkopf = 1;
    w.doppelkopfCount++;
    any = true;
  }
  if (doppelkopfFoxRuleActive() && recordFuchs(winner)) any = true;
  findHochzeitPartner(winner);
  return any;
}

void doppelkopfClearOwnPartySpecials() {
  TDoppelkopfArea& a = area();
  for (int32_t s = 1; s <= 4; s++) {
    TDoppelkopfSeat& seat = a.seats[s];
    if (!doppelkopfIsNormalGame()) {
      clearSpecials(seat);
      continue;
    }
    for (int r = 1; r <= 2; r++)
      if (seat.fuchs[r] && samePublicParty(s, seat.fuchsVictim[r])) seat.fuchs[r] = 0, seat.fuchsVictim[r] = 0;
  }
}

bool doppelkopfFuchsCounts(int32_t seat, int record) {
  if (seat < 1 || seat > 4 || record < 1 || record > 2) return false;
  const TDoppelkopfSeat& s = area().seats[seat];
  if (!s.fuchs[record]) return false;
  return isKontraParty(doppelkopfPartyOf(seat, 0)) != isKontraParty(doppelkopfPartyOf(s.fuchsVictim[record], 0));
}

// [SECTION] seat marks

int32_t doppelkopfFoxMarkState(int32_t seat) {
  if (seat < 1 || seat > 4) return 0;
  const TDoppelkopfSeat& s = area().seats[seat];
  int32_t mark = 0;
  for (int r = 1; r <= 2; r++) {
    if (!s.fuchs[r]) continue;
    mark = mark == 0 ? 1 : mark;
    for (int32_t who : {seat, s.fuchsVictim[r]})
      for (int32_t view : {0, 1})
        if (doppelkopfPartyOf(who, view) == partyUndecided) mark = 2;
  }
  return mark;
}

int32_t doppelkopfKarlchenMark(int32_t seat) { return seat >= 1 && seat <= 4 && area().seats[seat].karlchen ? 1 : 0; }
int32_t doppelkopfDoppelkopfMark(int32_t seat) {
  return seat >= 1 && seat <= 4 && area().seats[seat].doppelkopf ? 1 : 0;
}

// [SECTION] remarks

namespace {

struct TRemark {
  int32_t chance;  // 0: no remark
  int32_t lower, upper;
};

// Types 3 and 4 by the trick's points: 36 or more, 33 to 35, 30 to 32.
TRemark byTrickPoints(int32_t points, int32_t sign) {
  if (points >= 36) return {90, 2 * sign, 3 * sign};
  if (points >= 33) return {80, 2 * sign, 3 * sign};
  if (points >= 30) return {60, 1 * sign, 2 * sign};
  return {0, 0, 0};
}

}  // namespace

void doppelkopfPlayTrickComment(int32_t type, int32_t seat, int32_t strength) {
  if (type == 5 || type == 6) {
    if (seat == 1) return;
    const int32_t chance = strength <= 1 ? 60 : strength == 2 ? 80 : strength == 3 ? 90 : 95;
    soundContainer.sayComment(seat, 2, type == 5 ? 1 : 2, 0, chance);
    return;
  }
  TRemark r{};
  if (type == 1) r = {90, 2, 3};
  if (type == 2) r = {90, -3, -2};
  if (type == 3) r = byTrickPoints(strength, 1);
  if (type == 4) r = byTrickPoints(strength, -1);
  if (r.chance > 0) soundContainer.sayComment(seat, 0, r.lower, r.upper, r.chance);
}
