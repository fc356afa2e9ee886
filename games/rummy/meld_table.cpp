// The meld table's record and operations; its layout is in meld_layout.cpp.
#include "games/rummy/meld_table.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "core/cg.h"
#include "core/game_state.h"
#include "engine/engine_services.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/canasta_state.h"
#include "games/rummy/meld_sides.h"
#include "games/rummy/romme_rules.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

Tk12Container k12;

namespace {

constexpr int32_t meldStack = 12;

bool ownSide(int32_t seat) { return samePartnership(1, seat); }

bool validSlot(int32_t s) { return s >= 1 && s <= slotCapacity; }

void addNumber(THand& list, int32_t n) {
  TCard c{};
  c.hi = static_cast<int16_t>(n);
  handaddk(list, c);
}

// The position's stack-12 slot of meld n.
int32_t slotOf(const THand64& meld, int32_t p) { return meld.k[p].hi; }

}  // namespace

bool Tk12Container::inUse(int32_t n) const {
  return (n >= 1 && n <= ownMeldCount) || (n >= 21 && n <= 20 + otherMeldCount);
}

void Tk12Container::clear() {
  layOffPending = 0;
  ownMeldCount = 0;
  otherMeldCount = 0;
  for (int32_t n = 1; n <= 60; n++) {
    clearHand64Count(melds[n]);
    canastaClosed[n] = 0;
  }
  for (int32_t i = 1; i <= slotCapacity; i++) {
    sp[meldStack].slots[i].meldNo = 0;
    sp[meldStack].slots[i].meldPos = 0;
  }
}

int32_t Tk12Container::addMeld(int32_t seat, int32_t count) {
  int32_t n;
  if (ownSide(seat)) {
    if (ownMeldCount >= ownMeldCapacity) return 0;
    n = ++ownMeldCount;
  } else {
    if (otherMeldCount >= otherMeldCapacity) return 0;
    n = 20 + ++otherMeldCount;
    seat = cg.gs.akspieler;  // callers pass the seat to act
  }
  melds[n].anz = static_cast<int16_t>(count < 0 ? 0 : count > hand64Capacity ? hand64Capacity : count);
  melds[n].owner = static_cast<uint8_t>(seat);
  return n;
}

int32_t Tk12Container::lastMeldIndex(int32_t seat) const {
  return ownSide(seat) ? ownMeldCount : 20 + otherMeldCount;
}

void Tk12Container::getMeld(int32_t n, THand& out) const {
  clearHand(out);
  if (n <= 0 || n > 60) return;
  const THand64& m = melds[n];
  out.anz = static_cast<int16_t>(handUsed(m));
  out.extras.owner = m.owner;
  for (int32_t p = 1; p <= handUsed(m); p++) {
    int32_t s = slotOf(m, p);
    out.k[p] = TCard{0, 0, static_cast<int16_t>(s)};
    if (validSlot(s)) {
      out.k[p].t = sp[meldStack].slots[s].card.t;
      out.k[p].f = sp[meldStack].slots[s].card.f;
    }
  }
}

void Tk12Container::meldsOfSeat(int32_t seat, THand& out) const {
  clearHand(out);
  if (ownSide(seat)) {
    for (int32_t n = 1; n <= ownMeldCount; n++) addNumber(out, n);
    return;
  }
  for (int32_t n = 21; n <= 20 + otherMeldCount; n++)
    if (melds[n].owner == seat) addNumber(out, n);
}

void Tk12Container::meldsOfTeam(int32_t seat, THand& out) const {
  const TCanastaArea& can = canastaArea();
  if (!(cg.gameId == gidCanasta && can.options.teams) || seat < 1 || seat > 6) {
    meldsOfSeat(seat, out);
    return;
  }
  clearHand(out);
  int32_t t = can.team[seat];
  if (t == can.team[1])
    for (int32_t n = 1; n <= ownMeldCount; n++) addNumber(out, n);
  for (int32_t n = 21; n <= 20 + otherMeldCount; n++) {
    int32_t owner = melds[n].owner;
    if (owner >= 1 && owner <= 6 && can.team[owner] == t) addNumber(out, n);
  }
}

void Tk12Container::collectSeatMeldCards(int32_t seat, THand& out) const {
  out.anz = 0;
  THand list{}, meld{};
  meldsOfSeat(seat, list);
  for (int32_t i = 1; i <= handUsed(list); i++) {
    getMeld(list.k[i].hi, meld);
    appendHand(out, meld);
  }
  // Gin Rummy: the cards laid off on the knocker's melds go back with the seat's own.
  if (rommeIsGin()) appendHand(out, rommeArea().knockerLayOffs);
}

