// Card-list operations shared by all games.
//
// [SECTION] alerts and small helpers
// [SECTION] adding and building
// [SECTION] deleting and removing
// [SECTION] searching and counting
// [SECTION] filters and selections
// [SECTION] conversions and slot numbers
// [SECTION] trump tests
#include "core/cards.h"

#include <charconv>
#include <cstring>

#include "core/cg.h"
#include "core/game_callbacks.h"
#include "core/skat_codes.h"
#include "platform/alert.h"

// [SECTION] alerts and small helpers

namespace {

void rangeAlert(const char* routine) {
  showAlert(std::string("ACHTUNG! ") + routine + ": Fehler bei Bereichsüberprüfung");
}

void capacityAlert() { rangeAlert("handaddk"); }

// Appends when there is room; otherwise the capacity alert. Returns whether it was stored.
template <class List, class Item>
bool appendItem(List& h, const Item& c, int capacity) {
  int n = handUsed(h) + 1;
  if (n < 1 || n > capacity) {
    capacityAlert();
    return false;
  }
  h.k[n] = c;
  h.anz = static_cast<decltype(h.anz)>(n);
  return true;
}

// Deletes position p, moving the cards behind it down one place.
template <class List>
auto deleteAt(List& h, int p, const char* routine) {
  int n = handUsed(h);
  using Item = std::remove_reference_t<decltype(h.k[1])>;
  if (p < 1 || p > n) {
    rangeAlert(routine);
    return Item{};
  }
  Item c = h.k[p];
  for (int i = p; i < n; i++) h.k[i] = h.k[i + 1];
  h.anz = static_cast<decltype(h.anz)>(n - 1);
  return c;
}

template <class List>
int firstEqual(const List& h, const TCard& c) {
  for (int i = 1; i <= handUsed(h); i++)
    if (h.k[i].t == c.t && h.k[i].f == c.f) return i;
  return 0;
}

// Two passes: the last equal card, overridden by the last identical card.
template <class List>
int lastEqualPreferIdentical(const List& h, const TCard& c) {
  int found = 0;
  for (int i = 1; i <= handUsed(h); i++)
    if (cardsEqual(h.k[i], c)) found = i;
  for (int i = 1; i <= handUsed(h); i++)
    if (cardsIdentical(h.k[i], c)) found = i;
  return found;
}

template <class List>
int countRankIn(const List& h, int rank) {
  int n = 0;
  for (int i = 1; i <= handUsed(h); i++)
    if (h.k[i].t == rank) n++;
  return n;
}

// The suit filters' test: the card's suit is s and it is no trump, or s = 6 and it is one.
bool inSuitOrTrumps(const TCard& c, int suit) {
  bool trump = isTrump(c);
  return suit == suitTrumps ? trump : (c.f == suit && !trump);
}

// Deletes every card the predicate picks; the cards that stay keep their order. One pass:
// the freed places behind the list hold its former last card, as deleting one card at a
// time and closing each gap leaves them.
template <class List, class Pred>
void deleteWhere(List& h, Pred pick) {
  const int n = handUsed(h);
  if (n < 1) return;
  const auto last = h.k[n];
  int kept = 0;
  for (int i = 1; i <= n; i++)
    if (!pick(h.k[i])) h.k[++kept] = h.k[i];
  if (kept == n) return;
  for (int i = kept + 1; i <= n; i++) h.k[i] = last;
  h.anz = static_cast<decltype(h.anz)>(kept);
}

}  // namespace

bool isValidCard(const TCard& c) { return c.f >= 1 && c.f <= 4 && c.t >= 1 && c.t <= 15; }

void swapCards(TCard& a, TCard& b) {
  TCard x = a;
  a = b;
  b = x;
}

TCard widenWord(TShortCard c) { return TCard{c.t, c.f, 0}; }

// [SECTION] adding and building

