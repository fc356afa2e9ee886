// What the computer players remember of the current hand: per seat the cards it is known to
// hold, the ranks it threw away and the cards it drew from the stock. The lists live in the
// game state, so a saved game keeps them.
#include <string>

#include "core/cg.h"
#include "games/rummy/canasta_ai.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/canasta_state.h"
#include "games/rummy/canasta_step.h"
#include "games/rummy/meld_table.h"
#include "shell/shell_state.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

constexpr int32_t stock = 11, meldStack = 12, pile = 13;

int32_t actor() {
  const int32_t s = cg.gs.akspieler;
  return s >= 1 && s <= 6 ? s : 0;
}

TCard cardAt(int32_t stack, int32_t slot) {
  if (stack < 1 || stack > stackCount || slot < 1 || slot > stackUsed(sp[stack])) return noCard();
  const TCard c = sp[stack].slots[slot].card;
  return TCard{c.t, c.f, 0};
}

void forget(const TCard& c) {
  const int32_t s = actor();
  if (s == 0 || c.t == 0) return;
  THand& known = cg.gs.seatKnownCards[s];
  const int32_t p = indexOfCard(known, c);
  if (p >= 1) deleteCardAt(known, p);
}

// The selection the action carries, as cards.
const THand& selection() { return cg.gs.bl.selhand; }

void sounds(int kind, int32_t a, int32_t b) {
  const int32_t s = actor();
  const int32_t selected = handUsed(selection());
  if (kind == 3 && a == pile) {
    if (stackUsed(sp[pile]) >= 3) canastaSound(4, s, stackUsed(sp[pile]));
    return;
  }
  const bool meld = kind == 2 && b == canastaAnswerMeld;
  const bool layOff = kind == 3 && a == meldStack;
  if ((meld || layOff) && selected > 1 && stackUsed(sp[s]) - selected == 1) {
    canastaSound(1, s, 0);
    return;
  }
  if (cg.gs.step != 3) return;
  if (layOff && b >= 1 && b <= stackUsed(sp[meldStack])) {
    const int32_t n = sp[meldStack].slots[b].meldNo;
    const int32_t cards = k12.inUse(n) ? handUsed(k12.melds[n]) : 0;
    if ((cards + selected > 6 || cards > 5) && cards < 7) canastaSound(10, s, 0);
  } else if (meld && selected > 6) {
    canastaSound(10, s, 0);
  }
}

}  // namespace

void canastaAINoteKnownCard(int32_t stack, int32_t slot) {
  const TCard c = cardAt(stack, slot);
  if (actor() == 0 || c.t == 0) return;
  handaddk(cg.gs.seatKnownCards[actor()], c);
}

void canastaAIForgetKnownCard(int32_t stack, int32_t slot) { forget(cardAt(stack, slot)); }

void canastaAINoteDiscard(int32_t stack, int32_t slot) {
  const int32_t s = actor();
  const TCard c = cardAt(stack, slot);
  if (s == 0 || c.t == 0) return;
  THand& discards = cg.gs.seatDiscards[s];
  if (c.t != rank2 && c.t != rank3 && c.t != rankJoker) handaddk(discards, c);
  // A rank the seat is seen to keep or collect is no rank it throws away.
  const THand& known = cg.gs.seatKnownCards[s];
  for (int32_t i = 1; i <= handUsed(known); i++) removeRank(discards, known.k[i].t);
  THand melds{}, meld{};
  k12.meldsOfTeam(s, melds);
  for (int32_t i = 1; i <= handUsed(melds); i++) {
    k12.getMeld(melds.k[i].hi, meld);
    const int32_t rank = canastaMeldRank(meld);
    if (rank != 0) removeRank(discards, rank);
  }
}

void canastaAIObserve(int kind, int32_t a, int32_t b) {
  const int32_t s = actor();
  if (cg.gs.phase != 4 || (screenMode != 1 && screenMode != 2) || s == 0) return;
  for (int32_t stack : {s, stock, meldStack, pile}) syncHandFromSlots(sp[stack]);
  sounds(kind, a, b);
  const THand& sel = selection();
  if (kind == 5 && a == meldStack) {
    canastaAINoteKnownCard(meldStack, b);
  } else if (kind == 3 && a == stock) {
    const int32_t top = stackUsed(sp[stock]);
    TCard c = cardAt(stock, top);
    if (c.t != 0 && !canastaIsWildOrBlackThree(c)) {
      c.hi = static_cast<int16_t>(canastaArea().turnCounter);
      handaddk(cg.gs.seatDrawnCards[s], c);
    }
  } else if (kind == 3 && a == pile) {
    for (int32_t i = 1; i <= stackUsed(sp[pile]); i++) canastaAINoteKnownCard(pile, i);
  } else if (kind == 0) {
    forget(cardAt(s, b));
    canastaAINoteDiscard(s, b);
  } else if (kind == 2 && b == canastaAnswerMeld) {
    for (int32_t i = 1; i <= handUsed(sel); i++) forget(sel.k[i]);
  } else if (kind == 2 && a == 0 && b == canastaAnswerDone && handUsed(sel) == 1) {
    forget(sel.k[1]);
    const int32_t p = sel.k[1].hi;
    if (p >= 1 && p <= stackUsed(sp[s])) canastaAINoteDiscard(s, p);
  } else if (kind == 3 && a == meldStack) {
    for (int32_t i = 1; i <= handUsed(sel); i++) forget(sel.k[i]);
  }
}
