// Mau-Mau played without a screen: a table reset to a fresh game state, positions laid out
// card by card, and frames run until the next decision is open.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "core/cg.h"
#include "games/family/maumau_rules.h"
#include "games/family/maumau_state.h"
#include "games/family/maumau_step.h"
#include "games/skat/skat_options.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "table/stack_sync.h"
#include "tests/support/cards.h"
#include "tests/support/headless_skat.h"

// A fresh core and table for a Mau-Mau game of `seats`, every seat played by the test.
inline void resetHeadlessMaumau(int seats, const TMaumauState& state, int32_t dealMode = 1) {
  resetHeadlessSkat(dealMode, skatDefaultOptions);
  tableLandsAtOnce = true;
  playerCount = seats;
  cg.seatCount = seats;
  cg.gameId = gidMauMau;
  for (int s = 1; s <= 8; s++) cg.seatRecords[s].kind = seatKindUser;
  maumauArea() = state;
}

// Puts the cards of `text` into a stack, slots 1..n, and its layout copy.
inline void putCards(int32_t stack, const std::string& text) {
  THand h = handOf(text);
  for (TSpieler* s : {&sp[stack], &spLayout[stack]}) {
    for (int i = 1; i <= h.anz; i++) s->slots[i].card = h.k[i];
    s->count = h.anz;
    syncHandFromSlots(*s);
  }
}

inline std::string stackText(int32_t stack) {
  syncHandFromSlots(sp[stack]);
  return handText(sp[stack].hand);
}

// A position in the play phase: the hands of seats 1..n, the discard pile (its last card on
// top), the stock (its last card on top) and the seat to act, whose turn is prepared next.
inline void layPosition(const std::vector<std::string>& hands, const std::string& pile,
                        const std::string& stock, int32_t toAct, const TMaumauState& state) {
  resetHeadlessMaumau(int(hands.size()), state);
  for (size_t s = 0; s < hands.size(); s++) putCards(int32_t(s + 1), hands[s]);
  putCards(maumauPile, pile);
  putCards(maumauStock, stock);
  THand p = handOf(pile);
  sp[14].count = 1;
  sp[14].slots[1].card = p.k[p.anz];
  maumauInitSortKeys();
  cg.gs.phase = maumauPhasePlay;
  cg.gs.subState = 4;
  cg.gs.step = 0;
  cg.gs.gameCounter = 10;
  cg.gs.akspieler = toAct;
}

// Frames until a decision is open or the game has ended; false when neither came.
inline bool runToDecision(int frameLimit = 400) {
  for (int f = 0; f < frameLimit; f++) {
    if (cg.gs.phase == 5) return true;
    if (cg.gs.awaitingAction == 2 && cg.gs.subState == 3) return true;
    headlessFrame();
  }
  return false;
}

// The seat to act answers, then the game runs on to the next decision.
inline void answer(int kind, int32_t b) {
  cg.submitAction(kind, 0, b);
  ASSERT_TRUE(runToDecision()) << "no decision after answer " << kind << "/" << b;
}

// The option values of the open decision, "31 56".
inline std::string optionValues() {
  std::string out;
  if (!cg.gs.bl.showOptions) return out;
  for (int i = 1; i <= cg.gs.bl.optionCount; i++) out += (i > 1 ? " " : "") + std::to_string(cg.gs.bl.optionValues[i]);
  return out;
}

// Every card of the deck lies in exactly one of the game's stacks.
inline int32_t cardsOnTable() {
  int32_t n = 0;
  for (int s = 1; s <= cg.seatCount; s++) n += stackUsed(sp[s]);
  for (int s : {maumauStock, maumauPile, maumauAside}) n += stackUsed(sp[s]);
  return n;
}
