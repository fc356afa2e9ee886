// The Skat computer player's card play: the model of the other hands, the choice by the
// seat's place in the trick, the legality check, and what the card tells the others (voids
// shown and signalled).
//
// [SECTION] seats and hands
// [SECTION] the model of the other hands
// [SECTION] choice by place
// [SECTION] voids shown and signalled
// [SECTION] the entry
#include <algorithm>
#include <bit>
#include <string>

#include "core/card_order.h"
#include "engine/engine_services.h"
#include "games/skat/skat_ai.h"
#include "games/skat/skat_ai_cards.h"
#include "games/skat/skat_ai_play.h"
#include "games/skat/skat_ai_state.h"
#include "games/skat/skat_card_set.h"
#include "games/skat/skat_profile.h"
#include "games/skat/skat_rating.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "platform/random.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] seats and hands

namespace {

const THand emptyHand{};

bool validSeat(int32_t s) { return s >= 1 && s <= 3; }

}  // namespace

const THand& skatAISeatHand(int32_t seat) { return validSeat(seat) ? sp[seat].hand : emptyHand; }

// [SECTION] the model of the other hands

namespace {

bool seatVoid(int32_t seat, int suit, int32_t observer, bool withSignals) {
  const THand& h = skatAISeatHand(seat);
  return skatSuitShownVoid(h, suit) || (withSignals && skatSuitSignalledVoid(h, suit, observer));
}

// The pool is filled in place: this runs for every card.
void collectUnseenCards(TSkatAIChoice& ch) {
  skatMergeTrickHands(ch.seat, skatAISeatHand(ch.o1), skatAISeatHand(ch.o2), ch.pool);
}

// Cards of a void suit go to the other model (to none when both are void), suit by suit in
// pool order; the pool keeps the other suits' cards, in order.
void applyVoids(TSkatAIChoice& ch, bool withSignals) {
  static constexpr int suits[] = {1, 2, 3, 4, suitTrumps};
  const TSkatGameMasks* masks = skatGameMasks();
  auto classOf = [masks](const TCard& c) { return skatIsTrumpBy(masks, c) ? int(suitTrumps) : int(c.f); };
  bool dropped[suitTrumps + 1] = {};
  bool any = false;
  const int n = handUsed(ch.pool);
  for (int s : suits) {
    bool void1 = seatVoid(ch.o1, s, ch.seat, withSignals);
    bool void2 = seatVoid(ch.o2, s, ch.seat, withSignals);
    if (!void1 && !void2) continue;
    dropped[s] = any = true;
    if (void1 == void2) continue;
    THand& to = void1 ? ch.m2 : ch.m1;
    for (int i = 1; i <= n; i++)
      if (classOf(ch.pool.k[i]) == s) handaddk(to, ch.pool.k[i]);
  }
  if (!any) return;
  int kept = 0;
  for (int i = 1; i <= n; i++) {
    int c = classOf(ch.pool.k[i]);
    if (c < 0 || c > suitTrumps || !dropped[c]) ch.pool.k[++kept] = ch.pool.k[i];
  }
  ch.pool.anz = static_cast<int16_t>(kept);
}

// The declarer's share of the unseen trumps, by how many there are and how high the bid went.
int32_t declarerTrumpShare(int32_t m) {
  if (m <= 0) return 0;
  bool lowBid = skatGame->bidReached <= 24;
  if (m <= 3) return lowBid || m > 1 ? 1 : 0;
  if (m == 4) return lowBid ? 2 : 1;
  return skatRound(lowBid ? m / 2.5 : m / 3.0);
}

void assignDeclarerTrumps(TSkatAIChoice& ch) {
  if (skatIsNullOrRamsch() || ch.seat == ch.declarer) return;
  THand trumps = skatCardsOfClass(ch.pool, suitTrumps);
  int32_t k = declarerTrumpShare(handUsed(trumps));
  if (handUsed(ch.pool) <= k) k = handUsed(ch.pool) - 1;
  THand& model = ch.o1 == ch.declarer ? ch.m1 : ch.m2;
  for (int i = 0; i < k && handUsed(trumps) > 0; i++) {
    TCard c = drawRandomCard(trumps);
    handaddk(model, c);
    removeFirstCard(ch.pool, c);
  }
}

// Pairs of each suit neither other seat has shown void in go one to each model; the rest to
// the model with fewer cards.
void dealRest(TSkatAIChoice& ch) {
  shuffleHand(ch.pool);
  const TSkatGameMasks* masks = skatGameMasks();
  int n = handUsed(ch.pool);
  // The pool holds each card once: a suit's plain cards are dealt in pairs in pool order and
  // marked by their positions; the pool keeps the rest, in order. One pass finds each suit's
  // plain positions.
  int16_t plain[4][handCapacity];
  int plainCount[4] = {};
  for (int i = 1; i <= n; i++) {
    const TCard& c = ch.pool.k[i];
    if (c.f >= suitClubs && c.f <= suitDiamonds && !skatIsTrumpBy(masks, c))
      plain[c.f - 1][plainCount[c.f - 1]++] = static_cast<int16_t>(i);
  }
  bool dealt[handCapacity + 1] = {};
  int left = n;
  for (int s = suitClubs; s <= suitDiamonds; s++) {
    if (skatSuitShownVoid(skatAISeatHand(ch.o1), s) || skatSuitShownVoid(skatAISeatHand(ch.o2), s)) continue;
    for (int k = 0; k + 1 < plainCount[s - 1]; k += 2) {
      int a = plain[s - 1][k], b = plain[s - 1][k + 1];
      handaddk(ch.m1, ch.pool.k[a]);
      handaddk(ch.m2, ch.pool.k[b]);
      dealt[a] = dealt[b] = true;
      left -= 2;
    }
  }
  int kept = 0;
  for (int i = 1; i <= n; i++)
    if (!dealt[i]) ch.pool.k[++kept] = ch.pool.k[i];
  ch.pool.anz = static_cast<int16_t>(kept);
  ch.poolDealtOut = left == 0;
  for (int i = 1; i <= kept; i++) {
    bool toFirst = handUsed(ch.m1) < handUsed(ch.m2) ||
                   (handUsed(ch.m1) == handUsed(ch.m2) && randomReal() < 0.5);
    handaddk(toFirst ? ch.m1 : ch.m2, ch.pool.k[i]);
  }
}

void applyOuvert(TSkatAIChoice& ch) {
  if (skatGame->level != skatLevelOffen || ch.seat == ch.declarer) return;
  if (skatGame->rumGame) {
    ch.m1 = skatAISeatHand(ch.o1);
    ch.m2 = skatAISeatHand(ch.o2);
    return;
  }
  THand& declModel = ch.o1 == ch.declarer ? ch.m1 : ch.m2;
  THand& partnerModel = ch.o1 == ch.declarer ? ch.m2 : ch.m1;
  declModel = skatAISeatHand(ch.declarer);
  partnerModel = concatHands(skatAISeatHand(ch.partner), pressedSkat);
}

void buildModel(TSkatAIChoice& ch) {
  collectUnseenCards(ch);
  clearHandFull(ch.m1);
  clearHandFull(ch.m2);
  int32_t wafe = seatProfile[ch.seat].fields.wafe;
  bool skipKnowledge = wafe != 0 && wafe >= 100 * randomReal();
  if (!skipKnowledge) {
    applyVoids(ch, true);
    if (handUsed(ch.pool) == 0 && (handUsed(ch.m1) == 0 || handUsed(ch.m2) == 0)) {
      collectUnseenCards(ch);
      clearHandFull(ch.m1);
      clearHandFull(ch.m2);
      applyVoids(ch, false);
    }
    assignDeclarerTrumps(ch);
  }
  dealRest(ch);
  applyOuvert(ch);
}

// [SECTION] choice by place

// The best of the Null and Ramsch lead's fallback: the strongest card of a suit the declarer
// has not shown (or, in pass 1, signalled) void in, the suit of highest order value winning.
TCard nullLeadFallback(const TSkatAIChoice& ch) {
  const THand& declHand = skatAISeatHand(ch.declarer);
  for (int pass = 1; pass <= 2; pass++) {
    TCard pick = noCard();
    for (int s = suitClubs; s <= suitDiamonds; s++) {
      THand own = skatCardsOfClass(ch.follow, s);
      if (handUsed(own) == 0) continue;
      if (skatSuitShownVoid(declHand, s) || (pass == 1 && skatSuitSignalledVoid(declHand, s, ch.seat))) continue;
      TCard c = skatStrongestCard(own);
      if (isNoCard(pick) || skatRankOrder[c.t] > skatRankOrder[pick.t]) pick = c;
    }
    if (!isNoCard(pick)) return pick;
  }
  return noCard();
}

TCard chooseLead(TSkatAIChoice& ch) {
  if (ch.poolDealtOut && (handUsed(ch.m1) == 0 || handUsed(ch.m2) == 0)) logProtocol("UBEKANZ1/2=0");
  if (!skatIsNullOrRamsch()) return skatAILeadCard(ch);
  bool useModel = skatAIUsesModel(ch.seat);
  const THand& a = useModel ? ch.m1 : skatAISeatHand(ch.o1);
  const THand& b = useModel ? ch.m2 : skatAISeatHand(ch.o2);
  TCard c = skatAINullLeadCard(ch.follow, a, b, ch.declarer, ch.partner, ch.seat);
  if (isNoCard(c) && ch.seat != ch.declarer) c = nullLeadFallback(ch);
  if (isNoCard(c)) c = skatStrongestCard(ch.follow);
  return c;
}

// The second seat guesses o1's answer to the led card.
void predictThirdCard(TSkatAIChoice& ch) {
  THand x = skatAIUsesModel(ch.seat) ? skatAIFollowCards(ch.o1, ch.m1) : skatAISeatFollowCards(ch.o1);
  if (handUsed(x) == 0) x = skatCardsOfClass(skatAISeatHand(ch.o1), suitTrumps);
  ch.lowX = skatLowestRankCard(x);
  TCard pred = handUsed(x) > 0 ? x.k[1] : noCard();
  THand w = skatWinningCards(x, ch.led);
  THand l = skatLosingCards(x, ch.led);
  ch.best = ch.led;
  if (handUsed(w) > 0) {
    pred = skatStrongestCard(w);
    if (ch.o1 == ch.partner) {
      if (skatCardWorth(ch.led) >= 10) pred = skatWeakestCard(w);
      else pred = handUsed(l) > 0 ? skatWeakestCard(l) : skatWeakestCard(w);
    }
    if (skatCardBeatsInTrick(pred, ch.led)) ch.best = pred;
  }
  ch.second = pred;
}

}  // namespace

