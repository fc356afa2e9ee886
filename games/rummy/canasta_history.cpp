#include "games/rummy/canasta_history.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "core/card_names.h"
#include "core/card_order.h"
#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/rummy/canasta_ai.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/meld_table.h"
#include "shell/env_param.h"
#include "table/stack_ops.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "table/table_layout.h"

namespace {

constexpr int32_t meldStack = 12;

std::array<std::string, 6> traceLines;

std::string num(int32_t v) { return std::to_string(v); }

// The melds numbered first..first+count-1 again without gaps, from the slots that still
// carry them; returns the new count.
int32_t renumberSide(int32_t first, int32_t count) {
  TSpieler& st = sp[meldStack];
  std::vector<THand64> melds;
  std::vector<uint8_t> closed;
  for (int32_t n = first; n < first + count; n++) {
    std::vector<std::pair<int32_t, int32_t>> cards;  // position, slot
    for (int32_t s = 1; s <= stackUsed(st); s++)
      if (st.slots[s].meldNo == n) cards.emplace_back(st.slots[s].meldPos, s);
    if (cards.empty()) continue;
    std::sort(cards.begin(), cards.end());
    const int32_t number = first + static_cast<int32_t>(melds.size());
    THand64 m = k12.melds[n];
    m.anz = static_cast<int16_t>(std::min<size_t>(cards.size(), hand64Capacity));
    for (int32_t p = 1; p <= handUsed(m); p++) {
      const int32_t s = cards[p - 1].second;
      m.k[p] = TCard{0, 0, static_cast<int16_t>(s)};
      st.slots[s].meldNo = number;
      st.slots[s].meldPos = p;
    }
    melds.push_back(m);
    closed.push_back(k12.canastaClosed[n]);
  }
  for (int32_t n = first; n < first + count; n++) {
    const size_t i = static_cast<size_t>(n - first);
    if (i < melds.size()) {
      k12.melds[n] = melds[i];
      k12.canastaClosed[n] = closed[i];
    } else {
      clearHand64Count(k12.melds[n]);
      k12.canastaClosed[n] = 0;
    }
  }
  return static_cast<int32_t>(melds.size());
}

// The seat's hand becomes `cards`, laid out at once in its layout copy and on the table.
void setSeatHand(int32_t seat, THand cards) {
  for (int32_t i = 1; i <= handUsed(cards); i++) cards.k[i].hi = 0;
  TSpieler& s = sp[seat];
  s.hand = cards;
  syncSlotsFromHand(s);
  TSpieler& lay = spLayout[seat];
  lay.stackNo = seat;
  lay.count = s.count;
  for (int32_t i = 1; i <= stackUsed(s); i++) lay.slots[i].card = s.slots[i].card;
  placeSeat(lay, false, float(s.count));
  for (int32_t i = 1; i <= stackUsed(s); i++) setPlacement(s.slots[i], placementOf(lay.slots[i]));
}

void protocolMelds() {
  logProtocol("s1count=" + num(k12.ownMeldCount));
  logProtocol("sothercount=" + num(k12.otherMeldCount));
  for (int32_t n = 1; n <= 60; n++) {
    if (!k12.inUse(n)) continue;
    for (int32_t p = 1; p <= handUsed(k12.melds[n]); p++) {
      const int32_t s = k12.melds[n].k[p].hi;
      const TCard c = s >= 1 && s <= slotCapacity ? sp[meldStack].slots[s].card : noCard();
      logProtocol("hi[" + num(n) + "][" + num(p) + "]=" + num(s) + "," + cardShortCode(c));
    }
  }
}

// Two equal wild cards laid off on one meld may trade places; either one is the card that
// goes back, so another slot of the meld with an equal card that stays serves.
int32_t equalCardLeft(int32_t meld, const TCard& card, const bool* leaving) {
  for (int32_t p = 1; p <= handUsed(k12.melds[meld]); p++) {
    const int32_t s = k12.melds[meld].k[p].hi;
    if (s >= 1 && s <= stackUsed(sp[meldStack]) && !leaving[s] && cardsEqual(sp[meldStack].slots[s].card, card)) return s;
  }
  return 0;
}

}  // namespace

void canastaAddHistory(int32_t meld, int32_t position) {
  TCanastaArea& can = canastaArea();
  if (can.hcount >= 166 || meld < 1 || meld > 60 || position < 1 || position > 127) return;
  can.history[++can.hcount] = TCard{static_cast<int8_t>(meld), static_cast<int8_t>(position), 0};
}