bool Tk12Container::isSelected(int32_t position) const {
  for (int32_t i = 1; i <= handUsed(pendingCards); i++)
    if (pendingCards.k[i].hi == position) return true;
  return false;
}

void Tk12Container::removeFromMeld(int32_t n, int32_t pos) {
  if (n < 1 || n > 60 || pos < 1 || pos > handUsed(melds[n])) return;
  deleteCardAt64(melds[n], pos);
  if (handUsed(melds[n]) > 0) return;
  int32_t& count = n <= 20 ? ownMeldCount : otherMeldCount;
  int32_t last = n <= 20 ? count : 20 + count;
  for (int32_t i = n; i < last; i++) {
    melds[i] = melds[i + 1];
    canastaClosed[i] = canastaClosed[i + 1];
  }
  if (last >= n) {
    clearHand64Count(melds[last]);
    canastaClosed[last] = 0;
    count--;
  }
}

void Tk12Container::writeSlotLocations() const {
  auto write = [this](int32_t n) {
    for (int32_t p = 1; p <= handUsed(melds[n]); p++) {
      int32_t s = slotOf(melds[n], p);
      if (!validSlot(s)) continue;
      sp[meldStack].slots[s].meldNo = n;
      sp[meldStack].slots[s].meldPos = p;
    }
  };
  for (int32_t n = 1; n <= ownMeldCount; n++) write(n);
  for (int32_t n = 21; n <= 20 + otherMeldCount; n++) write(n);
}

void Tk12Container::rebuildFromSlots() {
  const TSpieler& s = sp[meldStack];
  for (int32_t i = 1; i <= stackUsed(s); i++) {
    int32_t n = s.slots[i].meldNo, p = s.slots[i].meldPos;
    if (n < 1 || n > 60 || p < 1 || p > 60) continue;
    melds[n].k[p].hi = static_cast<int16_t>(i);
    if (melds[n].anz < p) melds[n].anz = static_cast<int16_t>(p);
  }
}

namespace {

bool layOffValid(const THand& m) { return rommeIsValidMeld(m, 0, true, false); }
bool plainlyValid(const THand& m) { return rommeIsValidMeld(m, 0, false, false); }

int32_t firstJoker(const THand& h) {
  for (int32_t p = 1; p <= handUsed(h); p++)
    if (h.k[p].t == rankJoker) return p;
  return 0;
}

// Of the front and back placements the valid one; with both valid the higher valued, back on
// equal values. Empty when neither is valid.
bool choosePlacement(const THand& front, const THand& back, THand& result) {
  const bool f = layOffValid(front), b = layOffValid(back);
  if (f && b) {
    result = rommeHandValue(front) > rommeHandValue(back) ? front : back;
    return true;
  }
  if (f) result = front;
  else if (b) result = back;
  return f || b;
}

}  // namespace

void Tk12Container::legenanhand(const THand& cards, int32_t n, int32_t clickPos, THand& out) const {
  out.anz = 0;
  if (countRank(cards, rankJoker) >= 2) return;
  THand base{};
  getMeld(n, base);
  for (int32_t p = 1; p <= handUsed(base); p++) base.k[p].hi = 0;
  THand result = base, rest = cards;
  for (int32_t i = 1; i <= handUsed(rest); i++) rest.k[i].hi = 0;
  // A card may take the place of the meld's Joker.
  for (int32_t i = 1; i <= handUsed(rest); i++) {
    const int32_t j = firstJoker(base);
    if (j == 0) break;
    THand copy = base;
    deleteCardAt(copy, j);
    insertCardAt(copy, rest.k[i], j);
    if (!layOffValid(copy)) continue;
    copy.k[j].hi = 444;
    deleteCardAt(rest, i);
    result = copy;
    break;
  }
  TCard joker{};
  bool jokerAside = false;
  if (countRank(result, rankJoker) == 0) {
    for (int32_t i = 1; i <= handUsed(rest); i++)
      if (rest.k[i].t == rankJoker) {
        joker = deleteCardAt(rest, i);
        jokerAside = true;
        break;
      }
  }
  const int32_t passes = handUsed(rest) + 1;
  for (int32_t pass = 1; pass <= passes; pass++) {
    for (int32_t i = 1; i <= handUsed(rest);) {
      const TCard c = rest.k[i];
      THand front = result, back = result;
      insertCardAt(front, c, 1);
      handaddk(back, c);
      if (choosePlacement(front, back, result)) {
        deleteCardAt(rest, i);
        i = 1;
        continue;
      }
      if (pass >= 2 && jokerAside) {
        THand front2 = result, back2 = result;
        insertCardAt(front2, joker, 1);
        insertCardAt(front2, c, 1);
        handaddk(back2, joker);
        handaddk(back2, c);
        if (choosePlacement(front2, back2, result)) {
          deleteCardAt(rest, i);
          jokerAside = false;
          i = 1;
          continue;
        }
      }
      i++;
    }
  }
  if (handUsed(rest) > 0) return;
  if (jokerAside) {
    const bool run = handUsed(result) >= 2 && result.k[1].t != result.k[2].t;
    if (!(rommeArea().options.duplicateCards || handUsed(result) < 4 || run)) return;
    if ((handUsed(base) + 1) / 2 < clickPos) {
      handaddk(result, joker);
      if (!plainlyValid(result)) insertCardAt(result, deleteCardAt(result, handUsed(result)), 1);
    } else {
      insertCardAt(result, joker, 1);
      if (!plainlyValid(result)) handaddk(result, deleteCardAt(result, 1));
    }
  }
  out = result;
}