// [SECTION] voids shown and signalled

namespace {

// The winner of the trick as it stands with the chosen card as the third.
int32_t thirdCardWinner(const TSkatAIChoice& ch, const TCard& chosen) {
  int32_t winner = ch.o1;
  TCard best = ch.led;
  if (skatCardBeatsInTrick(ch.second, best)) {
    winner = ch.o2;
    best = ch.second;
  }
  if (skatCardBeatsInTrick(chosen, best)) winner = ch.seat;
  return winner;
}

// The chosen card is the most valuable of its suit that observer x cannot see: x may take the
// seat as holding no more of the led suit.
bool signalsVoidByLists(const TSkatAIChoice& ch, const TCard& chosen, int32_t x, int cs) {
  int32_t third = 6 - ch.seat - x;
  THand unseen{};
  skatMergeTrickHands(x, skatAISeatHand(ch.seat), skatAISeatHand(third), unseen);
  THand suit = skatCardsOfClass(unseen, cs);
  TCard t1 = skatBid->gameType == skatTypeNull ? skatStrongestCard(suit) : skatHighestPointCard(suit);
  TCard t2 = skatStrongestCard(suit);
  return cardsEqual(chosen, t1) && (cs != suitTrumps || cardsEqual(chosen, t2));
}

// The same from the hands as sets: the unseen cards are the seat's, the third seat's and the
// pressed Skat unless x knows it (skatMergeTrickHands). Of equal card points the list order
// picks the first, and the seat's own cards come first in it. False in ok when some hand is
// no set of deck cards or the hands share a card: the lists decide then.
bool signalsVoidBySets(const TSkatAIChoice& ch, const TCard& chosen, int32_t x, int cs, bool& ok) {
  ok = false;
  const TSkatGameMasks* m = skatGameMasks();
  const THand& own = skatAISeatHand(ch.seat);
  TSkatCardSet ownSet = 0, thirdSet = 0, skatSet = 0;
  if (!m || !skatIsDeckCard(chosen) || !skatCardSetOf(own, ownSet) || !(ownSet & skatCardMask(chosen))) return false;
  if (!skatCardSetOf(skatAISeatHand(6 - ch.seat - x), thirdSet)) return false;
  bool declarerKnowsSkat = x == skatGame->declarer && !skatGame->handGame;
  if (!skatGame->rumGame && !declarerKnowsSkat && !skatCardSetOf(pressedSkat, skatSet)) return false;
  if ((ownSet & thirdSet) || (ownSet & skatSet) || (thirdSet & skatSet)) return false;
  ok = true;
  TSkatCardSet suit = (ownSet | thirdSet | skatSet) & skatClassSet(*m, cs);
  const int bit = skatCardBit(chosen);
  const bool strongest = skatStrongestBit(*m, suit) == bit;
  if (skatBid->gameType == skatTypeNull) return strongest;
  int32_t top = 0;
  for (TSkatCardSet r = suit; r != 0; r &= r - 1) top = std::max(top, skatCardWorth(skatCardOfBit(std::countr_zero(r))));
  if (skatCardWorth(chosen) != top) return false;
  for (int i = 1; i <= handUsed(own); i++) {
    const TCard& c = own.k[i];
    if (skatCardBit(c) == bit) break;
    if ((suit & skatCardMask(c)) && skatCardWorth(c) == top) return false;
  }
  return cs != suitTrumps || strongest;
}

void signalVoid(const TSkatAIChoice& ch, const TCard& chosen, int ledSuit) {
  int cs = skatSuitClass(chosen);
  for (int32_t x : {ch.o2, ch.o1}) {
    bool ok = false;
    bool match = signalsVoidBySets(ch, chosen, x, cs, ok);
    if (!ok) match = signalsVoidByLists(ch, chosen, x, cs);
    if (match) skatSetSuitSignalledVoid(sp[ch.seat].hand, ledSuit, x, true);
  }
}

void recordVoids(const TSkatAIChoice& ch, const TCard& chosen) {
  int ledSuit = skatSuitClass(ch.led);
  int cs = skatSuitClass(chosen);
  THand& own = sp[ch.seat].hand;
  if (cs != ledSuit) {
    skatSetSuitShownVoid(own, ledSuit, true);
  } else {
    for (int x = 1; x <= 3; x++) skatSetSuitSignalledVoid(own, ledSuit, x, false);
  }
  bool signal = false;
  if (ch.cardsToPlay == 0) {
    int32_t winner = thirdCardWinner(ch, chosen);
    signal = winner != ch.seat && winner != ch.partner;
  } else {
    signal = skatCardBeats(ch.led, chosen) && ch.o2 != ch.partner;
  }
  if (signal) signalVoid(ch, chosen, ledSuit);
}

}  // namespace

