#include "games/rummy/romme_rules.h"

#include <algorithm>

#include "core/card_order.h"
#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/rummy/meld_table.h"
#include "games/rummy/romme_ai_search.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

uint8_t rommeEvaluatingDiscard = 0;

TRommeArea& rommeArea() { return gameArea<TRommeArea>(cg.gs.romme); }

namespace {

const TRommeOptions& opts() { return rommeArea().options; }

// Run positions by rank code (7 8 9 J Q K 10 A 2 3 4 5 6), and the rank at each position.
constexpr int32_t positionOf[15] = {0, 6, 7, 8, 10, 11, 12, 9, 13, 1, 2, 3, 4, 5, 0};
constexpr int32_t rankAt[14] = {0, rank2, rank3, rank4, rank5, rank6, rank7, rank8, rank9, rankTen,
                                rankJack, rankQueen, rankKing, rankAce};

int32_t order0(const TCard& c) {
  if (c.f < 1 || c.f > 4 || c.t < 1 || c.t > 14) return 0;
  return cardValues0[c.f][c.t];
}

int32_t jokersIn(const THand& h) {
  int32_t n = 0;
  for (int32_t i = 1; i <= handUsed(h); i++) n += isJoker(h.k[i]) ? 1 : 0;
  return n;
}

bool seatOwnsMeld(int32_t seat) {
  THand list{};
  k12.meldsOfSeat(seat, list);
  return handUsed(list) > 0;
}

bool isAce(const TCard& c) { return c.t == rankAce; }

void outOfRange() { trace("getdif.outofrange error"); }

}  // namespace

bool rommeIsGin() { return cg.gameId == gidRomme && rommeArea().ginRummy != 0; }

// [SECTION] cards and values

int32_t rommeRankPosition(int32_t rank) { return rank >= 1 && rank <= 13 ? positionOf[rank] : 0; }

int32_t rommeNextRank(int32_t rank) {
  int32_t p = rommeRankPosition(rank);
  if (p == 0) return 0;
  return p == 13 ? rankAt[1] : rankAt[p + 1];
}

int32_t rommePrevRank(int32_t rank) {
  int32_t p = rommeRankPosition(rank);
  if (p == 0) return 0;
  return p == 1 ? rankAt[13] : rankAt[p - 1];
}

int32_t rommeCardValue(const TCard& c) {
  if (isJoker(c)) return rommeIsGin() ? 0 : opts().jokerValue;
  int32_t p = rommeRankPosition(c.t);
  if (p == 0) return 0;
  if (rommeIsGin()) return p == 13 ? 1 : p <= 8 ? p + 1 : 10;
  return p == 13 ? 15 : p <= 8 ? 5 : 10;
}

int32_t rommeHandValue(const THand& h) {
  int32_t sum = 0;
  for (int32_t i = 1; i <= handUsed(h); i++) sum += rommeCardValue(h.k[i]);
  return sum;
}

int32_t rommeSeatHandValue(int32_t stack) {
  if (stack < 1 || stack > stackCount) return 0;
  syncHandFromSlots(sp[stack]);
  return rommeHandValue(sp[stack].hand);
}

int32_t rommeMeldsPoints(int32_t seat) {
  THand list{}, meld{};
  k12.meldsOfSeat(seat, list);
  int32_t sum = 0;
  for (int32_t i = 1; i <= handUsed(list); i++) {
    k12.getMeld(list.k[i].hi, meld);
    sum += rommeHandValue(meld);
  }
  return sum;
}

int32_t rommeDeadwood(const THand& h, bool whole) {
  int32_t value = rommeHandValue(h);
  if (whole || rommeArea().layOffStage) return value;
  int32_t highest = 0;
  for (int32_t i = 1; i <= handUsed(h); i++) highest = std::max(highest, rommeCardValue(h.k[i]));
  return value - highest;
}

bool isJoker(const TCard& c) { return c.t == rankJoker; }

