// Mau-Mau's flow. One call of maumauGameStep per tick serves the phase: 0 starts, 1 deals,
// 4 plays. In the play phase the sub-state says what the tick does:
//   5  a penalty was drawn        -> 4, step 0
//   0  a card was drawn           -> 4, step 2 (decision 37 at once)
//   1  a card was played          -> its effect; the same seat again (wish, play again) or the next
//   4  the turn is prepared       -> 3 (a decision asked)
//   3  the answer is applied      -> 0, 1, 4 or 5
// Step 98 punishes a missed announcement, step 99 hands the finished game to the core.
//
// [SECTION] helpers
// [SECTION] new game
// [SECTION] dealing
// [SECTION] preparing a turn
// [SECTION] applying an answer
// [SECTION] the step
// [SECTION] resume
#include "games/family/maumau_step.h"

#include <algorithm>

#include "core/card_names.h"
#include "core/cg.h"
#include "core/core_messages.h"
#include "core/game_start.h"
#include "engine/engine_services.h"
#include "games/family/maumau_results.h"
#include "games/family/maumau_rules.h"
#include "games/family/maumau_state.h"
#include "platform/random.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "sound/speech.h"
#include "table/deal_moves.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "table/table_globals.h"
#include "table/table_layout.h"
#include "table/table_questions.h"

// [SECTION] helpers

namespace {

TGameState& gs() { return cg.gs; }
int32_t seat() { return cg.gs.akspieler; }
int32_t seats() { return std::clamp<int32_t>(cg.seatCount, 1, maumauMaxSeats); }
int32_t roleOf(const TCard& c) { return maumauCardRole(c.t); }
void speak(const char* key, int32_t who, const std::string& number = {}) {
  say(coreLookupText(key, number), who, 1, false);
}

void nextTurn() {
  maumauAdvanceSeat();
  maumauArea().moveCounter++;
  gs().subState = 4;
  gs().step = 0;
}

}  // namespace

// [SECTION] new game

namespace {

// The first dealer of a list: a random computer seat, or the chosen one. A chosen seat
// beyond the table is read as the highest seat, so that no seat starts without cards.
int32_t firstDealer() {
  if (maumauArea().dealerOption <= 1) return seats() >= 2 ? 2 + randomBelow(seats() - 1) : 1;
  return std::min(maumauArea().dealerOption - 1, seats());
}

}  // namespace

void maumauNewGame(bool newList) {
  TGameState& g = gs();
  g.bl.pilesSelectable = 0;
  g.bl.decisionKind = 1;
  maumauArea().penaltyCount = 0;
  maumauArea().savedPenalty = 0;
  g.subStep = 0;
  if (newList) maumauReadOptions();
  int32_t keptSeat = g.akspieler;
  cg.prepareNewGame();
  maumauInitSortKeys();
  maumauBuildDeck();
  maumauArea().turnDirection = 1;
  maumauArea().wishedSuit = 0;
  maumauArea().effectCard = noCard();
  maumauArea().penaltyKind = 0;
  maumauArea().moveCounter = 0;
  for (int s = 1; s <= maumauMaxSeats; s++) maumauArea().saidMau[s] = false;
  if (newList) {
    g.dealer = firstDealer();
    g.akspieler = g.dealer;
  } else {
    // The winner, or the last seat that passed, starts the next game.
    g.akspieler = std::clamp<int32_t>(keptSeat, 1, seats());
    g.dealer = g.akspieler;
  }
}

// [SECTION] dealing