void handaddk(THand& h, const TCard& c) { appendItem(h, c, handCapacity); }
void handaddk(THand& h, TShortCard c) { appendItem(h, widenWord(c), handCapacity); }
void handaddk(THand64& h, const TCard& c) { appendItem(h, c, hand64Capacity); }
void handaddk(THand64& h, TShortCard c) { appendItem(h, widenWord(c), hand64Capacity); }
void handaddk(THand25& h, const TCard& c) { appendItem(h, shortCard(c), hand25Capacity); }
void handaddk(THand25& h, TShortCard c) { appendItem(h, c, hand25Capacity); }

void setHandToCard(const TCard& c, THand& h) {
  clearHand(h);
  handaddk(h, c);
}

void insertCardAt(THand& h, const TCard& c, int p) {
  int n = handUsed(h);
  if (p < 1 || p > n + 1) {
    rangeAlert("insertCardAt");
    return;
  }
  if (n >= handCapacity) {
    capacityAlert();
    return;
  }
  for (int i = n; i >= p; i--) h.k[i + 1] = h.k[i];
  h.k[p] = c;
  h.anz = static_cast<int16_t>(n + 1);
}

void appendHand(THand& dst, const THand& src) {
  // dst and src may be the same list: the count is taken first, and appending writes only
  // past it, so no copy of the list is needed.
  int n = handUsed(src);
  for (int i = 1; i <= n; i++)
    if (!appendItem(dst, src.k[i], handCapacity)) return;
}

void addHand64Cards(THand64& dst, const THand64& src) {
  THand64 copy = src;
  for (int i = 1; i <= handUsed(copy); i++)
    if (!appendItem(dst, copy.k[i], hand64Capacity)) return;
}

void appendHand64(THand64& dst, const THand64& src) { addHand64Cards(dst, src); }

// [SECTION] deleting and removing

TCard deleteCardAt(THand& h, int p) { return deleteAt(h, p, "deleteCardAt"); }
TCard deleteCardAt64(THand64& h, int p) { return deleteAt(h, p, "deleteCardAt64"); }
TShortCard deleteCardAt25(THand25& h, int p) { return deleteAt(h, p, "deleteCardAt25"); }

void removeFirstCard(THand& h, const TCard& c) {
  if (int i = firstEqual(h, c)) deleteCardAt(h, i);
}

void removeFirstCard64(THand64& h, const TCard& c) {
  if (int i = firstEqual(h, c)) deleteCardAt64(h, i);
}

void removeFirstCard25(THand25& h, TShortCard c) {
  if (int i = firstEqual(h, widenWord(c))) deleteCardAt25(h, i);
}

void removeCard(THand& h, const TCard& c) {
  deleteWhere(h, [&](const TCard& x) { return cardsEqual(x, c); });
}

void removeRank(THand& h, int rank) {
  deleteWhere(h, [&](const TCard& x) { return x.t == rank; });
}

void removeAllOfHand(THand& h, const THand& other) {
  THand copy = other;
  for (int i = 1; i <= handUsed(copy); i++) removeCard(h, copy.k[i]);
}

void removeHandCards(THand& h, const THand& other) {
  THand copy = other;
  for (int i = 1; i <= handUsed(copy); i++) removeFirstCard(h, copy.k[i]);
}

void clearHand(THand& h) {
  h.anz = 0;
  // Canasta keeps its own data in the markers while it rebuilds lists.
  if (cg.gameId != gidCanasta) std::memset(h.extras.markers, 0, sizeof h.extras.markers);
}

void clearHandFull(THand& h) {
  h.anz = 0;
  for (int i = 1; i <= 10; i++) h.k[i].t = h.k[i].f = 0;
}

void clearHand64(THand64& h) {
  h.anz = 0;
  for (int i = 1; i <= 10; i++) h.k[i].t = h.k[i].f = 0;
}

void clearHand64Count(THand64& h) { h.anz = 0; }

void clearHand25(THand25& h) {
  h.anz = 0;
  for (int i = 1; i <= 10; i++) h.k[i] = TShortCard{0, 0};
}

// [SECTION] searching and counting

int indexOfCard(const THand& h, const TCard& c) { return lastEqualPreferIdentical(h, c); }
int indexOfCard64(const THand64& h, const TCard& c) { return lastEqualPreferIdentical(h, c); }

