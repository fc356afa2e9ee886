// The automatic decision for the seat to act: answer the open decision, else play a legal
// card, else take from the allowed pile.
//
// [SECTION] helpers
// [SECTION] options
// [SECTION] cards and piles
// [SECTION] autoDecide
#include "core/auto_decide.h"

#include <algorithm>

#include "core/cg.h"
#include "core/game_areas.h"
#include "net/net_transport.h"
#include "platform/random.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "table/table_globals.h"
#include "table/table_questions.h"

namespace {

// [SECTION] helpers

TDecisionBlock& bl() { return cg.gs.bl; }

// The picked pile becomes the previous pick and the lifted cards go down.
void dropPick() {
  prevPickedPile = pickedPile;
  prevPickedPileIndex = pickedPileIndex;
  pickedPile = 0;
  pickedPileIndex = 0;
  checkupdownmoves(0);
}

int32_t optionValue(int n) { return bl().optionValues[n]; }

bool validStack(int32_t s) { return s >= 1 && s <= stackCount; }

// A random index 1..count of a stack (0 when the stack is empty or unknown).
int32_t randomIndexOf(int32_t stack) {
  if (!validStack(stack)) return 0;
  int n = stackUsed(sp[stack]);
  return n > 0 ? randomBelow(n) + 1 : 0;
}

// Hearts: the first three cards of the hand go as the pass list.
void passThreeCards() {
  int32_t seat = cg.gs.akspieler;
  THand& pass = gameAreas.heartsPassList();
  clearHand(pass);
  if (!validStack(seat)) return;
  syncHandFromSlots(sp[seat]);
  const THand& hand = sp[seat].hand;
  for (int i = 1; i <= 3 && i <= handUsed(hand); i++) {
    TCard c = hand.k[i];
    c.hi = int16_t(i);
    handaddk(pass, c);
  }
  THand cards = pass;
  cg.submitAction(1, 0, 0, &cards);
  cg.submitAction(2, 0, 116);
}

// [SECTION] options

// Canasta's melding decision when the user's time ran out.
void canastaExpiredMeld() {
  dropPick();
  if (bl().optionCount == 3) {
    THand& selection = gameAreas.canastaSelection();
    clearHand(selection);
    THand cards = selection;
    cg.submitAction(1, 0, 0, &cards);
    cg.submitAction(2, 0, optionValue(3), nullptr, 0, false, true);
  } else if (bl().optionCount == 2 && gameAreas.canastaMovesThisTurn() > 0 && !gameAreas.canastaFirstMeldPlanned()) {
    cg.submitAction(2, 0, optionValue(2), nullptr, 0, false, true);
  } else {
    gameAreas.canastaAIPlanFirstMeld();
    gameAreas.canastaAIMove();
  }
}

bool skatTakesFirstOption(int32_t kind) {
  for (int32_t k : {50, 55, 56, 57, 60, 66, 67})
    if (kind == k) return true;
  return false;
}

// True when an option was submitted (or Canasta's melding rule ran).
bool decideOption(bool expired) {
  if (!bl().showOptions || bl().optionCount <= 0) return false;
  bool alwaysOptions = cg.gameId == gidOldMaid || cg.gameId == gidSkat || cg.gameId == gidCanasta;
  if (!(randomReal() > 0.5 || alwaysOptions)) return false;
  int count = std::min<int>(bl().optionCount, decisionOptionCapacity);
  if (!expired)
    cg.submitAction(2, 0, optionValue(randomBelow(count) + 1));
  else if (cg.gameId == gidCanasta && bl().decisionKind == 82)
    canastaExpiredMeld();
  else if (cg.gameId == gidSkat && skatTakesFirstOption(bl().decisionKind))
    cg.submitAction(2, 0, optionValue(1));
  else
    cg.submitAction(2, 0, optionValue(count));
  return true;
}

// [SECTION] cards and piles

// Old Maid draws from another seat that still holds cards, never from the seat to act.
int32_t seatWhoseCardsArePlayed() {
  int32_t seat = cg.gs.akspieler;
  if (cg.gameId != gidOldMaid) return seat;
  if (gameAreas.oldMaidFirstCount() == 0) return gameAreas.oldMaidNextSeatWithCards();
  int32_t n = playerCount;
  if (n < 2) return seat;
  int32_t s = (randomBelow(n - 1) + seat) % n + 1;
  for (int guard = 0; guard < n && (!validStack(s) || sp[s].count == 0 || s == seat); guard++) s = s % n + 1;
  return s;
}

bool playCard(bool expired) {
  int32_t seat = seatWhoseCardsArePlayed();
  if (!bl().cardsSelectable || !validStack(seat)) return false;
  int n = stackUsed(sp[seat]);
  if (n == 0) return false;
  int32_t a = cg.gameId == gidOldMaid ? seat : 0;
  for (int i = 1; i <= n; i++) {
    double r = randomReal();
    if ((r < 0.5 * i / n || expired) && isLegalCard(sp[seat].slots[i].card)) {
      cg.submitAction(0, a, i);
      return true;
    }
  }
  for (int i = 1; i <= n; i++)
    if (isLegalCard(sp[seat].slots[i].card)) {
      cg.submitAction(0, a, i);
      return true;
    }
  return false;
}

bool takeNetworkCanastaPile() {
  if (bl().cardsSelectable || !isNetGame() || cg.gameId != gidCanasta || !bl().pilesSelectable) return false;
  int32_t pile = bl().pileA == -12 || bl().pileA == -14 ? 11 : bl().pileA;
  dropPick();
  cg.submitAction(3, pile, randomIndexOf(pile));
  return true;
}

}  // namespace

// [SECTION] autoDecide

void autoDecide(bool expired) {
  if (expired && cg.gameId == gidSkat && bl().pilesSelectable) dropPick();
  if (cg.gameId == gidHearts && bl().cardsSelectable && bl().meldingMode) {
    passThreeCards();
    return;
  }
  if (decideOption(expired)) return;
  if (playCard(expired)) return;
  if (takeNetworkCanastaPile()) return;
  if (bl().pilesSelectable) cg.submitAction(3, bl().pileA, randomIndexOf(bl().pileA));
}
