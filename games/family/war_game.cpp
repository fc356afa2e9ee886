// War's flow (see war_game.h). Turn states of phase 4, kept in the core's subState:
//   4 a turn begins (decision 124)      3 the decision is open
//   1 the seat turns up its top card    8 next seat, or the comparison once all have played
//   5 war: each seat lays face down     7 resolving: step 1 reveal, 2 acknowledge, 3 collect
//   6 after a collection until both hands are ready; with step 99 the game is over
//
// [SECTION] options and the new game
// [SECTION] dealing
// [SECTION] the round
// [SECTION] the step machine
// [SECTION] end of a game, list and texts
// [SECTION] resume and the check of answers
#include "games/family/war_game.h"

#include <algorithm>

#include "core/card_order.h"
#include "core/cg.h"
#include "core/core_messages.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "games/family/stock_deal.h"
#include "games/family/war_rules.h"
#include "platform/random.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "sound/sound_events.h"
#include "sound/speech.h"
#include "table/deal_moves.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/table_layout.h"

namespace {

constexpr int32_t stateAsk = 4, stateOpen = 3, stateTurnUp = 1, stateNext = 8, stateWar = 5, stateResolve = 7,
                  stateCollected = 6;
constexpr int32_t stepOver = 99;
constexpr int32_t decisionTurnUp = 124, decisionContinue = 37;

TGameState& gs() { return cg.gs; }
int32_t& warRound() { return cg.gs.gameCounter; }
int32_t& lastWarCommentRound() { return cg.gs.gameValue; }

// The computer seat's remark on a war; the comments are not built yet.
bool warSayComment(int32_t seat, int32_t kind, int32_t first, int32_t second, int32_t chance) {
  (void)seat, (void)kind, (void)first, (void)second, (void)chance;
  logNotAvailable("TSoundContainer.sayComment");
  return false;
}

// [SECTION] options and the new game

void warReadOptions() {
  TWarArea& a = warArea();
  int32_t d = dlgGameOptions[gidWar];
  if (d != 0 && elRoundsList[gidWar] != 0 && elPointsList[gidWar] != 0) {
    a.gameLimit = warParseLimit(getTopItem(d, elRoundsList[gidWar]));
    int32_t p = warParseLimit(getTopItem(d, elPointsList[gidWar]));
    a.pointsLimit = p == warNoLimit ? 0 : p;
  }
  // The joker and game-win choices and the dialog's limit choice come with War's own page;
  // until then the stored fields stand.
  logNotAvailable("War rule options");
}

void buildWarDeck() {
  cg.setupDeck52();
  TSpieler& stock = sp[11];
  if (warArea().jokerWars) {
    syncHandFromSlots(stock);
    handaddk(stock.hand, makeCard(rankJoker, 1));
    handaddk(stock.hand, makeCard(rankJoker, 2));
    syncSlotsFromHand(stock);
  }
  shuffleStack(stock);
}

}  // namespace

void warStartGame(bool newList) {
  TWarArea& a = warArea();
  for (auto& seat : a.potFaceUp) std::fill(seat.begin(), seat.end(), uint8_t(1));
  if (newList) {
    warRound() = 0;
    a.warSeatOrder = 1;
    warRankValueTable();
    warReadOptions();
  }
  playerCount = warSeats;
  cg.seatCount = warSeats;
  cg.prepareNewGame();
  for (int32_t i = 1; i <= stackCount; i++) {
    sp[i].count = 0;
    syncHandFromSlots(sp[i]);
  }
  std::fill(a.warsWon.begin(), a.warsWon.end(), 0);
  a.roundWinner = 0;
  a.potCardsMoved = 0;
  a.savedSeat = 0;
  gs().savedBlSeat = 0;
  buildWarDeck();
  if (newList) gs().gamesPlayed = 0;
  gs().step = 0;
  gs().subStep = 0;
  gs().subState = 0;
  gs().phase = 0;
  if (newList) {
    gs().dealer = gs().akspieler = randomBelow(warSeats) + 1;
  } else {
    gs().akspieler = std::clamp(gs().dealer, 1, warSeats);
    gs().dealer = gs().akspieler = warSeatFromCurrent(1);
  }
}