int indexOfCardExact(const THand& h, const TCard& c, const TCard& slotOf) {
  int found = indexOfCard(h, c);
  for (int i = 1; i <= handUsed(h); i++)
    if (cardsEqual(h.k[i], c) && h.k[i].hi == slotOf.hi) found = i;
  return found;
}

int lastIndexOfCard(const THand& h, const TCard& c) {
  int found = 0;
  for (int i = 1; i <= handUsed(h); i++)
    if (cardsEqual(h.k[i], c)) found = i;
  return found;
}

int lastRankPosition(const THand& h, int rank) {
  int found = 0;
  for (int i = 1; i <= handUsed(h); i++)
    if (h.k[i].t == rank) found = i;
  return found;
}

bool hasCard(const THand& h, const TCard& c) { return firstEqual(h, c) != 0; }
bool hasCard64(const THand64& h, const TCard& c) { return firstEqual(h, c) != 0; }

bool hasCardExact(const THand& h, const TCard& c) {
  for (int i = 1; i <= handUsed(h); i++)
    if (cardsIdentical(h.k[i], c)) return true;
  return false;
}

bool hasRank(const THand& h, int rank) { return countRankIn(h, rank) > 0; }
bool hasRank64(const THand64& h, int rank) { return countRankIn(h, rank) > 0; }

int countCard(const THand& h, const TCard& c) {
  int n = 0;
  for (int i = 1; i <= handUsed(h); i++)
    if (cardsEqual(h.k[i], c)) n++;
  return n;
}

int countRank(const THand& h, int rank) { return countRankIn(h, rank); }
int countRank64(const THand64& h, int rank) { return countRankIn(h, rank); }

int countSuitNoTrump(const THand& h, int suit) {
  int n = 0;
  for (int i = 1; i <= handUsed(h); i++)
    if (inSuitOrTrumps(h.k[i], suit)) n++;
  return n;
}

int countSuit(const THand& h, int suit) {
  if (cg.gameId == gidDoppelkopf || cg.gameId == gidSchafkopf) return countSuitNoTrump(h, suit);
  // The printed suit, trumps included: in a clubs game the jack of clubs counts as a club.
  int n = 0;
  for (int i = 1; i <= handUsed(h); i++) {
    const TCard& c = h.k[i];
    if (suit == suitTrumps ? isTrump(c) : c.f == suit) n++;
  }
  return n;
}

int countSuit64(const THand64& h, int suit) {
  int n = 0;
  for (int i = 1; i <= handUsed(h); i++) {
    const TCard& c = h.k[i];
    if (cg.gameId == gidPoker ? c.f == suit : inSuitOrTrumps(c, suit)) n++;
  }
  return n;
}

const LArray<int32_t, 1, 15> skatCardPoints = {{0, 0, 0, 2, 3, 4, 10, 11, 0, 0, 0, 0, 0, 0, 0}};

int skatHandPoints(const THand& h) {
  int sum = 0;
  for (int i = 1; i <= handUsed(h); i++) {
    int r = h.k[i].t;
    if (r >= 1 && r <= 15) sum += skatCardPoints[r];
  }
  return sum;
}

// [SECTION] filters and selections

void keepSuit(THand& h, int suit) {
  if (cg.gameId == gidSchnapsen) return;
  deleteWhere(h, [&](const TCard& x) { return !inSuitOrTrumps(x, suit); });
}

void keepSuit64(THand64& h, int suit) {
  if (cg.gameId == gidSchnapsen) return;
  deleteWhere(h, [&](const TCard& x) { return !inSuitOrTrumps(x, suit); });
}

void removeSuit(THand& h, int suit) {
  deleteWhere(h, [&](const TCard& x) { return inSuitOrTrumps(x, suit); });
}

void filterSuitCopy(const THand& h, int suit, THand& out) {
  out = h;
  keepSuit(out, suit);
}

void selectRank(const THand& h, int rank, THand& out) {
  THand src = h;  // out may be the list itself
  clearHand(out);
  for (int i = 1; i <= handUsed(src); i++)
    if (src.k[i].t == rank) handaddk(out, src.k[i]);
}