int32_t getdif(const TCard& a, const TCard& b, bool first) {
  if (!isValidCard(a) || !isValidCard(b)) {
    trace("error: no valid cards at romme.getdif");
    return 0;
  }
  int32_t d = order0(b) - order0(a);
  const bool corner = opts().aroundTheCorner != 0;
  if (isAce(a) && b.t == rank2 && (first || corner)) d = 1;
  if (isAce(a) && b.t == rank3 && (first || corner)) d = 2;
  if (a.t == rankKing && b.t == rank2 && corner) d = 2;
  return d;
}

void rommeInitSortKeys() {
  const bool gin = rommeIsGin(), byValue = opts().sortByValue != 0;
  for (int32_t f = 1; f <= 4; f++) {
    cardValues0[f][rankJoker] = 53;
    cardValues[f][rankJoker] = 53;
    for (int32_t t = 1; t <= 13; t++) {
      int32_t p = positionOf[t];
      int32_t v0 = gin && t == rankAce ? 13 * (4 - f) - 1 : 13 * (4 - f) + p;
      cardValues0[f][t] = v0;
      cardValues[f][t] = !byValue ? v0 : gin && t == rankAce ? -f : 4 * (p - 1) + (4 - f);
    }
  }
}

// [SECTION] melds

bool rommeHasDuplicate(const THand& h) {
  for (int32_t i = 1; i <= handUsed(h); i++)
    for (int32_t j = i + 1; j <= handUsed(h); j++)
      if (cardsEqual(h.k[i], h.k[j])) return true;
  return false;
}

bool rommeIsSet(const THand& h) {
  int32_t rank = 0;
  for (int32_t i = 1; i <= handUsed(h); i++) {
    if (isJoker(h.k[i])) continue;
    if (rank == 0) rank = h.k[i].t;
    else if (h.k[i].t != rank) return false;
  }
  return handUsed(h) <= 4 || opts().duplicateCards;
}

bool rommeIsSameSuit(const THand& h) {
  int32_t suit = 0;
  for (int32_t i = 1; i <= handUsed(h); i++) {
    if (isJoker(h.k[i])) continue;
    if (suit == 0) suit = h.k[i].f;
    else if (h.k[i].f != suit) return false;
  }
  return true;
}

bool rommeIsRun(const THand& h) {
  const int32_t n = h.anz;
  if (n <= 1) return n >= 0;
  if (n >= 100 || n > handCapacity) {
    outOfRange();
    return false;
  }
  const bool corner = opts().aroundTheCorner != 0;
  for (int32_t i = 1; i < n; i++) {
    const bool first = i == 1;
    const int32_t far = std::min(i + 2, n);
    const TCard& a = h.k[i];
    const TCard& b = h.k[i + 1];
    bool ok;
    if (isJoker(a)) ok = !(first && b.t == rank2);  // a Joker cannot be the Ace below a 2
    else if (isJoker(b) && i + 1 < n) {
      int32_t d = getdif(a, h.k[far], first);
      ok = d == 1 || d == 2;
    } else if (isJoker(b)) ok = !isAce(a) || corner;
    else ok = getdif(a, b, first) == 1;
    if (!ok) return false;
  }
  // Gin Rummy's Ace is low only.
  return !(rommeIsGin() && isAce(h.k[n]));
}

bool rommeIsValidMeld(const THand& cards, int32_t seat, bool layOff, bool noMinimum) {
  if (seat == 0) seat = cg.gs.akspieler;
  if (rommeIsGin()) noMinimum = true;
  if (jokersIn(cards) > 1 || handUsed(cards) < 3) return false;
  // The table is asked only when the answer matters: the move search asks thousands of times.
  if (!noMinimum && seatOwnsMeld(seat)) noMinimum = true;
  if (!noMinimum) {
    if (rommeHandValue(cards) < opts().firstMeldMinimum) return false;
    if (layOff) return false;
  }
  if (rommeHasDuplicate(cards) && !opts().duplicateCards) return false;
  return (rommeIsSameSuit(cards) && rommeIsRun(cards)) || rommeIsSet(cards);
}