namespace {

// [SECTION] dealing

void dealStep() {
  const int32_t n = warSeats;
  stockDealStep(n, warDealCount, envParam.playDirection == 2 ? warSeatBack(1) : warSeatFromCurrent(1));
  if (gs().step >= n) {
    gs().phase = 4;
    gs().step = 0;
    gs().subState = stateAsk;
    gs().subStep = 0;
    gs().akspieler = 1;  // seat 1 always opens the play
  }
}

// [SECTION] the round

void compare() {
  TWarArea& a = warArea();
  a.roundWinner = warRoundWinner();
  say("", 0, 0, false);
  if (warIsWar()) {
    soundContainer.playEvent(32, 0, 0);
    if (lastWarCommentRound() != warRound() && warRound() != lastWarCommentRound() + 1) {
      int32_t pot = warPotCount(1);
      int32_t chance = pot > 5 ? 95 : pot >= 2 ? 90 : 40;
      if (warSayComment(2, 5, 41, 0, chance)) lastWarCommentRound() = warRound();
    }
    gs().subState = stateWar;
    gs().step = 0;
    return;
  }
  if (warPotCount(1) > 1)
    warSayComment(2, 5, a.roundWinner == 2 ? 39 : 40, 0, (warPotCount(1) + warPotCount(2)) * 3 + 40);
  gs().subState = stateResolve;
  gs().step = 1;
}

void turnUp() {
  int32_t seat = gs().akspieler;
  if (warSeatIsOut(seat)) {
    // Its last card lies in a tied pot: it passes, and the top of its pot is compared once
    // every other seat has turned up its card.
    gs().step += 1;
    gs().subState = stateNext;
    return;
  }
  if (!warCollectCards(seat, 1)) return;
  int32_t hand = warHandCount(seat), pot = warPotCount(seat);
  warTableLayout(seat + 14, pot + 1);
  moveCardNoted(seat, hand, seat + 14, pot + 1, 1, 2, moveDraw, 0, 0);
  gs().step += 1;
  gs().subState = stateNext;
}

void nextOrCompare() {
  if (gs().step == warSeats) {
    compare();
    return;
  }
  gs().akspieler = warSeatFromCurrent(1);
  gs().subState = stateAsk;
}

void layFaceDown() {
  if (gs().step >= warSeats) {
    gs().step = 0;
    gs().subState = stateAsk;
    return;
  }
  int32_t s = gs().akspieler;
  if (!warCollectCards(s, std::min(4, warHandCount(s) + warWonCount(s)))) return;
  warTableLayout(0, 0);
  int32_t hand = warHandCount(s), pot = warPotCount(s);
  for (int32_t i = 1; i <= 3; i++)
    if (i < hand) moveCardNoted(s, hand + 1 - i, s + 14, pot + i, 1, 2, moveDraw, float(i) * 0.2f, 0);
  gs().step += 1;
  gs().akspieler = warSeatFromCurrent(1);
}

bool warFought() { return warPotCount(1) > 1 || warPotCount(2) > 1; }

void reveal() {
  if (warFought())
    for (int32_t s = 1; s <= warSeats; s++)
      for (int32_t j = 1; j <= warPotCount(s); j++)
        moveCardNoted(s + 14, j, s + 14, j, 1, 6, warIsCardFaceUp(s + 14, j) ? moveInPlace17 : moveArc, 0, 0);
  gs().step = 2;
}

void acknowledge() {
  if (!warFought()) {
    gs().step = 3;
    return;
  }
  warArea().savedSeat = gs().akspieler;
  gs().akspieler = 1;
  cg.openDecisionDialog(decisionContinue);
}

void collect() {
  TWarArea& a = warArea();
  warRound() += 1;
  gs().step = 0;
  int32_t w = a.roundWinner = warRoundWinner();
  int32_t total = 0, won = warWonCount(w);
  for (int32_t s = 1; s <= warSeats; s++)
    for (int32_t j = 1; j <= warPotCount(s); j++) {
      total += 1;
      moveCardNoted(s + 14, j, w + 6, won + total, 1, 2, moveCount, 0, 0);
    }
  a.potCardsMoved = total;
  gs().subState = stateCollected;
}

void afterCollection() {
  if (gs().step == stepOver) {
    warGameOver();
    cg.setMenuButtonCaption(2);
    return;
  }
  if (!warCollectCards(1, 1) || !warCollectCards(2, 1)) return;
  TWarArea& a = warArea();
  int32_t w = std::clamp(a.roundWinner, 1, warSeats);
  a.warsWon[w] += warPointsForCollection(a.potCardsMoved);
  gs().subState = stateNext;
}

void resolve() {
  switch (gs().step) {
    case 1: reveal(); return;
    case 2: acknowledge(); return;
    case 3: collect(); return;
    default: return;
  }
}

void answerArrived() {
  if (gs().bl.decisionKind == decisionContinue) {
    gs().akspieler = std::clamp(warArea().savedSeat, 1, warSeats);
    gs().subState = stateResolve;
    gs().step = 3;
  } else {
    gs().subState = stateTurnUp;
  }
}

void playStep() {
  if (warFindWinner() != 0 && !(gs().subState == stateCollected && gs().step == stepOver)) {
    gs().subState = stateCollected;
    gs().step = stepOver;
    return;
  }
  switch (gs().subState) {
    case stateOpen: answerArrived(); return;
    case stateAsk:
      cg.openDecisionDialog(decisionTurnUp);
      gs().subState = stateOpen;
      return;
    case stateTurnUp: turnUp(); return;
    case stateNext: nextOrCompare(); return;
    case stateResolve: resolve(); return;
    case stateWar: layFaceDown(); return;
    case stateCollected: afterCollection(); return;
    default: return;
  }
}

// The table overlay shows the hand and pile buttons and no turn marker.
void warShowMarks() {
  if (dlgIPanel == 0) return;
  for (int32_t e = 1; e <= 8; e++) {
    setElementShown(dlgIPanel, e, 0);
    setElementEnabled(dlgIPanel, e, 1);
  }
  for (int32_t e : elSuitIcons) if (e) setElementShown(dlgIPanel, e, 0);
  for (int32_t e : elRoundIcons) if (e) setElementShown(dlgIPanel, e, 0);
  for (int32_t i = 1; i <= 54; i++)
    if (elActionButtons[i]) setElementShown(dlgIPanel, elActionButtons[i], 1);
  for (int32_t e : elTurnMarker)
    if (e) setElementVisible(dlgIPanel, e, 0);
}

}  // namespace