namespace {

bool dealsBackwards() { return envParam.playDirection == 2; }

void dealAll() {
  int32_t n = seats(), c = maumauArea().startCards, top = maumauCardsOf(maumauStock);
  for (int32_t i = 1; i <= n; i++) {
    int32_t who = dealsBackwards() ? n + 1 - i : i;
    gethand(who, c, (i - 1) * c, 0.25f * float(i - 1), maumauStock, 0);
  }
  noteCoreMove(maumauStock, top - n * c + 1);
  gs().step = n;
}

void dealOneSeat() {
  if (dealsBackwards())
    maumauAdvanceSeatBack();
  else
    maumauAdvanceSeat();
  gs().step++;
  int32_t c = maumauArea().startCards, top = maumauCardsOf(maumauStock);
  gethand(seat(), c, 0, 0.0f, maumauStock, 0);
  noteCoreMove(maumauStock, top - c + 1);
}

// The stock's top card opens the discard pile; it acts as if the dealer had played it.
void turnUpFirstCard() {
  TGameState& g = gs();
  g.phase = maumauPhasePlay;
  g.gameCounter = 0;
  g.step = 0;
  g.subState = 1;
  int32_t top = maumauCardsOf(maumauStock);
  TCard card = sp[maumauStock].slots[top].card;
  moveCardNoted(maumauStock, top, maumauPile, 1, 0, 3, moveDraw, 0.1f, 0);
  maumauArea().wishedSuit = 0;
  if (roleOf(card) == maumauReverse) maumauArea().turnDirection = 3 - maumauArea().turnDirection;
}

void stepDeal() {
  if (gs().step < seats()) {
    if (gs().dealStyle == 1)
      dealAll();
    else
      dealOneSeat();
    return;
  }
  turnUpFirstCard();
}

}  // namespace

// [SECTION] preparing a turn

namespace {

// The decision of the seat to act, the first rule that applies.
void buildTurnDecision() {
  TGameState& g = gs();
  int32_t role = roleOf(maumauArea().effectCard);
  int32_t kind = 37;
  bool clears = true;
  if (maumauArea().savedPenalty < 0) {
    kind = -maumauArea().savedPenalty;
    maumauArea().savedPenalty = 0;
    clears = false;
  } else if (role == maumauWish) {
    kind = 33;
  } else if (role == maumauDrawTwo || maumauMauMissing()) {
    kind = 31;
  } else if (role == maumauPlayAgain && g.gameCounter > 2) {
    kind = 35;
  } else if (role == maumauSkip || (maumauArea().penaltyCount > 0 && maumauArea().penaltyKind == maumauSkip)) {
    kind = 32;
  } else {
    clears = false;
  }
  cg.buildDecisionDialog(kind);
  if (kind == 32 && role != maumauSkip) maumauArea().penaltyCount = std::max(0, maumauArea().penaltyCount - 1);
  if (kind == 31 || kind == 32) maumauArea().penaltyKind = kind;
  if (clears) maumauArea().effectCard = noCard();
}

void prepareTurn() {
  TGameState& g = gs();
  g.awaitingAction = 2;
  hoveredCard = 0;
  pickedPile = 0;
  pickedPileIndex = 0;
  if (g.step < 2) {
    g.bl.decisionKind = 1;
    buildTurnDecision();
    g.step = 1;
  }
  g.savedBl = g.bl;
  g.subState = 3;
  cg.showDecisionDialog(false, false);
  maumauShowMarks();
}

}  // namespace

// [SECTION] applying an answer

