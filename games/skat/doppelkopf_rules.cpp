// Doppelkopf's rules: deck, trump orders, comparison, tricks, legal cards, points, seats.
//
// [SECTION] deck and names
// [SECTION] trump order and comparison
// [SECTION] tricks and legal cards
// [SECTION] points and seats
#include "games/skat/doppelkopf_rules.h"

#include "core/card_names.h"
#include "core/card_order.h"
#include "core/cg.h"
#include "games/skat/skat_state.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/stacks.h"

// [SECTION] deck and names

void doppelkopfBuildDeck() {
  TSpieler& stock = sp[doppelkopfStockStack];
  int slot = 0;
  for (int copy = 1; copy <= 2; copy++)
    for (int r = rank9; r <= rankAce; r++)
      for (int s = suitClubs; s <= suitDiamonds; s++) {
        TCard& c = stock.slots[++slot].card;
        c.t = static_cast<int8_t>(r);
        c.f = static_cast<int8_t>(s);
      }
  stock.count = doppelkopfDeckSize;
  shuffleStack(stock);
}

namespace {

int deckStyle() { return envParam.cardStyle >= 1 && envParam.cardStyle <= 3 ? envParam.cardStyle : 1; }

}  // namespace

std::string doppelkopfSoloPrefix(int32_t type, bool shortForm) {
  const int style = deckStyle();
  const bool french = style == 1;
  const std::string bube = rankNameTable[style][rankJack];
  const std::string dame = rankNameTable[style][rankQueen];
  const std::string plural = french ? "n" : "";
  if (type >= 1 && type <= 4) return suitNameTable[style][type];
  if (type == doppelkopfBubenSolo) return bube + plural;
  if (type == doppelkopfDamenSolo) return dame + plural;
  if (type != doppelkopfBubenDamenSolo) return {};
  if (shortForm) return bube.substr(0, 2) + ".-" + dame + plural;
  return bube + plural + "-" + dame + plural;
}

std::string doppelkopfSoloName(int32_t type) {
  if (type == doppelkopfFleischlos) return "Fleischloses Solo";
  if (type < 1 || type > 8) return {};
  return doppelkopfSoloPrefix(type, false) + "solo";
}

// [SECTION] trump order and comparison

namespace {

// Side-suit order within a suit, highest first.
constexpr int8_t sideOrder[] = {rankAce, rankTen, rankKing, rankQueen, rankJack, rank9};
// The trump suit's own cards, highest first (Damen and Buben come before them).
constexpr int8_t trumpSuitOrder[] = {rankAce, rankTen, rankKing, rank9};

struct TTrumpRules {
  bool dulle, damen, buben;
  int trumpSuit;  // 0 none
};

TTrumpRules trumpRules(int32_t type) {
  TTrumpRules r{};
  r.dulle = type >= 0 && type <= 4;
  r.damen = r.dulle || type == doppelkopfDamenSolo || type == doppelkopfBubenDamenSolo;
  r.buben = (type >= 0 && type <= 5) || type == doppelkopfBubenDamenSolo;
  r.trumpSuit = type >= 1 && type <= 3 ? type : (type == 0 || type == 4) ? suitDiamonds : 0;
  return r;
}

// One card kind gets the next value; as a trump both copies join the list.
void give(int rank, int suit, int& counter, bool trump) {
  cardValues[suit][rank] = counter--;
  if (!trump) return;
  THand& t = doppelkopfArea->trumps;
  handaddk(t, makeCard(rank, suit));
  handaddk(t, makeCard(rank, suit));
}

bool isDulle(const TCard& c) { return c.t == rankTen && c.f == suitHearts; }

bool beats(const TCard& a, const TCard& b, bool secondDulle) {
  if (doppelkopfIsTrump(b)) {
    if (secondDulle && isDulle(a) && isDulle(b)) return true;
    return prlwert(a) > prlwert(b);
  }
  if (doppelkopfIsTrump(a)) return true;
  return a.f == b.f && prlwert(a) > prlwert(b);
}

}  // namespace

void doppelkopfBuildTrumpOrder() {
  for (auto& row : cardValues)
    for (int32_t& v : row) v = 0;
  clearHand(doppelkopfArea->trumps);
  const TTrumpRules r = trumpRules(doppelkopfArea->doppelkopfSoloType);
  int counter = 24;
  if (r.dulle) give(rankTen, suitHearts, counter, true);
  if (r.damen)
    for (int s = suitClubs; s <= suitDiamonds; s++) give(rankQueen, s, counter, true);
  if (r.buben)
    for (int s = suitClubs; s <= suitDiamonds; s++) give(rankJack, s, counter, true);
  if (r.trumpSuit != 0)
    for (int8_t rank : trumpSuitOrder)
      if (!(r.dulle && rank == rankTen && r.trumpSuit == suitHearts)) give(rank, r.trumpSuit, counter, true);
  for (int s = suitClubs; s <= suitDiamonds; s++)
    for (int8_t rank : sideOrder)
      if (!doppelkopfIsTrump(makeCard(rank, s))) give(rank, s, counter, false);
}