// [SECTION] the step machine

void warGameStep(TGameState& state) {
  const int32_t last = warSeats + 14;
  for (int32_t s = 1; s <= last; s++) syncHandFromSlots(sp[s]);
  switch (state.phase) {
    case 0:
      state.phase = 1;
      state.step = 0;
      break;
    case 1:
      if (state.step < warSeats) dealStep();
      break;
    case 4: playStep(); break;
    default: break;
  }
  for (int32_t s = 1; s <= last; s++) syncSlotsFromHand(sp[s]);
  warShowMarks();
}

// [SECTION] end of a game, list and texts

void warGameOver() {
  for (int32_t s = 1; s <= warSeats + 14; s++) syncSlotsFromHand(sp[s]);
  const TWarArea& a = warArea();
  TGameResult r;
  r.kind = resultFinished;
  int32_t best = 1;
  for (int32_t s = 1; s <= warSeats; s++) {
    r.values[s] = a.warsWon[s];
    if (a.warsWon[s] > a.warsWon[best]) best = s;
  }
  r.mainSeat = best;
  cg.endRound(r);
}

bool warIsListOver() {
  const TWarArea& a = warArea();
  if (gs().gamesPlayed >= a.gameLimit) return true;
  if (a.pointsLimit == 0 || a.pointsLimit == warNoLimit) return false;
  for (int32_t s = 1; s <= warSeats; s++)
    if (gs().listTotals[s] >= a.pointsLimit) return true;
  return false;
}

