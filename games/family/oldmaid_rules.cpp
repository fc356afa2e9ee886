// Old Maid's rules and the card table's hooks for its layout.
//
// [SECTION] seats and counts
// [SECTION] pairs and the loser
// [SECTION] the card table's hooks
#include "games/family/oldmaid_rules.h"

#include <algorithm>

#include "core/card_order.h"
#include "core/cg.h"
#include "games/family/gofish_rules.h"
#include "games/family/war_rules.h"
#include "shell/shell_globals.h"

// [SECTION] seats and counts

TOldMaidArea& oldMaidArea() { return gameArea<TOldMaidArea>(cg.gs.oldMaid); }

namespace {
int32_t seats() { return std::clamp(playerCount, 1, 6); }
int32_t wrapSeat(int32_t s) {
  int32_t n = seats();
  return ((s - 1) % n + n) % n + 1;
}
}  // namespace

int32_t oldMaidDealCount(int32_t seat) {
  int32_t n = seats(), d = oldMaidArea().deckSize;
  return d / n + (d % n >= seat ? 1 : 0);
}

int32_t oldMaidSeatFromCurrent(int32_t k) {
  int32_t s = cg.gs.akspieler;
  return wrapSeat(oldMaidArea().maidSeatOrder == 1 ? s + k : s - k);
}

int32_t oldMaidSeatBack(int32_t k) {
  int32_t s = cg.gs.akspieler;
  return wrapSeat(oldMaidArea().maidSeatOrder == 1 ? s - k : s + k);
}

int32_t oldMaidCardCount(int32_t seat) { return seat >= 1 && seat <= 6 ? stackUsed(sp[seat]) : 0; }

int32_t oldMaidNextSeatWithCards() {
  for (int32_t k = 1; k < seats(); k++) {
    int32_t s = oldMaidSeatBack(k);
    if (oldMaidCardCount(s) > 0) return s;
  }
  return 0;
}

bool oldMaidOthersHaveNoCards() {
  for (int32_t s = 1; s <= seats(); s++)
    if (s != cg.gs.akspieler && oldMaidCardCount(s) > 0) return false;
  return true;
}

int32_t oldMaidParseLimit(const std::string& text) { return warParseLimit(text); }

void oldMaidInitSortKeys() {
  for (int f = 1; f <= 4; f++)
    for (int t = 1; t <= 14; t++) cardValues[f][t] = (5 - f) * 100 + t;
}

// [SECTION] pairs and the loser

namespace {
bool black(const TCard& c) { return c.f == suitClubs || c.f == suitSpades; }

// The first two cards of the rank (of one colour when `colour` is 1 black or 2 red).
bool takeTwo(const TSpieler& hand, int32_t rank, int colour, THand& out) {
  out.anz = 0;
  for (int32_t i = 1; i <= stackUsed(hand) && out.anz < 2; i++) {
    TCard c = hand.slots[i].card;
    if (c.t != rank) continue;
    if (colour != 0 && black(c) != (colour == 1)) continue;
    c.hi = static_cast<int16_t>(i);
    handaddk(out, c);
  }
  return out.anz == 2;
}
}  // namespace

int32_t oldMaidFindPairs() {
  TOldMaidArea& a = oldMaidArea();
  a.pairCards.anz = 0;
  int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > seats()) return 0;
  const TSpieler& hand = sp[seat];
  for (int32_t i = 1; i <= stackUsed(hand); i++) {
    int32_t rank = hand.slots[i].card.t;
    // The joker is the only one of its rank; the single queen of spades has no partner.
    if (rank == 0 || rank == rankJoker) continue;
    THand pair{};
    bool found = a.colourPairs ? takeTwo(hand, rank, 1, pair) || takeTwo(hand, rank, 2, pair)
                               : takeTwo(hand, rank, 0, pair);
    if (!found) continue;
    a.pairCards = pair;
    return rank;
  }
  return 0;
}

int32_t oldMaidLoser() {
  int32_t total = 0, holder = 0;
  for (int32_t s = 1; s <= seats(); s++) {
    int32_t n = oldMaidCardCount(s);
    total += n;
    if (n > 0) holder = s;
  }
  return total == 1 ? holder : 0;
}

// [SECTION] the card table's hooks

bool oldMaidIsSeatHandOpen(int32_t seat) {
  return cg.gs.phase == 5 && seat >= 2 && seat <= seats() && oldMaidCardCount(seat) > 0;
}

void oldMaidTableLayout() { goFishLayoutSeatPiles(); }

void oldMaidPlaceSeat(TSpieler& stack) {
  int32_t seat = stack.stackNo;
  if (seat < 2 || seat > seats()) return;
  int32_t n = seats();
  float f = n == 2 ? 2.0f : n == 3 ? 1.5f : n == 4 ? 0.8f : 0.0f;
  for (int32_t j = 1; j <= stackUsed(stack); j++) {
    TCardSlot& s = stack.slots[j];
    s.poseExtra[0] *= 0.7f * f + 1;
    for (int e = 1; e <= 3; e++) s.poseExtra[e] *= 0.5f * f + 1;
  }
  stack.restPose.x -= 50;
  if (n == 3 || n == 4) stack.restPose.rotY = 0.8f * stack.restPose.rotY + 46;
  else if (n >= 5) stack.restPose.rotY = 0.9f * stack.restPose.rotY + 23;
}

void oldMaidScatterTrickCard() {
  for (int32_t s = 1; s <= seats(); s++)
    for (TSpieler* st : {&sp[s], &spLayout[s]}) {
      int32_t n = stackUsed(*st);
      for (int32_t j = 1; j <= n / 2; j++) std::swap(st->slots[j].poseExtra[0], st->slots[n + 1 - j].poseExtra[0]);
    }
}
