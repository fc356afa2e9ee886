// Mau-Mau's state record and its small rules: roles, seat order, sort values, penalty
// points and the deck.
//
// [SECTION] the state
// [SECTION] roles and seats
// [SECTION] sort values
// [SECTION] penalty points and deck
#include "games/family/maumau_state.h"

#include <algorithm>

#include "core/card_order.h"
#include "core/cg.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] the state

TMaumauState& maumauArea() { return gameArea<TMaumauState>(cg.gs.maumau); }

TMaumauState maumauDefaultState() {
  TMaumauState s{};
  s.turnDirection = 1;
  for (int r = maumauDrawTwo; r <= maumauPlayAgain; r++) s.roleRank[r] = -1;
  s.roleRank[maumauDrawTwo] = rank7;
  s.roleRank[maumauSkip] = rankAce;
  s.roleRank[maumauWish] = rank8;
  s.roleRank[maumauReverse] = rank9;
  s.deckCopies = 1;
  s.dealerOption = 1;
  s.startCards = 5;
  s.positiveScoring = true;
  s.roundLimit = 99999;
  s.pointsLimit = 0;
  s.reshuffle = true;
  return s;
}

// [SECTION] roles and seats

int32_t maumauCardRole(int32_t rank) {
  if (rank <= 0) return 0;
  for (int32_t role = maumauPlayAgain; role >= maumauDrawTwo; role--) {
    // The eight is the wish card whatever the record says; no other role list offers it.
    bool carries = role == maumauWish ? rank == rank8 : maumauArea().roleRank[role] == rank;
    if (carries) return role;
  }
  return 0;
}

namespace {

int32_t seatsInGame() { return std::clamp<int32_t>(cg.seatCount, 1, maumauMaxSeats); }

int32_t wrapSeat(int32_t seat) {
  int32_t n = seatsInGame();
  while (seat > n) seat -= n;
  while (seat < 1) seat += n;
  return seat;
}

}  // namespace

int32_t maumauSeatAfter(int32_t n) {
  return wrapSeat(cg.gs.akspieler + (maumauArea().turnDirection == 2 ? -n : n));
}

int32_t maumauSeatBefore(int32_t n) {
  return wrapSeat(cg.gs.akspieler + (maumauArea().turnDirection == 2 ? n : -n));
}

void maumauAdvanceSeat() { cg.gs.akspieler = maumauSeatAfter(1); }
void maumauAdvanceSeatBack() { cg.gs.akspieler = maumauSeatBefore(1); }

// [SECTION] sort values

namespace {

// Rank key by rank code 1..13 (seven, eight, nine, jack, queen, king, ten, ace, two..six).
// Two to six have no place of their own in the game's order: they go below the seven.
constexpr int32_t rankKey[14] = {0, 31, 32, 33, 44, 45, 46, 37, 48, 26, 27, 28, 29, 30};

}  // namespace

int32_t maumauSortValue(const TCard& c, bool byRank) {
  if (c.t < 1 || c.t > 13 || c.f < 1 || c.f > 4) return 0;
  int32_t k = rankKey[c.t];
  return byRank ? k * 100 + (5 - c.f) : (5 - c.f) * 100 + k;
}

void maumauInitSortKeys() {
  for (int s = 1; s <= 4; s++)
    for (int r = 1; r <= 14; r++) cardValues[s][r] = r <= 13 ? maumauSortValue(makeCard(r, s), maumauArea().sortByRank) : 0;
}

void maumauSetSortMode(bool byRank) {
  if (maumauArea().sortByRank == byRank) return;
  maumauArea().sortByRank = byRank;
  maumauInitSortKeys();
  TSpieler& hand = sp[1];
  syncHandFromSlots(hand);
  sortHandByValue(hand.hand, 1, 0, false);
  syncSlotsFromHand(hand);
}

// [SECTION] penalty points and deck

namespace {

// Points by rank code 1..13.
constexpr int32_t rankPoints[14] = {0, 7, 50, 9, 10, 10, 10, 10, 1, 2, 3, 4, 5, 6};

}  // namespace

int32_t maumauPenaltyPoints(const THand& h) {
  int32_t sum = 0;
  for (int i = 1; i <= handUsed(h); i++)
    if (h.k[i].t >= 1 && h.k[i].t <= 13) sum += rankPoints[h.k[i].t];
  return sum;
}

void maumauBuildDeck() {
  TSpieler& stock = sp[maumauStock];
  int32_t copies = std::clamp<int32_t>(maumauArea().deckCopies, 1, 2);
  int slot = 0;
  auto put = [&](int r, int s) {
    TCard& c = stock.slots[++slot].card;
    c = makeCard(r, s);
  };
  for (int copy = 1; copy <= copies; copy++)
    for (int r = rank7; r <= rankAce; r++)
      for (int s = suitClubs; s <= suitDiamonds; s++) put(r, s);
  for (int r = rank2; r <= rank6; r++)
    for (int s = suitClubs; s <= suitDiamonds; s++) put(r, s);
  stock.count = slot;
  shuffleStack(stock);
}
