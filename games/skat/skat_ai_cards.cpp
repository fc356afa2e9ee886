// The Skat computer player's card helpers.
//
// [SECTION] trick and suits
// [SECTION] seats and dice
// [SECTION] beating and losing
// [SECTION] picking one card
// [SECTION] neighbours in the order
#include "games/skat/skat_ai_cards.h"

#include <cmath>

#include "core/cg.h"
#include "games/skat/skat_card_set.h"
#include "games/skat/skat_profile.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "platform/random.h"
#include "table/stacks.h"

namespace {

bool nullOrRamsch() { return skatIsNullOrRamsch(); }
int32_t order(const TCard& c) { return c.t >= 1 && c.t <= 8 ? skatRankOrder[c.t] : 0; }
bool validSeat(int32_t seat) { return seat >= 1 && seat <= 3; }

// The Ramsch deal is being passed on: the Schieben round is still asking its questions.
bool passingOn() { return skatGame->schiebenRound && cg.gs.phase == 9; }

}  // namespace

int32_t skatRound(double x) { return static_cast<int32_t>(std::nearbyint(x)); }

// [SECTION] trick and suits

TCard skatLedCard() { return handUsed(trickCards) > 0 ? trickCards.k[1] : noCard(); }

int skatSuitClass(const TCard& c) { return skatIsTrump(c) ? suitTrumps : c.f; }

int skatLedSuit() {
  TCard led = skatLedCard();
  return isNoCard(led) ? 0 : skatSuitClass(led);
}

int32_t skatCardWorth(const TCard& c) {
  return c.t >= 1 && c.t <= 15 ? skatCardPoints[c.t] : 0;
}

// Picks the cards into a fresh list rather than deleting from a copy: this runs in every
// rule of the card play.
namespace {

// An empty list as THand{} makes it, but only its count and extras are written: the cards
// past the count are never read, and these lists are built for every card played.
THand emptyList() {
  THand h;
  h.anz = 0;
  h.extras = THandExtras{};
  return h;
}

// A list's card is of the suit class; the game's trump set answers for deck cards.
struct ClassTest {
  const TSkatGameMasks* masks = skatGameMasks();
  int suitClass;
  bool operator()(const TCard& c) const {
    bool trump = skatIsTrumpBy(masks, c);
    return suitClass == suitTrumps ? trump : (c.f == suitClass && !trump);
  }
};

}  // namespace

THand skatCardsOfClass(const THand& hand, int suitClass) {
  THand out;
  out.extras = hand.extras;
  ClassTest inClass{.suitClass = suitClass};
  int n = 0;
  for (int i = 1; i <= handUsed(hand); i++)
    if (inClass(hand.k[i])) out.k[++n] = hand.k[i];
  out.anz = static_cast<int16_t>(n);
  return out;
}

int32_t skatCountOfClass(const THand& hand, int suitClass) {
  ClassTest inClass{.suitClass = suitClass};
  int32_t n = 0;
  for (int i = 1; i <= handUsed(hand); i++) n += inClass(hand.k[i]);
  return n;
}

TCard skatStrongestOfClass(const THand& hand, int suitClass, int32_t& count) {
  ClassTest inClass{.suitClass = suitClass};
  TCard best = noCard();
  count = 0;
  for (int i = 1; i <= handUsed(hand); i++) {
    const TCard& c = hand.k[i];
    if (!inClass(c)) continue;
    // As skatStrongestCard on the class's list: the first card, then each that beats the pick.
    if (count++ == 0 || skatBeatsBy(inClass.masks, c, best)) best = c;
  }
  return best;
}

THand skatAIFollowCards(int32_t, const THand& hand) {
  int led = skatLedSuit();
  if (led == 0 || skatCountOfClass(hand, led) == 0) return hand;
  return skatCardsOfClass(hand, led);
}

THand skatAISeatFollowCards(int32_t seat) {
  if (!validSeat(seat)) return THand{};
  return skatAIFollowCards(seat, sp[seat].hand);
}

THand skatAISeatLedSuitCards(int32_t seat) {
  if (!validSeat(seat)) return THand{};
  int led = skatLedSuit();
  if (led == 0) return sp[seat].hand;
  return skatCardsOfClass(sp[seat].hand, led);
}

// [SECTION] seats and dice

bool skatAIProfileChance(int32_t seat) {
  if (seat < 1 || seat > 6) return false;
  int32_t wahrs = seatProfile[seat].fields.wahrs;
  return wahrs > 100 * randomReal();
}

bool skatOtherPartyHolds(int32_t seat, const TCard& card) {
  int32_t declarer = skatBid->declarer;
  if (!validSeat(seat) || !validSeat(declarer)) return false;
  if (seat != declarer) return skatHolds(sp[declarer].hand, card);
  return skatHolds(sp[skatNextPlayer(seat)].hand, card) || skatHolds(sp[skatPrevPlayer(seat)].hand, card);
}

// [SECTION] beating and losing

THand skatWinningCards(const THand& hand, const TCard& card) {
  const TSkatGameMasks* m = skatGameMasks();
  THand out = emptyList();
  if (isNoCard(card)) return out;
  skatCheckCardCode(card, "gewinnkarten");
  for (int i = 1; i <= handUsed(hand); i++)
    if (skatBeatsBy(m, hand.k[i], card)) out.k[++out.anz] = hand.k[i];
  return out;
}

int32_t skatCountWinningCards(const THand& hand, const TCard& card) {
  const TSkatGameMasks* m = skatGameMasks();
  if (isNoCard(card)) return 0;
  skatCheckCardCode(card, "gewinnkarten");
  int32_t n = 0;
  for (int i = 1; i <= handUsed(hand); i++) n += skatBeatsBy(m, hand.k[i], card);
  return n;
}

