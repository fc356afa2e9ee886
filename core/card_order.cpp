// Card order tables and sorting.
//
// [SECTION] order tables and comparisons
// [SECTION] value sorts
// [SECTION] Skat sort
// [SECTION] random draws and shuffling
// [SECTION] stack slots
#include "core/card_order.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/skat_codes.h"
#include "platform/alert.h"
#include "platform/random.h"

// [SECTION] order tables and comparisons

TCardValueTable cardValues;
TCardValueTable cardValues0;
LArray<double, 1, 15> skatSortWeights = {{1, 2, 3, 9, 5, 6, 7, 8, 0, 0, 0, 0, 0, 0, 0}};

namespace {

bool inTable(const TCard& c) { return c.f >= 1 && c.f <= 4 && c.t >= 1 && c.t <= 14; }

// Both comparisons read the tables only for cards inside them; anything else is the
// routine's range alert and "does not beat".
bool beats(const TCardValueTable& table, const TCard& a, const TCard& b, const char* routine) {
  if (!inTable(a) || !inTable(b)) {
    showAlert(std::string("ATTENTION! gtool.") + routine + ": range error while comparing card values");
    return false;
  }
  return table[a.f][a.t] > table[b.f][b.t];
}

}  // namespace

int32_t prlwert(const TCard& c) {
  if (!inTable(c)) {
    showAlert("ACHTUNG! gtool.prlwert: Bereichsfehler beim Lesen des Prioritätswerts von f,t: " +
              std::to_string(c.f) + "," + std::to_string(c.t));
    return 0;
  }
  return cardValues[c.f][c.t];
}

bool mehrwertn(const TCard& a, const TCard& b) { return beats(cardValues, a, b, "mehrwertn"); }
bool mehrwertn0(const TCard& a, const TCard& b) { return beats(cardValues0, a, b, "mehrwertn0"); }
bool mehrwert(const TCardSlot& a, const TCardSlot& b) {
  return beats(cardValues, a.card, b.card, "mehrwert");
}

// [SECTION] value sorts

namespace {

// n sweeps over the neighbour pairs of start..start+n-1; a pair is exchanged when
// "the second beats the first" differs from the ascending flag. Pairs outside 1..capacity
// are skipped, so a call near the end of a short stack sorts what there is.
template <class Beats, class Swap>
void bubbleByValue(int count, int capacity, int start, int n, bool ascending, Beats second, Swap swap) {
  if (n == 0) {
    start = 1;
    n = count;
  }
  for (int sweep = 0; sweep < n; sweep++) {
    bool exchanged = false;
    for (int i = start; i <= start + n - 2; i++) {
      if (i < 1 || i + 1 > capacity) continue;
      if (second(i) != ascending) {
        swap(i);
        exchanged = true;
      }
    }
    // A sweep that exchanged nothing left the list as it was, and so would every later one.
    if (!exchanged) return;
  }
}

template <class List, class Cmp>
void sortListByValue(List& h, int capacity, int start, int n, bool ascending, Cmp cmp) {
  bubbleByValue(handUsed(h), capacity, start, n, ascending,
                [&](int i) { return cmp(h.k[i + 1], h.k[i]); },
                [&](int i) { swapCards(h.k[i], h.k[i + 1]); });
}

// The slot sorts move rank, suit and tag; the slot number and everything else stay. The
// sweeps run over a compact copy of the sorted range, which is written back once: the slots
// are large records and the deal sorts the whole stock.
void sortSlots(TSpieler& s, int start, int n, bool ascending, const TCardValueTable& table, const char* routine) {
  struct Item {
    TCard card;
    int32_t tag;
    int32_t value;  // the table's value of the card, read once
  };
  if (n == 0) {
    start = 1;
    n = s.count;
  }
  const int lo = std::max(start, 1);
  const int hi = std::min(start + n - 1, slotCapacity);
  if (hi - lo < 1) return;
  Item items[slotCapacity + 1];
  bool allInTable = true;
  for (int i = lo; i <= hi; i++) {
    const TCard& c = s.slots[i].card;
    items[i] = Item{c, s.slots[i].tag, 0};
    if (inTable(c)) items[i].value = table[c.f][c.t];
    else allInTable = false;
  }
  auto swap = [&](int i) {
    std::swap(items[i].card.t, items[i + 1].card.t);
    std::swap(items[i].card.f, items[i + 1].card.f);
    std::swap(items[i].tag, items[i + 1].tag);
    std::swap(items[i].value, items[i + 1].value);
  };
  // Cards outside the table compare through beats, which raises its alert for them.
  if (allInTable)
    bubbleByValue(n, hi, start, n, ascending, [&](int i) { return items[i + 1].value > items[i].value; }, swap);
  else
    bubbleByValue(n, hi, start, n, ascending,
                  [&](int i) { return beats(table, items[i + 1].card, items[i].card, routine); }, swap);
  for (int i = lo; i <= hi; i++) {
    s.slots[i].card.t = items[i].card.t;
    s.slots[i].card.f = items[i].card.f;
    s.slots[i].tag = items[i].tag;
  }
}

}  // namespace

void sortHandByValue(THand& h, int start, int n, bool ascending) {
  sortListByValue(h, handCapacity, start, n, ascending, mehrwertn);
}
void sortHandByValueN0(THand& h, int start, int n, bool ascending) {
  sortListByValue(h, handCapacity, start, n, ascending, mehrwertn0);
}
void sortCards64ByValue(THand64& h, int start, int n, bool ascending) {
  sortListByValue(h, hand64Capacity, start, n, ascending, mehrwertn);
}
void sortSlotsByValue(TSpieler& s, int start, int n, bool ascending) {
  sortSlots(s, start, n, ascending, cardValues, "mehrwertn");
}
void sortSlotsByValueN0(TSpieler& s, int start, int n, bool ascending) {
  sortSlots(s, start, n, ascending, cardValues0, "mehrwertn0");
}

