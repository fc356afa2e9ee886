// Schafkopf's rules. Everything is a function of the cards and the applied contract, except
// the trump order, which goes into cardValues and the trump list of the area.
//
// [SECTION] deck and names
// [SECTION] bidding ranks
// [SECTION] trump order and card strength
// [SECTION] legal cards
// [SECTION] points and seats
#include "games/skat/schafkopf_rules.h"

#include "core/card_names.h"
#include "core/card_order.h"
#include "core/cg.h"
#include "games/skat/skat_state.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

TSchafkopfArea& area() { return *schafkopfArea; }

int32_t seatsInPlay() { return playerCount >= 1 ? playerCount : schafkopfSeats; }

constexpr int8_t plainOrder[8] = {skfAss, skfZehn, skfKoenig, skfOber, skfUnter, rank9, rank8, rank7};
constexpr int8_t bettelOrder[8] = {skfAss, skfKoenig, skfOber, skfUnter, skfZehn, rank9, rank8, rank7};

bool oberTrump(int type) { return type != skfWenz && type != skfFarbwenz && type != skfBettel; }
bool unterTrump(int type) { return type != skfGeier && type != skfFarbgeier && type != skfBettel; }

int trumpSuit(const TContractRecord& c) {
  if (c.type == skfSolo || c.type == skfFarbwenz || c.type == skfFarbgeier) return c.suit;
  if (c.type == skfNone || c.type == skfRufspiel || c.type == skfRamsch) return suitHearts;
  return 0;
}

}  // namespace

// [SECTION] deck and names

void schafkopfBuildDeck() {
  TSpieler& stock = sp[schafkopfStockStack];
  int slot = 0;
  for (int r = rank7; r <= rankAce; r++)
    for (int s = suitClubs; s <= suitDiamonds; s++) stock.slots[++slot].card = makeCard(r, s);
  stock.count = schafkopfDeckSize;
  shuffleStack(stock);
  syncHandFromSlots(stock);
}

std::string schafkopfSuitName(int32_t suit) {
  int style = envParam.cardStyle >= 1 && envParam.cardStyle <= 3 ? envParam.cardStyle : 1;
  return suit >= 0 && suit <= 30 ? suitNameTable[style][suit] : std::string();
}

std::string schafkopfContractTypeName(int32_t type, bool longForm) {
  switch (type) {
    case skfSie: return "Sie";
    case skfSolo: return longForm ? "Solo" : "Farbsolo";
    case skfWenz: return "Wenz";
    case skfGeier: return "Geier";
    case skfFarbwenz: return longForm ? "Wenz" : "Farbwenz";
    case skfFarbgeier: return longForm ? "Geier" : "Farbgeier";
    case skfBettel: return "Bettel";
    case skfRufspiel: return "Rufspiel";
    case skfRamsch: return "Ramsch";
    default: return "Fehler";
  }
}

std::string schafkopfContractName(const TContractRecord& c) {
  bool plain = c.type == skfSie || c.type == skfWenz || c.type == skfGeier || c.type == skfBettel ||
               c.type == skfRamsch;
  std::string n = plain ? schafkopfContractTypeName(c.type, true)
                        : schafkopfSuitName(c.suit) + "-" + schafkopfContractTypeName(c.type, true);
  if (c.tout) n += "-Tout";
  return n;
}

// [SECTION] bidding ranks

int32_t schafkopfContractRank(const TContractRecord& c) {
  // By type 0..9; the second row with Tout.
  static constexpr int32_t plain[10] = {0, 13, 7, 6, 5, 4, 3, 2, 1, 0};
  static constexpr int32_t tout[10] = {0, 13, 12, 11, 10, 9, 8, 2, 1, 0};
  if (c.type > skfRamsch) return 0;
  return c.tout ? tout[c.type] : plain[c.type];
}

bool schafkopfIsToutContract(const TContractRecord& c) {
  return c.tout != 0 && c.type >= skfSolo && c.type <= skfFarbgeier;
}