int32_t skatCountLosingCardsB(const THand& hand, const TCard& card) {
  const TSkatGameMasks* m = skatGameMasks();
  if (isNoCard(card)) return 0;
  skatCheckCardCode(card, "verlierkartenb");
  int32_t n = 0;
  for (int i = 1; i <= handUsed(hand); i++) n += skatBeatsBy(m, card, hand.k[i]);
  return n;
}

THand skatLosingCards(const THand& hand, const TCard& card) {
  const TSkatGameMasks* m = skatGameMasks();
  if (isNoCard(card)) return hand;
  THand out = emptyList();
  skatCheckCardCode(card, "verlierkarten");
  for (int i = 1; i <= handUsed(hand); i++)
    if (!skatBeatsBy(m, hand.k[i], card)) out.k[++out.anz] = hand.k[i];
  return out;
}

THand skatLosingCardsB(const THand& hand, const TCard& card) {
  const TSkatGameMasks* m = skatGameMasks();
  THand out = emptyList();
  if (isNoCard(card)) return out;
  skatCheckCardCode(card, "verlierkartenb");
  for (int i = 1; i <= handUsed(hand); i++)
    if (skatBeatsBy(m, card, hand.k[i])) out.k[++out.anz] = hand.k[i];
  return out;
}

// [SECTION] picking one card

TCard skatLowestRankCard(const THand& hand) {
  if (handUsed(hand) == 0) return noCard();
  TCard low = hand.k[1];
  for (int i = 2; i <= handUsed(hand); i++)
    if (hand.k[i].t < low.t) low = hand.k[i];
  return low;
}

TCard skatHighestPointCard(const THand& hand) {
  if (handUsed(hand) == 0) return noCard();
  TCard best = hand.k[1];
  for (int i = 2; i <= handUsed(hand); i++)
    if (skatCardWorth(hand.k[i]) > skatCardWorth(best)) best = hand.k[i];
  return best;
}

TCard skatWeakestCard(const THand& hand) {
  const TSkatGameMasks* m = skatGameMasks();
  if (handUsed(hand) == 0) return noCard();
  TCard w = hand.k[1];
  bool byOrder = nullOrRamsch();
  for (int i = 1; i <= handUsed(hand); i++) {
    const TCard& c = hand.k[i];
    if (byOrder ? order(c) < order(w) : skatBeatsBy(m, w, c)) w = c;
  }
  if (passingOn()) {
    for (int i = 1; i <= handUsed(hand); i++) {
      const TCard& c = hand.k[i];
      if (c.t == rankJack && (w.t != rankJack || c.f < w.f)) w = c;
    }
  }
  return w;
}

TCard skatLowestBeatingCard(const THand& hand, const TCard& card) {
  const TSkatGameMasks* m = skatGameMasks();
  if (handUsed(hand) == 0) return noCard();
  TCard b = hand.k[1];
  if (isNoCard(card)) return b;
  for (int i = 1; i <= handUsed(hand); i++) {
    const TCard& c = hand.k[i];
    if (skatBeatsBy(m, card, c) && order(c) < order(b)) b = c;
  }
  for (int i = 1; i <= handUsed(hand); i++)
    if (skatBeatsBy(m, hand.k[i], card)) b = hand.k[i];
  for (int i = 1; i <= handUsed(hand); i++) {
    const TCard& c = hand.k[i];
    if (skatBeatsBy(m, c, card) && order(c) < order(b)) b = c;
  }
  return b;
}

int32_t skatCountRanksBelow(const THand& hand, int rank, bool below) {
  if (rank < 1 || rank > 8) return 0;
  int32_t mark = skatRankOrder[rank];
  int32_t n = 0;
  for (int i = 1; i <= handUsed(hand); i++) {
    int32_t o = order(hand.k[i]);
    if (below ? o < mark : o > mark) n++;
  }
  return n;
}

// [SECTION] neighbours in the order
// Plain cards step by rank number (the Jack's place skipped outside Null and Ramsch); Jacks
// step by suit; trumps run from the 7 up to the Ace and on to the diamond Jack.

TCard skatNextHigherCard(const TCard& c) {
  if (isNoCard(c)) return c;
  TCard n = c;
  if (!skatIsTrump(c)) {
    n.t = static_cast<int8_t>(c.t < rankAce ? c.t + 1 : rankAce);
    if (!nullOrRamsch() && n.t == rankJack) n.t = rankQueen;
  } else if (c.t == rankJack) {
    n.f = static_cast<int8_t>(c.f > suitClubs ? c.f - 1 : suitClubs);
  } else if (c.t >= rankAce) {
    n = TCard{rankJack, suitDiamonds, c.hi};
  } else {
    n.t = static_cast<int8_t>(c.t + 1 == rankJack ? rankQueen : c.t + 1);
  }
  return n;
}

TCard skatNextLowerCard(const TCard& c) {
  if (isNoCard(c)) return c;
  TCard n = c;
  if (!skatIsTrump(c)) {
    n.t = c.t == rankAce ? rankTen : rank7;
  } else if (c.t == rankJack) {
    if (c.f < suitDiamonds) {
      n.f = static_cast<int8_t>(c.f + 1);
    } else {
      int32_t type = skatBid->gameType;
      if (type >= skatTypeClubs && type <= skatTypeDiamonds) n = TCard{rankAce, static_cast<int8_t>(type), c.hi};
    }
  } else if (c.t > rank7) {
    n.t = static_cast<int8_t>(c.t - 1 == rankJack ? rank9 : c.t - 1);
  }
  return n;
}
