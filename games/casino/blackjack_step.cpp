// Blackjack's game machine (see blackjack_step.h). All money moves as chip transfers
// through the chip handler; the core steps again only once chips and cards are at rest.
//
// [SECTION] helpers
// [SECTION] new game
// [SECTION] start money, bets, deal
// [SECTION] turns
// [SECTION] showdown and settlement
// [SECTION] the step
#include "games/casino/blackjack_step.h"

#include <algorithm>
#include <string>

#include "core/card_names.h"
#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/engine_services.h"
#include "engine/texts.h"
#include "games/casino/blackjack_ai.h"
#include "games/casino/blackjack_rules.h"
#include "games/casino/blackjack_state.h"
#include "games/casino/blackjack_table.h"
#include "games/casino/chips.h"
#include "platform/random.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"
#include "sound/speech.h"
#include "table/deal_moves.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

// [SECTION] helpers

enum : uint8_t { subDouble = 0, subAnswer = 3, subAsk = 4, subSettle = 6, subNext = 8 };
constexpr int32_t answerDouble = 109, answerCard = 75, answerStand = 37;
constexpr int32_t shoePutBackStep = 77, roundEndStep = 99;

TGameState& gs() { return cg.gs; }
TBlackjackState& area() { return blackjackArea(); }
int32_t seats() { return std::clamp(int(playerCount), 1, 6); }
int32_t dealer() { return area().dealerSeat; }
bool reverse() { return envParam.playDirection == 2; }
int32_t shoeTop() { return stackUsed(sp[bjShoeStack]); }
TChipSeat& seatRec(int32_t s) { return area().seats[std::clamp(int(s), 1, 6)]; }

void transfer(int32_t from, int32_t to, int32_t amount, int strategy) {
  if (amount > 0) chipAnimation.queueMove(from, to, amount, false, strategy, 1);
}

void advanceSeat() { gs().akspieler = reverse() ? blackjackPreviousSeat(1) : blackjackNextSeat(1); }

// The next seat, passing over every player whose hand is settled.
void nextUnsettledSeat() {
  for (int guard = 0; guard < 7; guard++) {
    gs().akspieler = blackjackNextSeat(1);
    const int32_t s = gs().akspieler;
    if (s == dealer() || seatRec(s).state != 2) return;
  }
}

// One card from the top of the shoe to the seat to act, noted as the core's pending move.
void drawCard() {
  const int32_t top = shoeTop();
  if (top < 1) {
    trace("ACHTUNG! Blackjack: the shoe is empty");
    return;
  }
  gethand(gs().akspieler, 1, 0, 0, bjShoeStack, 0);
  noteCoreMove(bjShoeStack, top);
}

void sayText(const std::string& key, const std::string& tail, int32_t seat, int32_t kind = 0) {
  say(lookupText(key) + tail, seat, kind, false);
}

}  // namespace

void blackjackSeatsFromPoker() {
  for (int s = 1; s <= 6; s++) area().seats[s] = pokerArea().seats[s];
}
void blackjackSeatsToPoker() {
  for (int s = 1; s <= 6; s++) pokerArea().seats[s] = area().seats[s];
}

void blackjackSyncChipGames() {
  const TBlackjackState& a = area();
  chipGames.houseSeat = a.dealerSeat;
  chipGames.minBet = a.minBet;
  chipGames.listLength = a.roundLimit;
  for (int s = 1; s <= 6; s++) {
    chipGames.seats[s].place = a.seats[s].place;
    chipGames.seats[s].dropOuts = a.seats[s].outAfterHands;
  }
}

// [SECTION] new game

