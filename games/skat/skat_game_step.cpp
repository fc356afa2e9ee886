// Skat's step machine: the per-tick dispatch over the phases, the start of a game, the deal,
// and the helpers every phase uses (asking, speaking, waiting for a card move).
//
// [SECTION] helpers
// [SECTION] the step
// [SECTION] phase 0: start
// [SECTION] phase 1: the deal
// [SECTION] after the deal
#include "games/skat/skat_game_step.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <type_traits>

#include "core/card_order.h"
#include "core/cg.h"
#include "games/skat/skat_bid_values.h"
#include "games/skat/skat_callbacks.h"
#include "games/skat/skat_deck.h"
#include "games/skat/skat_rating.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_step_internal.h"
#include "net/net_transport.h"
#include "shell/shell_globals.h"
#include "table/deal_moves.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] helpers

void skatAsk(int32_t kind) { cg.openDecisionDialog(kind); }

void skatSayText(const std::string& text, int32_t kind) { skatSay(text, cg.gs.akspieler, kind); }

void skatWaitFor(int32_t stack, int32_t slot) { noteCoreMove(stack, slot); }

void skatEndOfGameMenu() {
  if (!isNetGame()) cg.setMenuButtonCaption(2);
}

// [SECTION] the step

void skatGameStep(TGameState& gs) {
  skatStepCounter()++;
  switch (gs.phase) {
    case skatPhaseStart: skatStepStart(); break;
    case skatPhaseDeal: skatStepDeal(); break;
    case skatPhaseBidding: skatStepBidding(); break;
    case skatPhaseKontra: skatStepKontra(); break;
    case skatPhaseSchieben: skatStepSchieben(); break;
    default: break;
  }
  // A phase that hands over to declaring or to the trick play goes on at once, unless it
  // has just asked a question or started a card move.
  bool idle = gs.awaitingAction == 0 && gs.pendingMove == 0;
  if (gs.phase == skatPhaseDeclaring && idle) skatStepDeclaring();
  idle = gs.awaitingAction == 0 && gs.pendingMove == 0;
  if (gs.phase == skatPhaseTricks && idle) skatStepTricks();
  skatUpdatePlayerLabels();
}

// [SECTION] phase 0: start

void skatStepStart() {
  TGameState& gs = cg.gs;
  gs.phase = skatPhaseDeal;
  gs.akspieler = gs.tutorialMode ? 3 : skatArea->skatDealerSeat;
  gs.step = 0;
  skatStepCounter() = 0;
  gs.subStep = 0;
  clearHand(playedCards);
  if (isNetGame()) netTransport.gameCounter = 0;
}

// [SECTION] phase 1: the deal