THand rommeLiftedCards() {
  THand out{};
  TSpieler& s = sp[1];
  for (int32_t i = 1; i <= stackUsed(s); i++) {
    const TCardSlot& slot = s.slots[i];
    const bool lifted = slot.moving && slot.animType == 1 && (slot.liftState == 0 || slot.liftState == 2);
    if (lifted && slot.card.t != 0) handaddk(out, TCard{slot.card.t, slot.card.f, static_cast<int16_t>(i)});
  }
  return out;
}

THand rommeArrangeMeld() {
  THand s = rommeLiftedCards();
  const int32_t n = handUsed(s);
  // Ascending by run order, equal cards keeping their hand order.
  for (int32_t i = 2; i <= n; i++)
    for (int32_t j = i; j > 1 && order0(s.k[j - 1]) > order0(s.k[j]); j--) swapCards(s.k[j - 1], s.k[j]);
  THand jokers{}, rest{};
  int32_t aces = 0, aceAt = 0;
  bool lowCard = false;
  for (int32_t i = 1; i <= n; i++) {
    if (isJoker(s.k[i])) {
      handaddk(jokers, s.k[i]);
      continue;
    }
    handaddk(rest, s.k[i]);
    if (isAce(s.k[i])) aces++, aceAt = handUsed(rest);
    if (s.k[i].t == rank2 || s.k[i].t == rank3) lowCard = true;
  }
  const int32_t j = handUsed(jokers);
  if (j > 1) return s;
  if (aces == 1 && lowCard) insertCardAt(rest, deleteCardAt(rest, aceAt), 1);
  if (opts().aroundTheCorner) {
    bool high = hasRank(rest, rankKing) || hasRank(rest, rankQueen);
    int32_t c = 0;
    if (lowCard && high)
      c = (hasRank(rest, rankKing) ? 1 : 0) + (hasRank(rest, rankAce) ? 1 : 0) + (hasRank(rest, rank2) ? 1 : 0);
    if (c >= 3 - j && c > 0) {
      int32_t gap = 0;
      for (int32_t i = 1; i < handUsed(rest); i++)
        if (getdif(rest.k[i], rest.k[i + 1], i == 1) > j + 1) {
          gap = i + 1;
          break;
        }
      if (gap > 1) {
        THand rotated{};
        for (int32_t i = gap; i <= handUsed(rest); i++) handaddk(rotated, rest.k[i]);
        for (int32_t i = 1; i < gap; i++) handaddk(rotated, rest.k[i]);
        rest = rotated;
      }
    }
  }
  if (j == 0) return rest;
  if (handUsed(rest) == 0) return s;
  for (int32_t i = 1; i < handUsed(rest); i++)
    if (getdif(rest.k[i], rest.k[i + 1], i == 1) == 2) {
      insertCardAt(rest, jokers.k[1], i + 1);
      return rest;
    }
  handaddk(rest, jokers.k[1]);
  return rest;
}

// [SECTION] laying down and discarding

bool rommeMayLayDown(int32_t cardsLeft) {
  if (cardsLeft >= 1) return true;
  return rommeIsGin() || rommeEvaluatingDiscard != 0;
}

bool rommeDiscardRuleOk(const THand& hand, const THand& cardsToLay) {
  const int32_t left = handUsed(hand) - handUsed(cardsToLay);
  if (cg.gameId != gidRomme) return left >= 1;
  if (!rommeMayLayDown(left)) return false;
  const TCard taken = rommeArea().takenDiscard;
  if (taken.t == 0) return true;
  THand rest = hand;
  for (int32_t i = 1; i <= handUsed(cardsToLay); i++) {
    int32_t at = 0;
    for (int32_t p = 1; p <= handUsed(rest) && at == 0; p++)
      if (cardsIdentical(rest.k[p], cardsToLay.k[i])) at = p;
    if (at == 0) at = indexOfCard(rest, cardsToLay.k[i]);
    if (at >= 1) deleteCardAt(rest, at);
  }
  if (handUsed(rest) != 1 || !cardsEqual(rest.k[1], taken)) return true;
  // With a single such card in hand it is the taken one, wherever its slot went.
  if (rest.k[1].hi == taken.hi || countCard(hand, taken) == 1) {
    trace("forbidden");
    return false;
  }
  // Another copy may stay only when the taken card itself is among the cards laid: a lone copy
  // counts as the taken card at the discard, which could then not be made.
  bool takenLaid = false;
  for (int32_t i = 1; i <= handUsed(cardsToLay); i++)
    if (cardsIdentical(cardsToLay.k[i], taken)) takenLaid = true;
  if (!takenLaid) {
    trace("forbidden");
    return false;
  }
  trace("forbidden2 h1k1x:" + std::to_string(rest.k[1].hi) + " cfdiscardx:" + std::to_string(taken.hi));
  return true;
}