void canastaShiftHistory(int32_t meld, int32_t fromEntry) {
  TCanastaArea& can = canastaArea();
  for (int32_t i = 1; i <= std::min(fromEntry, can.hcount); i++)
    if (can.history[i].t == meld && can.history[i].f > 0 && can.history[i].f < 127) can.history[i].f++;
}

void canastaRemoveMeldSlots(const bool* leaving) {
  TSpieler& st = sp[meldStack];
  const int32_t n = stackUsed(st);
  int32_t kept = 0;
  for (int32_t i = 1; i <= n; i++) {
    if (leaving[i]) continue;
    if (++kept != i) st.slots[kept] = st.slots[i];
  }
  for (int32_t i = kept + 1; i <= n; i++) {
    st.slots[i].card = noCard();
    st.slots[i].meldNo = 0;
    st.slots[i].meldPos = 0;
  }
  st.count = kept;
  syncHandFromSlots(st);
  k12.ownMeldCount = renumberSide(1, k12.ownMeldCount);
  k12.otherMeldCount = renumberSide(21, k12.otherMeldCount);
}

void caresethistory() {
  TCanastaArea& can = canastaArea();
  const int32_t seat = cg.gs.akspieler;
  logProtocol("caresethistory------------------------------");
  logProtocol("hcount=" + num(can.hcount));
  for (int32_t i = 1; i <= can.hcount; i++)
    logProtocol("cg.gs.can.history[" + num(i) + "] = " + num(can.history[i].t) + "," + num(can.history[i].f));
  protocolMelds();
  for (int32_t n = 1; n <= 20 + k12.otherMeldCount && n <= 60; n++) k12.canastaClosed[n] = 0;
  if (seat < 1 || seat > 6) return;
  // The cards go back at once: moving them one by one would leave stack 12's slots and the
  // melds out of step while they fly.
  bool leaving[slotCapacity + 1] = {};
  syncHandFromSlots(sp[seat]);
  THand restored = sp[seat].hand;
  for (int32_t i = can.hcount; i >= 1; i--) {
    const int32_t meld = can.history[i].t, pos = can.history[i].f;
    int32_t s = k12.inUse(meld) && pos >= 1 && pos <= handUsed(k12.melds[meld]) ? k12.melds[meld].k[pos].hi : 0;
    if (s >= 1 && s <= stackUsed(sp[meldStack]) && leaving[s]) s = equalCardLeft(meld, sp[meldStack].slots[s].card, leaving);
    if (s < 1 || s > stackUsed(sp[meldStack]) || leaving[s]) {
      trace("Canasta: Rücknahme ohne Karte bei " + num(meld) + "," + num(pos));
      continue;
    }
    leaving[s] = true;
    const TCard card = sp[meldStack].slots[s].card;
    canastaAIObserve(5, meldStack, s);
    handaddk(restored, card);
    can.turnPoints -= canastaCardPoints(card);
    logProtocol("movecard 12," + num(s) + " -> " + num(-seat));
  }
  canastaRemoveMeldSlots(leaving);
  sortHandByValue(restored, 1, 0, true);
  setSeatHand(seat, restored);
  can.hcount = 0;
  can.kartenzwang = can.kartenzwangSaved;
}

void canastaLogStep(const std::string& msg) {
  std::string line = "sp" + num(cg.gs.akspieler) + "_" + msg + "_";
  const THand& sel = canastaArea().selhand;
  const int32_t style = std::clamp(envParam.cardStyle, 1, 3);
  for (int32_t i = 1; i <= handUsed(sel); i++) {
    const TCard c = sel.k[i];
    line += "(" + suitNameTable[style][std::clamp<int32_t>(c.f, 0, 30)] + " " +
            rankNameTable[style][std::clamp<int32_t>(c.t, 0, 20)] + " )";
  }
  for (size_t i = traceLines.size() - 1; i >= 2; i--) traceLines[i] = traceLines[i - 1];
  traceLines[1] = line;
  trace(line);
}

const std::string& canastaTraceLine(int32_t n) {
  return traceLines[static_cast<size_t>(std::clamp(n, 1, 5))];
}

void canastaClearTrace() {
  for (std::string& l : traceLines) l.clear();
}