void warListText(std::string& text) {
  const TWarArea& a = warArea();
  bool games = a.gameLimit != warNoLimit && a.gameLimit > 0;
  bool points = a.pointsLimit != 0 && a.pointsLimit != warNoLimit;
  int32_t played = gs().gamesPlayed;
  if (games) {
    text = coreLookupText("f_dialog_spiellisterunden1", std::to_string(played), std::to_string(a.gameLimit));
  } else if (points) {
    int32_t high = 0;
    for (int32_t s = 1; s <= warSeats; s++) high = std::max(high, gs().listTotals[s]);
    text = coreLookupText("f_dialog_spiellistepunkte", std::to_string(high), std::to_string(a.pointsLimit));
  } else {
    text = std::to_string(played) +
           coreLookupText(played == 1 ? "f_dialog_spielgespielt" : "f_dialog_spielegespielt");
  }
}

void warResultText(const TGameResult& result, std::string& text) {
  text = cg.winnerSentence(result) + ".\r\r" + coreLookupText("f_dialog_abrechnung") + ": ";
  for (int32_t s = 1; s <= warSeats; s++)
    text += "\r" + cg.seatName(s) + ": " + cg.pointsText(result.values[s], true) + " " +
            coreLookupText("f_war_wars2");
}

void warEnterHighscore(std::string& text) {
  std::string name = cg.seatNameFit(1, false);
  if (name.size() > 100) name.resize(100);
  text = cg.enterHighscoreValue(gidWar, 1, gs().matchScore[1], name, false);
}

// [SECTION] resume and the check of answers

void warResume() {
  cg.prepareResume();
  playerCount = warSeats;
  cg.seatCount = warSeats;
  for (int32_t i = 1; i <= stackCount; i++) {
    spLayout[i].restPose = sp[i].restPose;
    spLayout[i].pose = sp[i].pose;
  }
  for (int32_t s = 1; s <= warSeats; s++)
    for (int32_t j = 1; j <= warHandCount(s); j++)
      setCardTargetPositions(s, j, 1, warIsCardFaceUp(s, j) ? 3 : 2, 2);
  warRankValueTable();
}

bool warCheckAction(int kind, int32_t a, int32_t b) {
  const TDecisionBlock& bl = gs().bl;
  bool offered = false;
  if (kind == 2)
    for (int32_t i = 1; i <= std::min(bl.optionCount, int32_t(decisionOptionCapacity)); i++)
      offered = offered || bl.optionValues[i] == b;
  // The seat's own pile, clicked as a pile or on one of its cards.
  const int32_t seat = std::clamp(gs().akspieler, 1, warSeats);
  bool pile = bl.decisionKind == decisionTurnUp &&
              ((kind == 3 && a == seat && a == bl.pileA && b >= 0 && b <= warHandCount(seat)) ||
               (kind == 0 && (a == 0 || a == seat) && b >= 1 && b <= warHandCount(seat)));
  bool known = bl.decisionKind == decisionTurnUp || bl.decisionKind == decisionContinue;
  if (known && (offered || pile)) return true;
  trace("War: abgelehnt (Spieler " + std::to_string(gs().akspieler) + ", Entscheidung " +
        std::to_string(bl.decisionKind) + ", Art " + std::to_string(kind) + ", " + std::to_string(a) + ", " +
        std::to_string(b) + ")");
  gs().awaitingAction = 2;
  cg.showDecisionDialog(false, false);
  return false;
}