namespace {

bool offered(int32_t value) {
  const TDecisionBlock& b = gs().bl;
  if (!b.showOptions) return false;
  for (int i = 1; i <= std::clamp(b.optionCount, 0, 8); i++)
    if (b.optionValues[i] == value) return true;
  return false;
}

// An answer the decision does not allow leaves it open.
void refuse(const std::string& what) {
  trace("Mau-Mau: Antwort abgelehnt (" + what + "), Spieler " + std::to_string(seat()));
  gs().awaitingAction = 2;
}

void drawPenalty() {
  TGameState& g = gs();
  if (!maumauRefillStock(2 * maumauArea().penaltyCount)) return;  // tried again next tick
  int32_t who = seat();
  int32_t n = std::min(2 * maumauArea().penaltyCount, maumauCardsOf(maumauStock));
  bool missed = maumauMauMissing();
  if (n == 0) {
    speak("f_maumau_zerokarte", who);
    g.subState = 4;
    g.step = 0;
    if (missed) maumauArea().saidMau[who] = true;
  } else {
    speak(n == 1 ? "f_maumau_ziehtkarte" : "f_maumau_ziehtkarten", who, std::to_string(n));
    int32_t top = maumauCardsOf(maumauStock);
    gethand(who, n, 0, 0.0f, maumauStock, 0);
    noteCoreMove(maumauStock, top - n + 1);
    maumauArea().saidMau[who] = false;
    g.subState = 5;
    missed = maumauMauMissing();
  }
  // A seat punished for its missed announcement loses its turn, with or without cards to
  // draw; a wish card it played still lets it wish first.
  if (missed) {
    TCard top = maumauTopCard();
    if (roleOf(top) == maumauWish && maumauArea().wishedSuit == 0) {
      maumauArea().effectCard = top;
      g.subState = 4;
      g.step = 0;
    } else {
      nextTurn();
      if (n >= 1) g.subState = 5;
    }
  }
  maumauArea().penaltyCount = 0;
  if (maumauArea().savedPenalty > 0) {
    maumauArea().penaltyCount = maumauArea().savedPenalty - 1;
    maumauArea().savedPenalty = 0;
    maumauArea().effectCard = maumauTopCard();
  }
}

void takeOption(int32_t value) {
  TGameState& g = gs();
  int32_t who = seat();
  if (value == maumauOptSayLast) {
    maumauArea().saidMau[who] = true;
    maumauArea().savedPenalty = -g.bl.decisionKind;
    g.subState = 4;
    g.step = std::min(g.step, 1);
  } else if (g.bl.decisionKind == 33) {
    maumauArea().wishedSuit = value;
    say(suitNameTable[std::clamp(envParam.cardStyle, 1, 3)][std::clamp(value, 1, 4)], who, 10, false);
    nextTurn();
  } else if (value == maumauOptContinue) {
    nextTurn();
  } else if (value == maumauOptPass) {
    speak("f_ginrummy_passe", who);
    g.subStep++;
    nextTurn();
  } else if (value == maumauDrawTwo) {
    drawPenalty();
  } else if (value == maumauSkip) {
    speak("f_maumau_setztaus", who);
    nextTurn();
    maumauArea().penaltyCount = std::max(0, maumauArea().penaltyCount - 1);
  }
}

void drawFromStock() {
  TGameState& g = gs();
  if (!maumauRefillStock(1)) return;
  int32_t top = maumauCardsOf(maumauStock);
  if (top < 1) return refuse("kein Stapel");
  gethand(seat(), 1, 0, 0.0f, maumauStock, 0);
  noteCoreMove(maumauStock, top);
  maumauArea().saidMau[seat()] = false;
  g.subState = 0;
}

void playCard(int32_t slot) {
  TGameState& g = gs();
  int32_t who = seat();
  TCard card = sp[who].slots[slot].card;
  int32_t held = maumauCardsOf(who);
  if (held == 2 && maumauArea().saidMau[who]) speak("f_maumau_mausagen", who);
  if (held == 1) speak("f_maumau_maumausagen", who);
  int32_t landed = playCardToTrick(who, slot, maumauPile, 0);
  if (landed < 1) return refuse("Karte " + std::to_string(slot));
  noteCoreMove(who, landed);
  g.subStep = 0;
  g.subState = 1;
  maumauArea().wishedSuit = 0;
  if (roleOf(card) == maumauReverse) maumauArea().turnDirection = 3 - maumauArea().turnDirection;
}

void applyAnswer() {
  TGameState& g = gs();
  const TGetBlender& a = g.getBlender;
  switch (a.kind) {
    case 2:
      if (!offered(a.res_ii)) return refuse("Option " + std::to_string(a.res_ii));
      return takeOption(a.res_ii);
    case 3:
      if (!g.bl.pilesSelectable) return refuse("Stapel");
      return drawFromStock();
    case 0: {
      int32_t slot = a.res_ii;
      bool legal = slot >= 1 && slot <= maumauCardsOf(seat()) && maumauIsLegalCard(sp[seat()].slots[slot].card);
      if (!legal) return refuse("Karte " + std::to_string(slot));
      return playCard(slot);
    }
    default: return refuse("Art " + std::to_string(a.kind));
  }
}

}  // namespace