namespace {

// Cards per packet by deal step 1..10; step 4 is the Skat.
constexpr int32_t packetSizes[] = {0, 3, 3, 3, 2, 4, 4, 4, 3, 3, 3};
constexpr int32_t skatDealStep = 4;
constexpr int32_t lastDealStep = 10;
constexpr int32_t quickDealDone = 12;

bool dealsBackwards() { return cg.gs.seatOrder == 2; }

// One packet from the top of the stock into the seat's hand; the step waits for its last card.
void dealPacket(int32_t seat, int32_t count) {
  int32_t top = stackUsed(sp[skatStockStack]);
  gethand(seat, count, 0, 0.0f, skatStockStack, 0);
  skatWaitFor(skatStockStack, top - count + 1);
}

// The Skat goes aside onto pile 15 while the seats get their second packets.
void putSkatAside() {
  int32_t top = stackUsed(sp[skatStockStack]);
  for (int32_t k = 0; k < 2; k++)
    movecard(skatStockStack, top - k, skatPacketStack, k + 1, 0, 3, moveCollect, 0.1f * k, 0, 0.0f);
  skatWaitFor(skatStockStack, top - 1);
}

// The Skat comes back onto the stock, which from now on is the Skat. A pile gives its cards
// from the top: both leave together, so neither is left below a lowered count.
void takeSkatBack() {
  int32_t base = stackUsed(sp[skatStockStack]);
  int32_t n = stackUsed(sp[skatPacketStack]);
  for (int32_t k = 1; k <= n; k++)
    movecard(skatPacketStack, k, skatStockStack, base + k, 0, 3, moveCollect, 0.0f, 0, 0.0f);
  if (n >= 1) skatWaitFor(skatPacketStack, n);
}

// All three hands in one movement; the two cards left on the stock are the Skat.
void dealAtOnce() {
  int32_t top = stackUsed(sp[skatStockStack]);
  for (int32_t i = 1; i <= 3; i++) {
    int32_t seat = dealsBackwards() ? 4 - i : i;
    gethand(seat, 10, 10 * (i - 1), 0.3f * (i - 1), skatStockStack, 0);
  }
  skatWaitFor(skatStockStack, top - 29);
  cg.gs.step = quickDealDone;
}

void dealNextPacket() {
  TGameState& gs = cg.gs;
  if (gs.step != skatDealStep) {
    if (dealsBackwards())
      skatStepToPrevPlayer();
    else
      skatStepToNextPlayer();
  }
  int32_t n = ++gs.step;
  if (n == skatDealStep)
    putSkatAside();
  else if (n <= lastDealStep)
    dealPacket(gs.akspieler, packetSizes[n]);
  else
    takeSkatBack();
}

void noteBiddingSeats() {
  TSkatArea& a = *skatArea;
  a.rearhand = skatDealer();
  a.bidListener = skatForehand();
  a.bidSayer = skatMiddlehand();
}

// The deal of a Ramsch game ("R") goes to the Schieben round.
void startSchiebenRound() {
  TSkatGameRecord& g = *skatGame;
  g.ramschGame = 1;
  g.schiebenRound = 1;
  g.gameType = skatBid->gameType = skatTypeRamsch;
  g.pushCount = 0;
  cg.gs.step = 0;
  skatPhaseCounter() = 0;
  skatPrepareHands();
  noteBiddingSeats();
  cg.gs.akspieler = skatArea->rearhand;
  cg.gs.phase = skatPhaseSchieben;
}

// Mittelhand bids first, against Vorhand.
void startBidding() {
  TGameState& gs = cg.gs;
  TSkatArea& a = *skatArea;
  skatGame->ramschGame = 0;
  skatPrepareHands();
  gs.phase = skatPhaseBidding;
  skatSavePlayers(true);
  gs.subStep = skatSubStepBidding;
  skatStepCounter() = 0;
  gs.step = 0;
  noteBiddingSeats();
  a.currentBid = 1;
  a.sayerTurn = 1;
  gs.akspieler = a.bidSayer;
  a.skatBidIndex = skatBidIndexAbove(a.currentBid);
  skatAsk(48);
}

}  // namespace

void skatStepDeal() {
  TGameState& gs = cg.gs;
  if (gs.step <= lastDealStep) {
    if (gs.dealStyle == 1 && !isNetGame())
      dealAtOnce();
    else
      dealNextPacket();
    return;
  }
  if (skatArea->specialGameMarker.str() == "R")
    startSchiebenRound();
  else
    startBidding();
}

// [SECTION] after the deal

void skatPrepareHands() {
  skatInitTables();
  for (int32_t s = 1; s <= 3; s++) syncHandFromSlots(sp[s]);
  syncHandFromSlots(sp[skatStockStack]);
  pressedSkat = sp[skatStockStack].hand;
  // The rating also keeps the hands and the Skat as dealt, which the game judges Spitzen on.
  for (int32_t s = 3; s >= 1; s--) skatAIEvaluateHand(sp[s]);
}

namespace {

// The copy takes the stack's state and the slots either stack has in use; the slots past
// both counts are never read from a copy, and a whole stack is some 33 KB.
void copySeatStack(const TSpieler& from, TSpieler& to) {
  static_assert(std::is_standard_layout_v<TSpieler> && std::is_trivially_copyable_v<TSpieler>);
  const int32_t n = std::max(stackUsed(from), stackUsed(to));
  const int32_t stackNo = to.stackNo;
  for (int32_t i = 1; i <= n; i++) to.slots[i] = from.slots[i];
  constexpr size_t rest = offsetof(TSpieler, count);
  std::memcpy(reinterpret_cast<char*>(&to) + rest, reinterpret_cast<const char*>(&from) + rest, sizeof(TSpieler) - rest);
  to.stackNo = stackNo;
}

}  // namespace

void skatSavePlayers(bool clearBids) {
  for (int32_t s = 1; s <= 3; s++) copySeatStack(sp[s], sp[s + skatCopyOffset]);
  if (clearBids)
    for (int32_t s = 1; s <= 3; s++) skatGame->seatBid[s] = 0;
}