// [SECTION] Skat sort

void setSkatSortWeights(int32_t type) {
  for (int r = 1; r <= 15; r++) skatSortWeights[r] = r <= 8 ? r : 0.0;
  if (type == skatTypeNull)
    skatSortWeights[rankTen] = 3.5;
  else
    skatSortWeights[rankJack] = 9.0;
}

namespace {

double sortWeight(const TCard& c) { return c.t >= 1 && c.t <= 15 ? skatSortWeights[c.t] : 0.0; }

// One bubble pass of (count - 1) sweeps over the pairs (1, 2) .. (count - 1, count).
template <class Exchange>
void skatPass(THand& h, Exchange exchange) {
  int n = handUsed(h);
  for (int sweep = 1; sweep < n; sweep++) {
    bool exchanged = false;
    for (int i = 1; i < n; i++)
      if (exchange(h.k[i], h.k[i + 1])) {
        swapCards(h.k[i], h.k[i + 1]);
        exchanged = true;
      }
    // A sweep that exchanged nothing left the list as it was, and so would every later one.
    if (!exchanged) return;
  }
}

void weightPass(THand& h) {
  skatPass(h, [](const TCard& a, const TCard& b) { return sortWeight(a) < sortWeight(b); });
}

}  // namespace

void sortHand(THand& h, int32_t type) {
  weightPass(h);
  if (type != skatTypeNull) {
    // Jacks stay in front; the other cards group by suit, each suit by weight.
    skatPass(h, [](const TCard& a, const TCard& b) {
      return a.f > b.f && !(a.t == rankJack && b.t != rankJack);
    });
  } else {
    setSkatSortWeights(skatTypeNull);
    weightPass(h);
    skatPass(h, [](const TCard& a, const TCard& b) { return a.f > b.f; });
    setSkatSortWeights(skatTypeGrand);
  }
  if (type >= 1 && type <= 4) {
    // The trump suit follows directly after the jacks.
    skatPass(h, [type](const TCard& a, const TCard& b) {
      return b.f == type && a.f != type && a.t != rankJack;
    });
  }
}

// [SECTION] random draws and shuffling

namespace {

// The last position is drawn with weight 0.9 against 1 for the others; a draw of 0 would
// round to position 0, so the position is kept within 1..n (n >= 1).
int randomDrawPosition(int n) {
  double u = randomReal();
  int p = static_cast<int>(std::nearbyint(u * (n - 0.1) + 0.5));
  if (p < 1) p = 1;
  if (p > n) p = n;
  return p;
}

}  // namespace

TCard drawRandomCard(THand& h) {
  int n = handUsed(h);
  if (n == 0) return noCard();
  return deleteCardAt(h, randomDrawPosition(n));
}

// The same draws as drawing the cards one by one from a copy of the list, but only the used
// positions are copied: the computer player shuffles its unseen cards for every card.
void shuffleHand(THand& h) {
  int n = handUsed(h);
  TCard rest[handCapacity];
  for (int i = 0; i < n; i++) rest[i] = h.k[i + 1];
  for (int out = 1; out <= n; out++) {
    int left = n - out + 1;
    int p = randomDrawPosition(left) - 1;
    h.k[out] = rest[p];
    for (int i = p; i + 1 < left; i++) rest[i] = rest[i + 1];
  }
  h.anz = static_cast<int16_t>(n);
}

void shuffleStack(TSpieler& s) {
  int n = stackUsed(s);
  s.hand.anz = static_cast<int16_t>(n);
  for (int i = 1; i <= n; i++) {
    s.hand.k[i] = s.slots[i].card;
    s.hand.k[i].hi = static_cast<int16_t>(i);
  }
  shuffleHand(s.hand);
  for (int i = 1; i <= n; i++) s.slots[i].card = s.hand.k[i];
  s.count = n;
}

// [SECTION] stack slots

int sortedInsertPos(const TSpieler& s, const TCard& c) {
  int n = stackUsed(s);
  for (int i = 1; i <= n; i++)
    if (mehrwertn(c, s.slots[i].card)) return i;
  return n + 1;
}

void addCardToSpieler(TSpieler& s, const TCardSlot& src, bool atFront) {
  if (s.count < 0 || s.count >= slotCapacity) {
    showAlert("ACHTUNG! addCardToSpieler: Fehler bei Bereichsüberprüfung");
    return;
  }
  auto put = [](TCardSlot& dst, const TCardSlot& from) {
    dst.card.t = from.card.t;
    dst.card.f = from.card.f;
    dst.tag = from.tag;
  };
  TCardSlot card = src;  // the source may be a slot of this stack
  if (atFront)
    for (int i = s.count; i >= 1; i--) put(s.slots[i + 1], s.slots[i]);
  s.count++;
  put(s.slots[atFront ? 1 : s.count], card);
}

int findCardInSpieler(const TCardSlot& slot, const TSpieler& s) {
  int n = stackUsed(s);
  int i = 0;
  while (i < n) {
    i++;
    const TCardSlot& x = s.slots[i];
    if (x.card.t == slot.card.t && x.card.f == slot.card.f && x.tag == slot.tag) return i;
  }
  return i;
}

void getLastPlayedCard(TCardSlot& out) { out = sp[14].slots[1]; }