bool schafkopfHasSieHand(const THand& hand) {
  return countRank(hand, skfOber) == 4 && countRank(hand, skfUnter) == 4;
}

bool schafkopfIsHighestBid() {
  const TSchafkopfOptions& o = area().options;
  bool sie = false;
  for (int32_t s = 1; o.sie && s <= seatsInPlay(); s++) {
    syncHandFromSlots(sp[s]);
    sie = sie || schafkopfHasSieHand(sp[s].hand);
  }
  int32_t top = sie ? 13 : o.tout ? 12 : 7;
  return schafkopfContractRank(area().highestOffer) >= top;
}

// [SECTION] trump order and card strength

void schafkopfBuildTrumpOrder() {
  TSchafkopfArea& a = area();
  const TContractRecord& c = a.contract;
  clearHand(a.trumpList);
  cardValues = TCardValueTable{};
  int32_t next = schafkopfDeckSize;
  auto trump = [&](int rank, int suit) {
    cardValues[suit][rank] = next--;
    handaddk(a.trumpList, makeCard(rank, suit));
  };
  bool ober = oberTrump(c.type), unter = unterTrump(c.type);
  if (ober)
    for (int s = suitClubs; s <= suitDiamonds; s++) trump(skfOber, s);
  if (unter)
    for (int s = suitClubs; s <= suitDiamonds; s++) trump(skfUnter, s);
  int ts = trumpSuit(c);
  if (ts >= suitClubs && ts <= suitDiamonds)
    for (int8_t r : plainOrder)
      if (!(r == skfOber && ober) && !(r == skfUnter && unter)) trump(r, ts);
  const int8_t* order = c.type == skfBettel ? bettelOrder : plainOrder;
  for (int s = suitClubs; s <= suitDiamonds; s++)
    for (int i = 0; i < 8; i++)
      if (cardValues[s][order[i]] == 0) cardValues[s][order[i]] = next--;
}

bool schafkopfIsTrump(const TCard& c) { return hasCard(area().trumpList, c); }

bool schafkopfBeats(const TCard& a, const TCard& b) {
  int32_t va = prlwert(a), vb = prlwert(b);
  if (schafkopfIsTrump(b)) return va > vb;
  if (schafkopfIsTrump(a)) return true;
  return a.f == b.f && va > vb;
}

namespace {
int bestPosition(const THand& trick) {
  int best = 1;
  for (int i = 2; i <= handUsed(trick); i++)
    if (schafkopfBeats(trick.k[i], trick.k[best])) best = i;
  return best;
}
}  // namespace

int32_t schafkopfTrickWinner(const THand& trick) {
  if (handUsed(trick) == 0) return 0;
  return schafkopfSeatAfter(trick.k[1].hi, bestPosition(trick) - 1);
}

TCard schafkopfTrickWinningCard(const THand& trick) {
  return handUsed(trick) == 0 ? noCard() : trick.k[bestPosition(trick)];
}

TCard schafkopfLedCard() { return handUsed(trickCards) == 0 ? noCard() : trickCards.k[1]; }

// [SECTION] legal cards

bool schafkopfIsLegalCard(const TCard& a, const TCard& led) {
  if (isNoCard(led)) return true;
  if (schafkopfIsTrump(led)) return schafkopfIsTrump(a);
  return a.f == led.f && !schafkopfIsTrump(a);
}

bool schafkopfIsLegalNow(const TCard& a) { return schafkopfIsLegalCard(a, schafkopfLedCard()); }

namespace {

bool isCalledAce(const TCard& c) {
  const TContractRecord& k = area().contract;
  return k.type == skfRufspiel && c.t == skfAss && c.f == k.suit;
}

// The holder of the called Ace leads its suit only with the Ace unless he holds four plain
// cards of it.
void keepCalledSuitLeadToAce(THand& h) {
  int suit = area().contract.suit;
  bool holdsAce = false;
  for (int i = 1; i <= handUsed(h); i++) holdsAce = holdsAce || isCalledAce(h.k[i]);
  if (!holdsAce) return;
  int plain = 0;
  for (int i = 1; i <= handUsed(h); i++) plain += h.k[i].f == suit && !schafkopfIsTrump(h.k[i]);
  if (plain >= 4) return;
  for (int i = handUsed(h); i >= 1; i--)
    if (h.k[i].f == suit && !schafkopfIsTrump(h.k[i]) && !isCalledAce(h.k[i])) deleteCardAt(h, i);
}

}  // namespace