bool blackjackNewGame(bool newList) {
  TBlackjackState& a = area();
  if (newList) {
    a.cardsCollected = 0;
    blackjackReadOptions();
  }
  cg.prepareNewGame();
  a.keepShoe = !a.reshuffleEveryGame && a.cardsCollected < 39;
  if (newList) {
    for (int i = 1; i <= stackCount; i++) {
      sp[i].count = 0;
      syncHandFromSlots(sp[i]);
    }
  }
  if (newList || !a.keepShoe) {
    TSpieler& shoe = sp[bjShoeStack];
    for (int j = 1; j <= slotCapacity; j++) shoe.slots[j] = TCardSlot{};
    shoe.count = a.variant17und4 ? fillShoe32(a.deckCount) : fillShoe52(a.deckCount);
    for (int j = 1; j <= shoe.count; j++) shoe.slots[j].pose = shoe.restPose;
    syncHandFromSlots(shoe);
    shuffleShoe();
    a.cardsCollected = 0;
    blackjackAIInitDeck(shoe.count);
  }
  if (newList) {
    a.lastBet = a.minBet;
    a.dealerSeat = seats() / 2 + 1;
    a.shoeLifted = 0;
    a.pendingResultSeat = 0;
    chipAnimation.reset();
    for (int s = 1; s <= 16; s++) resetChipStack(s, false);
    for (int s = 1; s <= 6; s++) {
      TChipSeat& p = pokerArea().seats[s];
      p = TChipSeat{};
      p.state = s <= seats() ? 1 : 0;
      p.action = 11;
    }
    blackjackSeatsFromPoker();
  }
  for (int s = 1; s <= 6; s++) {
    TChipSeat& seat = a.seats[s];
    if (seat.state != 0) {
      seat.state = 1;
      seat.allIn = 0;
      seat.stake = 0;
      seat.won = 0;
      seat.potRound = 0;
    }
    for (int j = 1; j <= 20; j++) a.faceUp[s][j] = 0;
  }
  blackjackSeatsToPoker();
  if (!newList) blackjackPlaceBrokeSeats(0, 0);
  gs().phase = 0;
  gs().step = 0;
  gs().subStep = 0;
  gs().subState = 0;
  blackjackSyncChipGames();
  return true;
}