void rommeFormLayOff(const THand& cards, int32_t meldNo, int32_t clickPos, THand& out) {
  k12.legenanhand(cards, meldNo, clickPos, out);
}
void canastaFormLayOff(const THand& cards, int32_t meldNo, int32_t clickPos, THand& out) {
  k12.calegenanhand(cards, meldNo, clickPos, out);
}

void Tk12Container::calegenanhand(const THand& cards, int32_t n, int32_t, THand& out) const {
  out.anz = 0;
  if (n < 1) return;
  THand m{};
  getMeld(n, m);
  for (int32_t p = 1; p <= handUsed(m); p++) m.k[p].hi = 0;
  for (int32_t i = 1; i <= handUsed(cards); i++) {
    TCard c = cards.k[i];
    c.hi = 0;
    if (handUsed(m) >= hand64Capacity) return;
    if (canastaIsWildCard(c)) insertCardAt(m, c, 1);
    else handaddk(m, c);
  }
  if (canastaIsValidMeld(m)) out = m;
}

bool Tk12Container::canLayOff(const THand& cards, int32_t n) const {
  if (handUsed(cards) == 0 || !inUse(n)) return false;
  THand out{};
  if (cg.gameId == gidCanasta) {
    calegenanhand(cards, n, 0, out);
    return handUsed(out) > 0 && samePartnership(melds[n].owner, cg.gs.akspieler);
  }
  if (cg.gameId != gidRomme) return false;
  legenanhand(cards, n, 0, out);
  bool ok = handUsed(out) > 0;
  const int32_t seat = cg.gs.akspieler;
  const bool gin = rommeIsGin();
  if (!gin && seat >= 1 && seat <= stackCount) {
    syncHandFromSlots(sp[seat]);
    if (!rommeDiscardRuleOk(sp[seat].hand, cards)) ok = false;
    THand own{};
    meldsOfSeat(seat, own);
    if (handUsed(own) == 0) ok = false;
  }
  if (!rommeMayLayOffOnOthers() && melds[n].owner != seat) ok = false;
  return ok;
}

void Tk12Container::prepareLayOff(const THand& selection, const THand& laidCards,
                                  const THand& newMeld, int32_t n, int32_t seat, int32_t seatSlot,
                                  bool exchange, int32_t lastSlot) {
  targetMeld = n;
  pendingCards = laidCards;
  getMeld(n, meldBefore);
  laidOffHandSlots = laidCards;
  for (int32_t i = 1; i <= handUsed(laidCards); i++)
    laidOffHandSlots.k[i].hi = i <= handUsed(selection) ? selection.k[i].hi : 0;
  renumberHand(meldBefore);
  // W: the meld's old cards at their new positions.
  THand w = newMeld;
  renumberHand(w);
  for (int32_t i = 1; i <= handUsed(pendingCards); i++)
    for (int32_t j = 1; j <= handUsed(w); j++)
      if (w.k[j].hi == pendingCards.k[i].hi) {
        deleteCardAt(w, j);
        break;
      }
  for (int32_t j = handUsed(meldBefore); j >= 1; j--) {
    if (exchange && meldBefore.k[j].t == rankJoker) continue;
    int32_t found = 0;
    for (int32_t q = 1; q <= handUsed(w); q++)
      if (cardsEqual(w.k[q], meldBefore.k[j])) found = q;
    if (found == 0) continue;
    w.k[found].t = 0;
    meldBefore.k[j].hi = w.k[found].hi;
  }
  layOffSeat = seat;
  layOffSeatSlot = seatSlot;
  lastLaidOffSlot = lastSlot;
  layOffPending = 1;
  layOffProgress = 0;
  jokerExchange = exchange ? 1 : 0;
  if (exchange && n >= 1 && n <= 60) {
    for (int32_t p = 1; p <= handUsed(melds[n]); p++) {
      int32_t s = slotOf(melds[n], p);
      if (!validSlot(s) || sp[meldStack].slots[s].card.t != rankJoker) continue;
      for (int32_t q = 1; q <= handUsed(newMeld); q++)
        if (newMeld.k[q].hi == 444) exchangePos = q;
      jokerSlot = s;
    }
  }
  newPositions = meldBefore;
}