// A card the rules may not play (not in the hand, or not following suit) is replaced by a
// legal one, and the trace log tells which.
TCard skatAIEnsureLegal(int32_t seat, const TCard& chosen) {
  const THand& hand = skatAISeatHand(seat);
  if (handUsed(hand) == 0) return chosen;
  // A held card of the led suit, or any held card when the seat has none of it, is legal:
  // the list of legal cards is built only for a card that is not.
  if (skatHolds(hand, chosen)) {
    int led = skatLedSuit();
    if (led == 0 || skatSuitClass(chosen) == led || skatCountOfClass(hand, led) == 0) return chosen;
  }
  THand legal = skatAIFollowCards(seat, hand);
  if (skatHolds(legal, chosen)) return chosen;
  TCard fallback = skatWeakestCard(legal);
  if (isNoCard(fallback)) fallback = legal.k[1];
  logProtocol("FALSCHE KARTE GESPIELT! Spieler " + std::to_string(seat) + ": Rang " +
              std::to_string(chosen.t) + " Farbe " + std::to_string(chosen.f) + " ersetzt durch Rang " +
              std::to_string(fallback.t) + " Farbe " + std::to_string(fallback.f));
  return fallback;
}

void skatAIRecordVoids(int32_t seat, int32_t cardsToPlay, const TCard& led, const TCard& second,
                       const TCard& chosen) {
  TSkatAIChoice ch;
  ch.seat = seat;
  ch.o1 = skatNextPlayer(seat);
  ch.o2 = skatNextPlayer(ch.o1);
  ch.declarer = skatBid->declarer;
  ch.cardsToPlay = cardsToPlay;
  if (ch.o1 != ch.declarer) ch.partner = ch.o1;
  if (ch.o2 != ch.declarer) ch.partner = ch.o2;
  if (ch.seat == ch.declarer) ch.partner = 0;
  ch.led = led;
  ch.second = second;
  recordVoids(ch, chosen);
}