// [SECTION] the step

namespace {

void afterCardPlayed() {
  TGameState& g = gs();
  maumauArea().effectCard = maumauTopCard();
  int32_t role = roleOf(maumauArea().effectCard);
  if (role == maumauWish || role == maumauPlayAgain) {
    g.step = 1;
    g.subState = 4;
  } else {
    nextTurn();
  }
}

void missedAnnouncement() {
  TGameState& g = gs();
  speak("f_maumau_maumauvergessen", seat());
  g.subState = 4;
  g.step = 0;
  int32_t role = roleOf(maumauTopCard());
  if (role == maumauDrawTwo || role == maumauSkip) maumauArea().penaltyCount++;
  maumauArea().savedPenalty = maumauArea().penaltyCount;
  maumauArea().penaltyCount = 0;
}

void gameOver() {
  TGameState& g = gs();
  for (int32_t s = 2; s <= seats(); s++) moveStackTo(getOpenHandPos(sp[s].restPose, s), s);
  for (int32_t s = 1; s <= seats(); s++) {
    if (s == seat() && maumauCardsOf(s) == 0) {
      speak("f_dialog_gewinner", s);
      continue;
    }
    syncHandFromSlots(sp[s]);
    say(std::to_string(maumauPenaltyPoints(sp[s].hand)) + coreLookupText("f_dialog_punkte"), s, 1, false);
  }
  g.step = maumauStepOver;
}

void stepPlay() {
  TGameState& g = gs();
  if (!maumauRefillStock(1)) return;
  if (g.step == maumauStepMissedMau) return missedAnnouncement();
  if (g.step == maumauStepOver) {
    cg.setMenuButtonCaption(2);
    maumauRoundResult();
    return;
  }
  if (maumauMauMissing() && g.subState != 3 && g.subState != 4) {
    g.step = maumauStepMissedMau;
    return;
  }
  if (g.subStep >= seats() || maumauCardsOf(seat()) == 0) return gameOver();
  inputState = 3;
  switch (g.subState) {
    case 5:
      g.subState = 4;
      g.step = 0;
      break;
    case 0:
      g.subState = 4;
      g.step = 2;
      cg.buildDecisionDialog(37);
      prepareTurn();
      break;
    case 1: afterCardPlayed(); break;
    case 4: prepareTurn(); break;
    case 3: applyAnswer(); break;
    default: break;
  }
}

}  // namespace

void maumauGameStep(TGameState& g) {
  g.gameCounter++;
  switch (g.phase) {
    case maumauPhaseStart:
      g.phase = maumauPhaseDeal;
      g.step = 0;
      g.gameCounter = 0;
      break;
    case maumauPhaseDeal: stepDeal(); break;
    case maumauPhaseTurn:
      maumauAdvanceSeat();
      g.phase = maumauPhasePlay;
      g.gameCounter = 0;
      g.step = 0;
      g.subState = 4;
      break;
    case maumauPhasePlay: stepPlay(); break;
    default: break;
  }
}

// [SECTION] resume

void maumauShowMarks() {
  // The marks are the table panel's pictures; the game's state is all they show.
  static bool told = false;
  if (!told) logNotAvailable("maumauShowMarks");
  told = true;
  if (roleOf(maumauTopCard()) != maumauWish) maumauArea().wishedSuit = 0;
}

// Before the seats are restored: the table and the order of the saved game.
void maumauResume(int phase) {
  if (phase != 0) return;
  cg.prepareResume();
  playerCount = cg.seatCount;
  buildTableLayout(0);
  for (int s = 1; s <= stackCount; s++) spLayout[s].restPose = sp[s].restPose;
  maumauInitSortKeys();
  maumauShowMarks();
}
