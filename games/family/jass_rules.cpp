// Jass's rules. Orders: ranks 6..ace worth 10..90 (reversed in Undenufe), plus 100 per suit
// below clubs; a trump card 1000 more, its nine 2040 and its jack 3060. Points: 152 in every
// mode, 5 more for the last trick. Bookings of a trick follow the counting order, and the
// first team reaching the target stops the rest.
//
// [SECTION] modes and card order
// [SECTION] card points and the deck
// [SECTION] seats and teams
// [SECTION] legal cards and the trick
// [SECTION] Stöck and bookings
#include "games/family/jass_rules.h"

#include "core/card_names.h"
#include "core/card_order.h"
#include "core/cg.h"
#include "sound/speech.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

TJassState& jassArea() { return gameArea<TJassState>(cg.gs.jass); }

// [SECTION] modes and card order

namespace {

// Base order value by rank code (1..14); 0 for ranks outside the Jass deck.
constexpr int32_t baseValues[15] = {0, 20, 30, 40, 60, 70, 80, 50, 90, 0, 0, 0, 0, 10, 0};

bool reversedNow() {
  const TJassState& a = jassArea();
  return a.mode == jassUndenufe || (a.mode == jassSlalomUndenufe && a.tricksDone % 2 == 0) ||
         (a.mode == jassSlalomObenabe && a.tricksDone % 2 == 1);
}

bool lowMode(int32_t mode) { return mode == jassUndenufe || mode == jassSlalomUndenufe; }

}  // namespace

void jassRankOrder(bool reverse, bool secondTable, bool noTrump) {
  TCardValueTable& table = secondTable ? cardValues0 : cardValues;
  const int32_t mode = jassArea().mode;
  for (int suit = 1; suit <= 4; suit++)
    for (int rank = 1; rank <= 14; rank++) {
      int32_t base = baseValues[rank];
      if (base == 0) {
        table[suit][rank] = 0;
        continue;
      }
      if (reverse) base = 100 - base;
      int32_t v = base + (4 - suit) * 100;
      if (!reverse && !noTrump && suit == mode) {
        v = base + 1000;
        if (rank == rankJack) v += 2000;
        if (rank == rank9) v += 1000;
      }
      table[suit][rank] = v;
    }
}

void jassApplyRankOrder(bool secondTable) { jassRankOrder(reversedNow(), secondTable, false); }

void jassSetMode(int32_t mode) {
  TJassState& a = jassArea();
  a.mode = mode == jassSlalom ? jassSlalomObenabe : mode;
  jassRankOrder(lowMode(a.mode), false, false);
  TSpieler& user = sp[1];
  syncHandFromSlots(user);
  sortHandByValue(user.hand, 1, 0, false);
  renumberHand(user.hand);
  syncSlotsFromHand(user);
}

std::string jassModeName(int32_t mode) {
  if (mode == jassSlalom) mode = jassSlalomObenabe;
  if ((mode >= 1 && mode <= 4) || (mode >= jassObenabe && mode <= jassSlalomUndenufe)) return suitNameTable[1][mode];
  return {};
}

bool jassIsTrump(const TCard& c) {
  const int32_t mode = jassArea().mode;
  return mode >= 1 && mode <= 4 && c.f == mode;
}

// [SECTION] card points and the deck

namespace {

// Points by rank code: trump suit, other suits, Obenabe, Undenufe.
struct TPointRow {
  int8_t rank;
  int32_t trump, plain, high, low;
};
constexpr TPointRow pointRows[] = {
    {rank6, 0, 0, 0, 11},      {rank7, 0, 0, 0, 0},         {rank8, 0, 0, 8, 8},
    {rank9, 14, 0, 0, 0},      {rankTen, 10, 10, 10, 10},   {rankJack, 20, 2, 2, 2},
    {rankQueen, 3, 3, 3, 3},   {rankKing, 4, 4, 4, 4},      {rankAce, 11, 11, 11, 0},
};

// The stock's fill order: ranks 7, 8, 9, jack, queen, king, 10, ace, 6, each in suits 1..4.
constexpr int8_t deckRanks[9] = {rank7, rank8, rank9, rankJack, rankQueen, rankKing, rankTen, rankAce, rank6};

}  // namespace

int32_t jassCardPoints(const TCard& c) {
  const int32_t mode = jassArea().mode;
  for (const TPointRow& r : pointRows) {
    if (r.rank != c.t) continue;
    if (mode == jassObenabe || mode == jassSlalomObenabe) return r.high;
    if (mode == jassUndenufe || mode == jassSlalomUndenufe) return r.low;
    return jassIsTrump(c) ? r.trump : r.plain;
  }
  return 0;
}

int32_t jassSetPoints(const THand& h) {
  int32_t sum = 0;
  for (int i = 1; i <= handUsed(h); i++) sum += jassCardPoints(h.k[i]);
  return sum;
}