void Tk12Container::placeSelection() {
  TSpieler& st = sp[meldStack];
  int32_t shift = 0;
  if (jokerExchange) {
    for (int32_t i = 1; i <= handUsed(pendingCards); i++) {
      if (pendingCards.k[i].hi != exchangePos) continue;
      if (validSlot(jokerSlot)) {
        st.slots[jokerSlot].meldNo = targetMeld;
        st.slots[jokerSlot].meldPos = exchangePos;
      }
      deleteCardAt(pendingCards, i);
      shift = 1;
      break;
    }
  }
  int32_t pending = handUsed(pendingCards);
  // The new cards end at the last slot the lay-off filled: a Joker going back to the hand may
  // have left the stack before them, so its count is no guide.
  const int32_t last = validSlot(lastLaidOffSlot) ? lastLaidOffSlot : stackUsed(st) - shift;
  for (int32_t i = 1; i <= pending; i++) {
    int32_t s = last - pending + i;
    if (!validSlot(s)) continue;
    st.slots[s].meldNo = targetMeld;
    st.slots[s].meldPos = pendingCards.k[i].hi;
  }
  if (targetMeld >= 1 && targetMeld <= 60) {
    THand64& m = melds[targetMeld];
    for (int32_t j = 1; j <= handUsed(m) && j <= handUsed(meldBefore); j++) {
      int32_t s = slotOf(m, j);
      if (!validSlot(s) || (jokerExchange && s == jokerSlot)) continue;
      st.slots[s].meldPos = meldBefore.k[j].hi;
    }
    m.anz = static_cast<int16_t>(std::min(hand64Capacity, handUsed(m) + pending));
    if (jokerExchange && exchangePos >= 1 && exchangePos <= hand64Capacity)
      m.k[exchangePos].hi = static_cast<int16_t>(jokerSlot);
  }
  for (int32_t i = 1; i <= slotCapacity; i++) {
    st.slots[i].flight.o1 = 0;
    st.slots[i].flight.o2 = 0;
  }
  layOffPending = 0;
}

// [SECTION] the saved image

void meldTableToImage(const Tk12Container& t, TMeldTableImage& image) {
  for (int32_t n = 1; n <= 60; n++) image.melds[n] = t.melds[n];
  image.counts[1] = t.ownMeldCount;
  image.counts[2] = t.otherMeldCount;
  image.counts[3] = t.exchangePos;
  image.flags[1] = t.layOffPending;
  image.flags[2] = t.jokerExchange;
  int32_t card;
  std::memcpy(&card, &t.exchangeCard, sizeof card);
  const int32_t values[8] = {t.jokerSlot,  std::bit_cast<int32_t>(t.layOffProgress), card,
                             t.targetMeld, t.layOffSeat, t.layOffSeatSlot, t.lastLaidOffSlot, 0};
  for (int32_t i = 1; i <= 8; i++) image.selection[i] = values[i - 1];
  image.lists[1] = t.newPositions;
  image.lists[2] = t.laidOffHandSlots;
  image.lists[3] = t.meldBefore;
  image.lists[4] = t.pendingCards;
}

void meldTableFromImage(const TMeldTableImage& image, Tk12Container& t) {
  for (int32_t n = 1; n <= 60; n++) t.melds[n] = image.melds[n];
  // A damaged file never makes a side count beyond its places.
  t.ownMeldCount = std::clamp(image.counts[1], 0, ownMeldCapacity);
  t.otherMeldCount = std::clamp(image.counts[2], 0, otherMeldCapacity);
  t.exchangePos = image.counts[3];
  t.layOffPending = image.flags[1];
  t.jokerExchange = image.flags[2];
  t.jokerSlot = image.selection[1];
  t.layOffProgress = std::bit_cast<float>(image.selection[2]);
  std::memcpy(&t.exchangeCard, &image.selection[3], sizeof t.exchangeCard);
  t.targetMeld = image.selection[4];
  t.layOffSeat = image.selection[5];
  t.layOffSeatSlot = image.selection[6];
  t.lastLaidOffSlot = image.selection[7];
  t.newPositions = image.lists[1];
  t.laidOffHandSlots = image.lists[2];
  t.meldBefore = image.lists[3];
  t.pendingCards = image.lists[4];
}