void schafkopfLegalCards(THand& out) {
  int32_t seat = cg.gs.akspieler;
  clearHand(out);
  if (seat < 1 || seat > seatsInPlay()) return;
  syncHandFromSlots(sp[seat]);
  THand hand = sp[seat].hand;  // slot numbers from the stack
  sortHandByValue(hand, 1, 0, false);
  TCard led = schafkopfLedCard();
  if (isNoCard(led)) {
    out = hand;
    if (area().contract.type == skfRufspiel) keepCalledSuitLeadToAce(out);
    return;
  }
  bool calledAce = false;
  for (int i = 1; i <= handUsed(hand); i++)
    if (schafkopfIsLegalCard(hand.k[i], led)) {
      handaddk(out, hand.k[i]);
      calledAce = calledAce || isCalledAce(hand.k[i]);
    }
  if (handUsed(out) == 0) out = hand;
  if (calledAce)
    for (int i = handUsed(out); i >= 1; i--)
      if (out.k[i].t != skfAss) deleteCardAt(out, i);
}

bool schafkopfIsInLegalList(const TCard& c) { return hasCard(area().legalCards, c); }

bool schafkopfIsLegalFollow(const TCard& a, const TCard& led) {
  return cg.gs.phase == 4 && schafkopfIsLegalCard(a, led);
}

bool schafkopfIsLegalCard(const TCard& c) { return cg.gs.phase == 4 && schafkopfIsInLegalList(c); }

bool schafkopfCanCallSuit(const THand& hand, int32_t suit) {
  if (suit < suitClubs || suit > suitDiamonds || suit == suitHearts) return false;
  bool plainCard = false;
  for (int i = 1; i <= handUsed(hand); i++) {
    const TCard& c = hand.k[i];
    // The Rufspiel's trumps, whatever contract orders the cards now.
    plainCard = plainCard || (c.f == suit && c.t != skfOber && c.t != skfUnter);
  }
  return plainCard && (area().options.ownAce || !hasCard(hand, makeCard(skfAss, suit)));
}

bool schafkopfRufspielPossible(const THand& hand) {
  for (int32_t s = suitClubs; s <= suitDiamonds; s++)
    if (schafkopfCanCallSuit(hand, s)) return true;
  return false;
}

// [SECTION] points and seats

int32_t schafkopfCardPoints(const TCard& c) {
  // The Augen of the ranks are Skat's card points.
  return c.t >= 1 && c.t <= 15 ? skatCardPoints[c.t] : 0;
}

int32_t schafkopfPointsOfCards(const THand& cards) {
  int32_t sum = 0;
  for (int i = 1; i <= handUsed(cards); i++) sum += schafkopfCardPoints(cards.k[i]);
  return sum;
}

int32_t schafkopfCardsInHands() {
  int32_t n = 0;
  for (int32_t s = 1; s <= seatsInPlay(); s++) n += stackUsed(sp[s]);
  return n;
}

int32_t schafkopfSeatAfter(int32_t seat, int32_t n) {
  if (seat == -1) seat = cg.gs.akspieler;
  int32_t count = seatsInPlay();
  return ((seat - 1 + n) % count + count) % count + 1;
}

int32_t schafkopfSeatBefore(int32_t seat, int32_t n) { return schafkopfSeatAfter(seat, -n); }

void schafkopfStepToNextSeat() { cg.gs.akspieler = schafkopfSeatAfter(-1, 1); }
void schafkopfStepToPreviousSeat() { cg.gs.akspieler = schafkopfSeatBefore(-1, 1); }

bool schafkopfIsBettelOrRamsch() {
  int type = area().contract.type;
  return type == skfBettel || type == skfRamsch;
}