namespace {

// [SECTION] start money, bets, deal

void startStep() {
  gs().phase = 2;
  gs().step = gs().gamesPlayed > 0 ? cg.seatCount + 1 : 0;
  gs().gameCounter = 0;
  gs().akspieler = dealer();
}

void startMoneyStep() {
  const int32_t n = cg.seatCount;
  if (gs().step < n) {
    const int32_t perStep = gs().dealStyle == 1 ? blackjackSeatsInGame() : 1;
    for (int i = 0; i < perStep && gs().step < n; i++) {
      advanceSeat();
      if (gs().akspieler != dealer()) transfer(bjBankStack, gs().akspieler, area().startMoney, 0);
      gs().step++;
    }
  } else if (gs().step == n) {
    gs().step++;
  } else {
    gs().phase = 10;
    gs().subState = subAsk;
    gs().akspieler = dealer();
    gs().akspieler = blackjackNextSeat(1);
    gs().step = 0;
    gs().subStep = 0;
  }
}

void betStep() {
  TBlackjackState& a = area();
  const int32_t seat = gs().akspieler;
  if (gs().subState == subAsk && seat == dealer()) {
    gs().phase = 1;
    gs().dealStyle = int16_t(envParam.dealMode);
    gs().step = a.keepShoe ? 0 : gs().dealStyle == 1 ? -1 : -3;
    gs().gameCounter = 0;
    gs().akspieler = dealer();
    return;
  }
  if (gs().subState == subAsk) {
    a.betOffer = blackjackClampBet(a.lastBet);
    cg.openDecisionDialog(106);
    return;
  }
  if (gs().subState != subAnswer || gs().getBlender.kind != 2) return;
  if (!blackjackBetAllowed(a.betOffer)) {
    trace("Blackjack: bet " + std::to_string(a.betOffer) + " of seat " + std::to_string(seat) + " refused");
    a.betOffer = blackjackClampBet(a.lastBet);
    cg.openDecisionDialog(106);
    return;
  }
  sayText("f_blackjack_setzt", formatMoney(a.betOffer), seat);
  transfer(seat, seat + bjBetStackOffset, a.betOffer, 1);
  seatRec(seat).stake = a.betOffer;
  gs().akspieler = blackjackNextSeat(1);
  gs().step++;
  gs().subState = subAsk;
}

void shuffleAnimationStep() {
  const float speed = (gs().step % 2 != 0 ? 1.27f : 1.57f) + 0.4f * float(randomReal());
  const int32_t n = shoeTop();
  for (int j = 1; j <= n; j++) {
    movecard(bjShoeStack, j, bjShoeStack, j, 0, 5, 0, 0, 0, 0);
    sp[bjShoeStack].slots[j].speed *= speed;
  }
  if (n > 0) noteCoreMove(bjShoeStack, n);
  gs().step++;
}

bool secondCardHidden(int32_t seat) {
  const TBlackjackState& a = area();
  return a.variant17und4 || !(seat == a.dealerSeat ? a.dealerCardOpen : a.playerCardOpen);
}

void dealAllAtOnce() {
  const TBlackjackState& a = area();
  const int32_t n = blackjackSeatsInGame();
  const int32_t before = shoeTop();
  int32_t offset = 0;
  float delay = 0;
  blackjackOpeningDeal = 1;
  for (int i = 1; i <= n; i++) {
    advanceSeat();
    const int32_t seat = gs().akspieler;
    const int32_t h = a.variant17und4 && seat == dealer() ? 1 : 2;
    gethand(seat, h, offset, delay, bjShoeStack, 0);
    offset += h;
    // The n-th seat served, counted, not numbered, decides the pause after it.
    delay += 0.1f;
    delay += secondCardHidden(i) || (a.variant17und4 && seat == 1) ? 0.25f : 0.05f;
  }
  blackjackOpeningDeal = 0;
  if (offset > 0) noteCoreMove(bjShoeStack, before - offset + 1);
  gs().step += 2 * n;
}

void dealOneByOne() {
  advanceSeat();
  gs().step++;
  const int32_t seat = gs().akspieler;
  if (area().variant17und4 && seat == dealer() && blackjackCardCount(seat) >= 1) return;
  drawCard();
}

void dealStep() {
  if (gs().step < 0) {
    shuffleAnimationStep();
  } else if (gs().step < 2 * blackjackSeatsInGame()) {
    if (gs().dealStyle == 1)
      dealAllAtOnce();
    else
      dealOneByOne();
  } else {
    gs().phase = 4;
    gs().gameCounter = 0;
    gs().step = 1;
    gs().subState = subAsk;
    gs().akspieler = dealer();
    gs().akspieler = blackjackNextSeat(1);
  }
}

// [SECTION] turns

// The answer must be one the question offered; the dealer's own draws are the step's.
bool answerOffered(int32_t seat, int32_t value) {
  if (gs().getBlender.kind != 2) return false;
  if (seat == dealer() && !area().variant17und4) return value == answerCard;
  if (value == answerCard || value == answerStand) return true;
  return value == answerDouble && blackjackCanDouble();
}

void answerStep() {
  TChipSeat& seat = seatRec(gs().akspieler);
  const int32_t s = gs().akspieler;
  const int32_t value = gs().getBlender.res_ii;
  if (!answerOffered(s, value)) {
    trace("Blackjack: answer " + std::to_string(value) + " of seat " + std::to_string(s) + " refused");
    cg.openDecisionDialog(107);
    return;
  }
  switch (value) {
    case answerDouble:
      transfer(s, s + bjBetStackOffset, seat.stake, 1);
      seat.stake *= 2;
      seat.allIn = 1;
      sayText("f_blackjack_verdoppelt", "", s, 19);
      gs().subState = subDouble;
      return;
    case answerCard:
      sayText("f_blackjack_karte", "", s, 17);
      drawCard();
      gs().subState = subAsk;
      return;
    default:
      sayText("f_blackjack_keinekarte", "", s, 18);
      if (area().variant17und4 && s == dealer())
        gs().step = 10;
      else
        gs().subState = subNext;
      return;
  }
}

void dealerTurn() {
  const TBlackjackState& a = area();
  const int32_t v = blackjackHandValue(dealer(), bjValueForRules);
  if (!a.variant17und4 || v > 21) {
    if (v < 17 || (a.dealerHitsSoft17 && blackjackIsSoft17(dealer()))) {
      gs().subState = subAnswer;
      gs().getBlender = TGetBlender{0, int16_t(answerCard), 2};
    } else {
      gs().step = 10;
    }
    return;
  }
  if (blackjackRevealCards()) return;
  cg.openDecisionDialog(107);
}

void askStep() {
  const int32_t s = gs().akspieler;
  if (s == dealer()) {
    dealerTurn();
    return;
  }
  const TChipSeat& seat = seatRec(s);
  if (blackjackHandValue(s, bjValueForRules) > 21) {
    sayText("f_blackjack_bust", "", s);
    gs().subState = subSettle;
  } else if (!seat.allIn || blackjackCardCount(s) < 3) {
    cg.openDecisionDialog(107);
  } else {
    gs().subState = subNext;
  }
}

// [SECTION] showdown and settlement

void evaluate(int32_t s) {
  TBlackjackState& a = area();
  TChipSeat& seat = seatRec(s);
  seat.potRound = blackjackOutcome(s, seat.won);
  if (seat.potRound > 0) {
    if (s == 1) soundContainer.playEvent(17, 0, 0);
    a.pendingResultText = lookupText("f_blackjack_win").substr(0, 150);
  } else if (seat.potRound == 0) {
    a.pendingResultText = lookupText("f_blackjack_unentschieden").substr(0, 150);
  } else {
    a.pendingResultText = lookupText("f_blackjack_lose").substr(0, 150);
  }
  a.pendingResultSeat = s;
  bjAiReactToResult();
}

void showdownStep() {
  TBlackjackState& a = area();
  const int32_t s = gs().akspieler;
  if (s == dealer()) {
    if (gs().step == 10) {
      blackjackRevealCards();
      if (blackjackIsNatural(s)) sayText("f_blackjack_blackjack", "", s, 16);
      gs().step = 11;
    } else {
      a.dealerTotal = blackjackHandValue(s, bjValueForRules);
      if (a.dealerTotal <= 21)
        sayText("f_blackjack_dealerhat", blackjackHandText(s), s);
      else
        sayText("f_blackjack_bust", "", s);
      gs().step = 20;
      nextUnsettledSeat();
    }
    return;
  }
  if (blackjackLastHiddenCard(s) > 0) {
    blackjackRevealCards();
  } else {
    evaluate(s);
    gs().subState = subSettle;
  }
  gs().step++;
}

// Pose of the lifted shoe: the shoe's, 380 lower in y, in the stack and its layout copy.
void liftShoe(float delay) {
  TSpieler& shoe = sp[bjShoeStack];
  for (TSpieler* lift : {&sp[bjLiftStack], &spLayout[bjLiftStack]}) {
    lift->pose = shoe.pose;
    lift->pose.y -= 380;
    lift->restPose = lift->pose;
    for (int j = 1; j <= slotCapacity; j++) lift->slots[j].pose = shoe.slots[j].pose;
  }
  const int32_t n = shoeTop(), base = stackUsed(sp[bjLiftStack]);
  for (int j = 1; j <= n; j++) movecard(bjShoeStack, j, bjLiftStack, base + j, 1, 3, 15, delay, 0, 0);
}

void reverseHand(TSpieler& s) {
  const int32_t n = stackUsed(s);
  for (int i = 1; i <= n / 2; i++) std::swap(s.slots[i].card, s.slots[n + 1 - i].card);
  syncHandFromSlots(s);
}

void settleStep() {
  TBlackjackState& a = area();
  const int32_t s = gs().akspieler;
  TChipSeat& seat = seatRec(s);
  float b = 0;
  if (s != dealer()) {
    const int32_t bet = s + bjBetStackOffset;
    if (gs().step >= 10) {
      if (seat.potRound < 0) {
        transfer(bet, bjBankStack, seat.stake, 4);
      } else if (seat.potRound == 0) {
        transfer(bet, s, seat.stake, 4);
      } else {
        transfer(bjBankStack, s, seat.won, 4);
        transfer(bet, s, seat.stake, 4);
      }
      b = 2;
    } else {
      // Busted during its turn: collected at once, as the dealer's cards are.
      seat.won = -seat.stake;
      seat.potRound = -1;
      transfer(bet, bjBankStack, seat.stake, 4);
    }
    seat.state = 2;
  }
  liftShoe(b);
  if (a.variant17und4 && s != dealer() && s != 1 && gs().step >= 20) {
    reverseHand(sp[s]);
    reverseHand(spLayout[s]);
  }
  const int32_t cards = stackUsed(sp[s]);
  for (int k = 0; k < cards; k++) {
    movecard(s, cards - k, bjShoeStack, k + 1, 1, 3, 16, 0.35f * float(k) + 0.3f + b, 0, 0);
    a.cardsCollected++;
  }
  noteCoreMove(s, 1);
  a.shoeLifted = 1;
  if (gs().step > 10) {
    nextUnsettledSeat();
    gs().subState = subAsk;
  } else {
    gs().subState = subNext;
  }
}

void putShoeBack() {
  const int32_t n = stackUsed(sp[bjLiftStack]), base = shoeTop();
  for (int j = 1; j <= n; j++) movecard(bjLiftStack, j, bjShoeStack, base + j, 1, 3, 15, 0, 0, 0);
  if (n > 0) noteCoreMove(bjLiftStack, n);
  area().shoeLifted = 0;
  gs().subStep = gs().step;
  gs().step = shoePutBackStep;
}

void endRound() {
  const TBlackjackState& a = area();
  TGameResult r;
  r.kind = resultFinished;
  int32_t sum = 0;
  for (int s = 1; s <= seats(); s++)
    if (s != a.dealerSeat) {
      r.values[s] = a.seats[s].won;
      sum += a.seats[s].won;
    }
  if (a.dealerSeat >= 1 && a.dealerSeat <= 6) r.values[a.dealerSeat] = -sum;
  cg.setMenuButtonCaption(2);
  blackjackSeatsToPoker();
  cg.endRound(r);
}

void playStep() {
  TBlackjackState& a = area();
  const uint8_t sub = gs().subState;
  const int32_t step = gs().step;
  if (step == shoePutBackStep && sub != subNext) {
    gs().step = gs().subStep;
    gs().subState = subAsk;
  } else if (sub == subNext) {
    gs().akspieler = blackjackNextSeat(1);
    gs().subState = subAsk;
  } else if (sub == subSettle && a.pendingResultSeat > 0) {
    say(std::string(a.pendingResultText.view()), a.pendingResultSeat, 0, false);
    a.pendingResultSeat = 0;
  } else if (sub == subDouble) {
    drawCard();
    gs().subStep++;
    gs().subState = subAsk;
  } else if (step == roundEndStep && sub != subSettle) {
    endRound();
    return;
  } else if (step >= 20 && gs().akspieler == dealer() && sub != subSettle) {
    gs().subState = subSettle;
    gs().step = roundEndStep;
  } else if (sub != subSettle && blackjackAllPlayersDone()) {
    gs().subState = subSettle;
    gs().step = roundEndStep;
  } else if (step < 10 || sub == subSettle) {
    if (sub == subAnswer)
      answerStep();
    else if (sub == subAsk)
      askStep();
    else if (sub == subSettle)
      settleStep();
  } else {
    showdownStep();
  }
  blackjackShowPanels();
}

}  // namespace