void takeRank(THand& h, int rank, THand& out) {
  THand src = h;
  THand work = h;
  clearHand(out);
  for (int i = 1; i <= handUsed(src); i++) {
    if (src.k[i].t != rank) continue;
    handaddk(out, src.k[i]);
    removeFirstCard(work, src.k[i]);
  }
  h = work;
}

THand splitBySuitOrTrump(const THand& h, int mode, const std::string& suitText, bool takeSelected) {
  int suit = 0;
  if (mode == 0) {
    const char* end = suitText.data() + suitText.size();
    if (std::from_chars(suitText.data(), end, suit).ec != std::errc()) suit = 0;
  }
  THand out = h;
  out.anz = 0;
  for (int i = 1; i <= handUsed(h); i++) {
    const TCard& c = h.k[i];
    bool selected = mode == 0 ? c.f == suit : mode == 2 ? isTrump(c) : false;
    if (selected == takeSelected) handaddk(out, c);
  }
  return out;
}

THand trickBySeat;
THand trickCards;

THand legalCardsForTrick(const THand& hand) {
  if (handUsed(trickCards) == 0) return hand;
  const TCard& led = trickCards.k[1];
  int wanted = isTrump(led) ? suitTrumps : led.f;
  THand out = hand;
  keepSuit(out, wanted);
  return handUsed(out) == 0 ? hand : out;
}

// [SECTION] conversions and slot numbers

void handToHand64(const THand& src, THand64& dst) {
  THand copy = src;
  clearHand64(dst);
  dst.owner = copy.extras.owner;
  int n = handUsed(copy);
  int fit = n > hand64Capacity ? hand64Capacity : n;
  for (int i = 1; i <= fit; i++) dst.k[i] = copy.k[i];
  dst.anz = static_cast<int16_t>(fit);
  if (fit < n) capacityAlert();
}

void hand64ToHand(const THand64& src, THand& dst) {
  THand64 copy = src;
  clearHandFull(dst);
  dst.extras.owner = copy.owner;
  int n = handUsed(copy);
  for (int i = 1; i <= n; i++) dst.k[i] = copy.k[i];
  dst.anz = static_cast<int16_t>(n);
}

void handToHand25(const THand& src, THand25& dst) {
  THand copy = src;
  clearHand25(dst);
  dst.owner = copy.extras.owner;
  int n = handUsed(copy);
  int fit = n > hand25Capacity ? hand25Capacity : n;
  for (int i = 1; i <= fit; i++) dst.k[i] = shortCard(copy.k[i]);
  dst.anz = static_cast<int8_t>(fit);
  if (fit < n) capacityAlert();
}

void hand25ToHand(const THand25& src, THand& dst) {
  THand25 copy = src;
  clearHandFull(dst);
  dst.extras.owner = copy.owner;
  int n = handUsed(copy);
  for (int i = 1; i <= n; i++) dst.k[i] = TCard{copy.k[i].t, copy.k[i].f, static_cast<int16_t>(i)};
  dst.anz = static_cast<int16_t>(n);
}

void renumberHand(THand& h) {
  for (int i = 1; i <= handUsed(h); i++) h.k[i].hi = static_cast<int16_t>(i);
}

void xassignfromto(const THand& src, THand& dst) {
  THand work = src;
  for (int i = 1; i <= handUsed(dst); i++) {
    int c = indexOfCard(work, dst.k[i]);
    if (c == 0) {
      showAlert("ACHTUNG! xassignfromto: hdst.k nicht in hsrc.k enthalten");
      continue;
    }
    work.k[c].t = 99;  // used: two equal destination cards get two different positions
    dst.k[i].hi = static_cast<int16_t>(c);
  }
}

// [SECTION] trump tests

bool isTrump(const TCard& c) { return isTrumpDispatch(c, false); }

bool isTrumpDispatch(const TCard& c, bool dflt) {
  const TGameCallbacks* t = registeredGameCallbacks(cg.gameId);
  return t && t->isTrump ? t->isTrump(c) : dflt;
}