int32_t jassStackPoints(int32_t stack) {
  if (stack < 1 || stack > stackCount) return 0;
  int32_t sum = 0;
  for (int k = 1; k <= stackUsed(sp[stack]); k++) sum += jassCardPoints(sp[stack].slots[k].card);
  return sum;
}

void jassStackPointsText(int32_t stack, std::string& text) { text = std::to_string(jassStackPoints(stack)); }

void jassBuildDeck() {
  TSpieler& stock = sp[jassStockStack];
  clearHand(stock.hand);
  for (int8_t rank : deckRanks)
    for (int suit = 1; suit <= 4; suit++) handaddk(stock.hand, makeCard(rank, suit));
  syncSlotsFromHand(stock);
  shuffleStack(stock);
}

// [SECTION] seats and teams

namespace {

int32_t wrapSeat(int32_t s) {
  const int32_t n = cg.seatCount >= 1 ? cg.seatCount : jassSeats;
  while (s < 1) s += n;
  while (s > n) s -= n;
  return s;
}

}  // namespace

int32_t seatBefore(int32_t seat, int32_t n) { return wrapSeat((seat == -1 ? cg.gs.akspieler : seat) - n); }
int32_t seatAfter(int32_t seat, int32_t n) { return wrapSeat((seat == -1 ? cg.gs.akspieler : seat) + n); }
void jassPrevSeat() { cg.gs.akspieler = seatBefore(-1, 1); }
void jassNextSeat() { cg.gs.akspieler = seatAfter(-1, 1); }
int32_t jassPartner(int32_t seat) { return wrapSeat(seat + 2); }
int32_t jassTeamOf(int32_t seat) { return seat % 2 == 1 ? 1 : 2; }

int32_t jassTeamPoints(int32_t seat) {
  const TJassState& a = jassArea();
  int32_t sum = 0;
  for (int32_t s : {wrapSeat(seat), jassPartner(seat)})
    sum += a.weisPoints[s] + a.trickPoints[s] + a.stoeckPoints[s] + a.lastTrickBonus[s];
  return sum;
}

int32_t jassTeamScore(int32_t seat) { return jassTeamPoints(seat) + cg.gs.listTotals[wrapSeat(seat)]; }

// [SECTION] legal cards and the trick

TCard jassLeadCard() {
  const THand& t = jassArea().trick;
  return handUsed(t) == 0 ? noCard() : t.k[1];
}

namespace {

int32_t valueOf(const TCard& c) { return cardValues[c.f][c.t]; }

bool holdsOnlyTrumpJack(const THand& h) {
  const int32_t trump = jassArea().mode;
  return countSuit(h, trump) == 1 && hasCard(h, makeCard(rankJack, trump));
}

}  // namespace

bool jassLegalFollow(const TCard& card, const TCard& lead, const THand& hand) {
  if (handUsed(jassArea().trick) == 0 || isNoCard(lead)) return true;
  bool legal;
  if (!jassIsTrump(lead)) {
    legal = card.f == lead.f || jassIsTrump(card) || countSuit(hand, lead.f) == 0;
    // No under-trumping of a plain trick that a trump already wins.
    const TCard best = jassTrickWinningCard();
    if (legal && jassIsTrump(card) && jassIsTrump(best) && valueOf(card) < valueOf(best)) legal = false;
  } else {
    const int32_t trumps = countSuit(hand, lead.f);
    legal = trumps == 0 || holdsOnlyTrumpJack(hand) || jassIsTrump(card);
  }
  return legal;
}

bool jassFollowsLead(const TCard& card, const THand& hand) { return jassLegalFollow(card, jassLeadCard(), hand); }

namespace {

void legalFrom(const THand& hand, int32_t position, THand& list) {
  clearHand(list);
  const bool leading = position <= 1 || handUsed(jassArea().trick) == 0;
  if (!leading)
    for (int i = 1; i <= handUsed(hand); i++)
      if (jassFollowsLead(hand.k[i], hand)) handaddk(list, hand.k[i]);
  if (handUsed(list) == 0) list = hand;
}

}  // namespace

void jassLegalCards(int32_t seat, int32_t position, THand& list) {
  if (seat == 0) seat = cg.gs.akspieler;
  if (position == 0) position = jassArea().trickPosition;
  clearHand(list);
  if (seat < 1 || seat > jassSeats) return;
  TSpieler& s = sp[seat];
  syncHandFromSlots(s);
  sortHandByValue(s.hand, 1, 0, false);
  renumberHand(s.hand);
  syncSlotsFromHand(s);
  legalFrom(s.hand, position, list);
}