bool rommeMayLayOffOnOthers() {
  const TRommeArea& a = rommeArea();
  if (!rommeIsGin()) return opts().layOffOnOthers != 0;
  if (!a.knockerDone) return opts().layOffOnKnockerHand != 0;
  const int32_t knocker = cg.gs.akspieler % 2 + 1;
  const bool empty = knocker >= 1 && knocker <= stackCount && stackUsed(sp[knocker]) == 0;
  return (empty ? opts().layOffOnGinHand : opts().layOffOnKnockerHand) != 0;
}

bool rommeIsLegalCard(const TCard& card) {
  if (rommeIsGin()) return ginMayDiscardAfterKnock(card);
  if (cg.gs.bl.meldingMode == 1) return true;
  const TCard taken = rommeArea().takenDiscard;
  if (taken.t == 0 || !cardsEqual(card, taken)) return true;
  const int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > stackCount) return false;
  syncHandFromSlots(sp[seat]);
  return countCard(sp[seat].hand, card) >= 2 && card.hi != taken.hi;
}

void rommeDropDeadwoodCache() {
  TRommeArea& a = rommeArea();
  for (int32_t i = 1; i <= 166; i++) a.discardDeadwood[i] = -1;
  a.discardDeadwoodCount = 0;
  a.deadwoodHandValid = 0;
}

int32_t ginDeadwoodAfterDiscard(int32_t pos) {
  TRommeArea& a = rommeArea();
  const int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > stackCount) return 0;
  syncHandFromSlots(sp[seat]);
  const THand& hand = sp[seat].hand;
  // The cache belongs to one hand: any change of that hand drops it.
  bool same = a.deadwoodHandValid && handUsed(a.deadwoodHand) == handUsed(hand);
  for (int32_t i = 1; same && i <= handUsed(hand); i++) same = cardsIdentical(a.deadwoodHand.k[i], hand.k[i]);
  if (!same) {
    rommeDropDeadwoodCache();
    a.deadwoodHand = hand;
    a.deadwoodHandValid = 1;
  }
  if (pos >= 1 && pos <= a.discardDeadwoodCount && pos <= 166 && a.discardDeadwood[pos] >= 0)
    return a.discardDeadwood[pos];
  rommeAIDiscard(pos);
  const int32_t value = rommeDeadwood(a.afterDiscard, true);
  a.discardDeadwoodCount = static_cast<int16_t>(handUsed(hand));
  if (pos >= 1 && pos <= 166) a.discardDeadwood[pos] = static_cast<int16_t>(value);
  return value;
}

bool ginMayDiscardAfterKnock(const TCard& card) {
  const TRommeArea& a = rommeArea();
  if (!rommeIsGin() || !a.knocked || a.layOffStage) return true;
  const int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > stackCount) return false;
  syncHandFromSlots(sp[seat]);
  int32_t d = 0;
  for (int32_t i = 1; i <= handUsed(sp[seat].hand) && d == 0; i++)
    if (cardsIdentical(sp[seat].hand.k[i], card)) d = i;
  if (d == 0) d = indexOfCard(sp[seat].hand, card);
  if (d == 0) return false;
  return ginDeadwoodAfterDiscard(d) <= a.knockLimit;
}

THand rommeSelectedCards() {
  THand out{};
  const int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > stackCount) return out;
  syncHandFromSlots(sp[seat]);
  const THand hand = sp[seat].hand;
  for (int32_t i = 1; i <= handUsed(hand); i++)
    if (rommeIsLegalCard(hand.k[i])) handaddk(out, hand.k[i]);
  return out;
}