bool doppelkopfIsTrump(const TCard& c) { return hasCard(doppelkopfArea->trumps, c); }

bool doppelkopfBeats(const TCard& a, const TCard& b) { return beats(a, b, doppelkopfArea->options.secondDulle != 0); }
bool doppelkopfBeats2(const TCard& a, const TCard& b) { return beats(a, b, false); }

// [SECTION] tricks and legal cards

namespace {

int bestPosition(const THand& trick, bool (*beatsFn)(const TCard&, const TCard&)) {
  int best = 1;
  for (int i = 2; i <= handUsed(trick); i++)
    if (beatsFn(trick.k[i], trick.k[best])) best = i;
  return best;
}

}  // namespace

int32_t doppelkopfTrickWinner(const THand& trick, int32_t leader) {
  return doppelkopfSeatAfter(leader, bestPosition(trick, doppelkopfBeats) - 1);
}

TCard doppelkopfTrickWinningCard(const THand& trick) {
  if (handUsed(trick) == 0) return noCard();
  return trick.k[bestPosition(trick, doppelkopfBeats2)];
}

TCard doppelkopfLedCard() { return handUsed(trickCards) >= 1 ? trickCards.k[1] : noCard(); }

bool doppelkopf::isLegalCard(const TCard& a, const TCard& led) {
  if (isNoCard(led)) return true;
  if (doppelkopfIsTrump(led)) return doppelkopfIsTrump(a);
  return a.f == led.f && !doppelkopfIsTrump(a);
}

int32_t doppelkopf::parteievt(int32_t spinr, int32_t viewnr) {
  return partyLookup(doppelkopfArea->views, spinr, viewnr, "doppelkopf");
}

bool doppelkopfIsLegalNow(const TCard& a) { return doppelkopf::isLegalCard(a, doppelkopfLedCard()); }

THand doppelkopfLegalCardsOf(const THand& hand, const TCard& led) {
  THand sorted = hand;
  renumberHand(sorted);
  sortHandByValue(sorted, 0, 0, false);
  THand legal{};
  for (int i = 1; i <= handUsed(sorted); i++)
    if (doppelkopf::isLegalCard(sorted.k[i], led)) handaddk(legal, sorted.k[i]);
  return handUsed(legal) > 0 ? legal : sorted;
}

void doppelkopfLegalCards(THand& out) {
  const int32_t seat = cg.gs.akspieler;
  out = seat >= 1 && seat <= 4 ? doppelkopfLegalCardsOf(sp[seat].hand, doppelkopfLedCard()) : THand{};
}

bool doppelkopfIsInLegalList(const TCard& c) { return hasCard(doppelkopfArea->legalCards, c); }

bool doppelkopfIsLegalFollow(const TCard& a, const TCard& led) {
  return cg.gs.phase == 4 && doppelkopf::isLegalCard(a, led);
}

bool doppelkopfIsLegalCard(const TCard& c) { return cg.gs.phase == 4 && doppelkopfIsInLegalList(c); }

// [SECTION] points and seats

int32_t doppelkopfCardPoints(const TCard& c) {
  switch (c.t) {
    case rankJack: return 2;
    case rankQueen: return 3;
    case rankKing: return 4;
    case rankTen: return 10;
    case rankAce: return 11;
    default: return 0;
  }
}

int32_t doppelkopfPointsOfCards(const THand& h) {
  int32_t sum = 0;
  for (int i = 1; i <= handUsed(h); i++) sum += doppelkopfCardPoints(h.k[i]);
  return sum;
}

int32_t doppelkopfCardsInHands() {
  int32_t n = 0;
  for (int32_t s = 1; s <= playerCount && s <= 6; s++) n += sp[s].count;
  return n;
}

int32_t doppelkopfSeatAfter(int32_t seat, int32_t n) {
  const int32_t count = playerCount >= 1 ? playerCount : 4;
  int32_t s = (seat == -1 ? cg.gs.akspieler : seat) + n;
  while (s > count) s -= count;
  while (s < 1) s += count;
  return s;
}

int32_t doppelkopfSeatBefore(int32_t seat, int32_t n) { return doppelkopfSeatAfter(seat, -n); }

void doppelkopfStepToNextSeat() { cg.gs.akspieler = doppelkopfSeatAfter(-1, 1); }
void doppelkopfStepToPreviousSeat() { cg.gs.akspieler = doppelkopfSeatBefore(-1, 1); }