void jassLegalCardsNoSlots(int32_t seat, int32_t position, THand& list) {
  if (seat == 0) seat = cg.gs.akspieler;
  if (position == 0) position = jassArea().trickPosition;
  clearHand(list);
  if (seat < 1 || seat > jassSeats) return;
  THand hand = sp[seat].hand;
  sortHandByValue(hand, 1, 0, false);
  legalFrom(hand, position, list);
}

bool jassIsInLegalList(const TCard& card) { return hasCard(jassArea().legalCards, card); }

TCard jassTrickWinningCard() {
  const THand& t = jassArea().trick;
  if (handUsed(t) == 0) return noCard();
  TCard best = t.k[1];
  const int8_t led = t.k[1].f;
  for (int i = 2; i <= handUsed(t); i++) {
    const TCard& c = t.k[i];
    if ((c.f == led || jassIsTrump(c)) && valueOf(c) > valueOf(best)) best = c;
  }
  return best;
}

bool jassWouldWinTrick(const TCard& card) {
  THand& t = jassArea().trick;
  TCard c = card;
  c.hi = int16_t(cg.gs.akspieler);
  handaddk(t, c);
  const TCard best = jassTrickWinningCard();
  t.anz -= 1;
  return cardsEqual(best, card);
}

TCard jassHighestCard(const THand& h) {
  if (handUsed(h) == 0) return noCard();
  TCard best = h.k[1];
  for (int i = 2; i <= handUsed(h); i++)
    if (valueOf(h.k[i]) > valueOf(best)) best = h.k[i];
  return best;
}

// [SECTION] Stöck and bookings

void jassCheckStoeck(int32_t seat, const TCard& card) {
  TJassState& a = jassArea();
  if (!a.stoeckOn || seat < 1 || seat > jassSeats || card.f < 1 || card.f > 4) return;
  if (card.t != rankQueen && card.t != rankKing) return;
  const TCard other = makeCard(card.t == rankQueen ? rankKing : rankQueen, card.f);
  syncHandFromSlots(sp[seat]);
  if (hasCard(sp[seat].hand, other)) {
    a.stoeckState[seat][card.f] = 1;
  } else if (a.stoeckState[seat][card.f] == 1) {
    a.pendingStoeck[seat] = 20;
    a.stoeckState[seat][card.f] = 2;
    say("Stöck", seat, 0, false);
  }
}

void jassAddNote(int32_t team, const std::string& note) {
  TJassState& a = jassArea();
  if (team < 1 || team > 2 || a.noteCount[team] >= 3) return;
  a.noteCount[team] += 1;
  a.notes[team][a.noteCount[team]] = note;
}

void jassClearNotes() {
  TJassState& a = jassArea();
  a.noteCount[1] = a.noteCount[2] = 0;
}

void jassBookStoeck() {
  TJassState& a = jassArea();
  bool noted[3] = {false, false, false};
  for (int32_t s = 1; s <= jassSeats; s++) {
    if (a.pendingStoeck[s] == 0) continue;
    a.stoeckPoints[s] += a.pendingStoeck[s];
    a.pendingStoeck[s] = 0;
    say("+20 Punkte", s, 0, false);
    if (!noted[jassTeamOf(s)]) jassAddNote(jassTeamOf(s), "Stöck");
    noted[jassTeamOf(s)] = true;
  }
}

void jassBookWeis() {
  TJassState& a = jassArea();
  int32_t amount[3] = {0, 0, 0};
  for (int32_t s = 1; s <= jassSeats; s++) {
    amount[jassTeamOf(s)] += a.pendingWeis[s];
    a.weisPoints[s] += a.pendingWeis[s];
    a.pendingWeis[s] = 0;
  }
  for (int32_t team = 1; team <= 2; team++)
    if (amount[team] > 0) jassAddNote(team, "Weis");
}

void jassBookTrick() {
  TJassState& a = jassArea();
  const int32_t winner = a.trickWinner;
  if (winner < 1 || winner > jassSeats) return;
  const int32_t points = jassSetPoints(a.trick);
  a.trickPoints[winner] += points;
  if (points > 0) jassAddNote(jassTeamOf(winner), "Stich");
}

bool jassTargetReached() {
  const int32_t limit = jassArea().pointsLimit;
  return limit > 0 && (jassTeamScore(1) >= limit || jassTeamScore(2) >= limit);
}

bool jassBookInCountingOrder() {
  using TBooking = void (*)();
  static constexpr TBooking orders[3][3] = {
      {jassBookStoeck, jassBookWeis, jassBookTrick},
      {jassBookStoeck, jassBookTrick, jassBookWeis},
      {jassBookTrick, jassBookStoeck, jassBookWeis},
  };
  int32_t order = jassArea().countingOrder;
  if (order < 1 || order > 3) order = 1;
  for (TBooking book : orders[order - 1]) {
    book();
    if (jassTargetReached()) return true;
  }
  return false;
}