// [SECTION] the step

bool blackjackRevealCards() {
  TBlackjackState& a = area();
  const int32_t s = gs().akspieler;
  const int32_t first = blackjackLastHiddenCard(s);
  if (first == 0) return false;
  const int32_t n = blackjackCardCount(s);
  for (int j = first; j <= n; j++) {
    if (blackjackIsCardFaceUp(s, j)) {
      movecard(s, j, s, j, 1, 6, 17, 0, 0, 0);
    } else {
      movecard(s, j, s, j, 1, 6, a.variant17und4 && s != dealer() ? 19 : 18, 0, 0, 0);
      a.faceUp[s][j] = 1;
    }
  }
  noteCoreMove(s, n);
  return true;
}

void blackjackShowPanels() {
  if (dlgIPanel != 0) setDialogOpen(dlgIPanel, 1);
  if (gs().step >= 20 && dlgInGame != 0) setDialogOpen(dlgInGame, 0);
}

void blackjackGameStep(TGameState& state) {
  TBlackjackState& a = area();
  blackjackSeatsFromPoker();
  state.gameCounter++;
  a.exchangingChips = chipAnimation.needsChipExchange();
  if (a.shoeLifted) {
    putShoeBack();
  } else if (a.exchangingChips) {
    chipAnimation.exchangeChips();
  } else {
    switch (state.phase) {
      case 0: startStep(); break;
      case 2: startMoneyStep(); break;
      case 10: betStep(); break;
      case 1: dealStep(); break;
      case 4: playStep(); break;
      default: break;
    }
  }
  if (state.phase != 5) blackjackSeatsToPoker();
  blackjackSyncChipGames();
}