// [SECTION] the entry

TCard skatAIChooseCard(TSpieler& stack, int32_t cardsToPlay, uint8_t record) {
  TSkatAIChoice ch;
  ch.seat = handOwner(stack);
  if (!validSeat(ch.seat)) ch.seat = validSeat(stack.stackNo) ? stack.stackNo : 1;
  ch.o1 = skatNextPlayer(ch.seat);
  ch.o2 = skatNextPlayer(ch.o1);
  ch.declarer = skatBid->declarer;
  ch.cardsToPlay = cardsToPlay;
  ch.follow = skatAISeatFollowCards(ch.seat);
  ch.strengthPlay = seatProfile[ch.seat].fields.krafe > 100 * randomReal();
  if (ch.o1 != ch.declarer) ch.partner = ch.o1;
  if (ch.o2 != ch.declarer) ch.partner = ch.o2;
  if (ch.seat == ch.declarer) ch.partner = 0;
  buildModel(ch);
  bool following = cardsToPlay < 2 && handUsed(trickCards) > 0;
  if (!following) {
    ch.choice = chooseLead(ch);
  } else if (cardsToPlay == 1) {
    ch.led = trickCards.k[1];
    predictThirdCard(ch);
    if (ch.strengthPlay) ch.choice = skatStrongestCard(ch.follow);
    else skatAIFollowCard(ch);
  } else {
    ch.led = trickCards.k[1];
    ch.second = handUsed(trickCards) >= 2 ? trickCards.k[2] : noCard();
    ch.best = !isNoCard(ch.second) && skatCardBeatsInTrick(ch.second, ch.led) ? ch.second : ch.led;
    skatAIFollowCard(ch);
  }
  TCard chosen = skatAIEnsureLegal(ch.seat, ch.choice);
  if (record && following) recordVoids(ch, chosen);
  return chosen;
}
