// Go Fish's flow (see gofish_game.h). Turn states of phase 4, kept in the core's subState:
//   2 a turn begins     4 the question is asked      3 a decision is open
//   8 resolving (steps 10..17)                       6 the game is over (step 99)
//
// [SECTION] options and the new game
// [SECTION] dealing
// [SECTION] answers
// [SECTION] resolving
// [SECTION] the step machine
// [SECTION] end of a game, list and texts
// [SECTION] marks, resume and the check of answers
#include "games/family/gofish_game.h"

#include <algorithm>

#include "core/card_ai.h"
#include "core/card_names.h"
#include "core/card_order.h"
#include "core/cg.h"
#include "core/core_messages.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "games/family/gofish_ai.h"
#include "games/family/gofish_rules.h"
#include "platform/random.h"
#include "shell/card_ai_lookup.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "shell/table_textures.h"
#include "sound/speech.h"
#include "table/deal_moves.h"
#include "table/move_executor.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"

namespace {

constexpr uint8_t stateStep = 0, stateIdle = 1, stateTurn = 2, stateOpen = 3, stateAsk = 4, stateOver = 6,
                  stateResolve = 8;
constexpr int32_t stepOver = 99;
constexpr int32_t decisionAsk = 118, decisionGoFish = 119, decisionGive = 120, decisionDraw = 121,
                  decisionGiveMany = 123, decisionDrawEmpty = 124;
constexpr int32_t gainDrew = 1, gainReceived = 2;

TGameState& gs() { return cg.gs; }
int32_t seats() { return goFishSeats(); }

void tellAI(int32_t from, int32_t to, TCard card) {
  if (TAbstractCardAIImpl* ai = getCardAIByType(gidGoFish)) ai->karte_bewegt(from, to, card);
}

bool lifted(const TCardSlot& s) { return s.moving && s.animType == 1 && s.liftState != 1; }

// When seat 1 acts, its lifted cards of the rank come down.
void goFishLowerLifted(int32_t rank) {
  if (gs().akspieler != 1) return;
  for (int32_t i = 1; i <= stackUsed(sp[1]); i++)
    if (sp[1].slots[i].card.t == rank && lifted(sp[1].slots[i])) setCardLift(sp[1].slots[i], 1, 1, i);
}

// [SECTION] options and the new game

void goFishReadOptions() {
  TGoFishArea& a = goFishArea();
  int32_t d = dlgGameOptions[gidGoFish];
  if (d != 0 && elRoundsList[gidGoFish] != 0 && elPointsList[gidGoFish] != 0) {
    a.gameLimit = goFishParseLimit(getTopItem(d, elRoundsList[gidGoFish]));
    int32_t p = goFishParseLimit(getTopItem(d, elPointsList[gidGoFish]));
    a.pointsLimit = p == goFishNoLimit ? 0 : p;
  }
  // The deal, book and empty-hand choices come with Go Fish's own page; until then the
  // stored fields stand, read as the options refresh would correct them.
  logNotAvailable("Go Fish rule options");
  a.dealCount = goFishFitDealCount(a.dealCount, seats());
  if (a.emptyHandRefill != 0 && a.emptyHandRefill != 1) a.emptyHandRefill = a.dealCount;
}

}  // namespace

void goFishNewGame(bool newList) {
  TGoFishArea& a = goFishArea();
  playerCount = seats();
  cg.seatCount = playerCount;
  if (newList) {
    a.fishSeatOrder = 1;
    goFishInitSortKeys();
    goFishReadOptions();
  }
  a.dealCount = goFishFitDealCount(a.dealCount, seats());
  cg.prepareNewGame();
  for (int32_t i = 1; i <= stackCount; i++) {
    sp[i].count = 0;
    syncHandFromSlots(sp[i]);
  }
  a.bookRank = 0;
  a.bookCards.anz = 0;
  a.askedRank = a.askedSeat = a.asker = 0;
  a.askSelection.anz = 0;
  a.lastGain = 0;
  a.bookSize = a.pairsVariant ? 2 : 4;
  gs().savedBlSeat = 0;
  cg.setupDeck52();
  if (newList) gs().gamesPlayed = 0;
  gs().step = 0;
  gs().subState = 0;
  gs().phase = 0;
  if (newList) {
    gs().dealer = gs().akspieler = randomBelow(seats()) + 1;
  } else {
    gs().akspieler = std::clamp(gs().dealer, 1, seats());
    gs().dealer = gs().akspieler = goFishSeatFromCurrent(1);
  }
  tellAI(-1, -1, noCard());
}

namespace {

// [SECTION] dealing

void dealStep() {
  const int32_t n = seats(), count = goFishArea().dealCount;
  if (gs().dealStyle == 1) {
    int32_t stock = stackUsed(sp[11]);
    for (int32_t i = 1; i <= n; i++) {
      int32_t seat = envParam.playDirection == 2 ? n + 1 - i : i;
      gethand(seat, count, (i - 1) * count, float(i - 1) * 0.25f, 11, 0);
    }
    noteCoreMove(11, stock - n * count + 1);
    gs().step = n;
  } else {
    gs().akspieler = envParam.playDirection == 2 ? goFishSeatBack(1) : goFishSeatFromCurrent(1);
    gs().step += 1;
    int32_t stock = stackUsed(sp[11]);
    gethand(gs().akspieler, count, 0, 0, 11, 0);
    noteCoreMove(11, stock - count + 1);
  }
  if (gs().step >= n) {
    gs().phase = 4;
    gs().step = 0;
    gs().subState = stateTurn;
  }
}

// [SECTION] answers

void putQuestion() {
  TGoFishArea& a = goFishArea();
  if (a.askedRank > 0 && a.askedSeat > 0) {
    say(rankNameTable[4][std::clamp(a.askedRank, 0, 20)], gs().akspieler, 23, false);
    tellAI(gs().akspieler + 100, a.askedSeat, makeCard(a.askedRank, 0));
    gs().akspieler = a.askedSeat;
    gs().subState = stateResolve;
    gs().step = 10;
  } else {
    gs().subState = stateAsk;
  }
}

void seatChosen(int32_t seat) {
  TGoFishArea& a = goFishArea();
  THand sel{};
  if (gs().akspieler == 1)
    for (int32_t i = 1; i <= stackUsed(sp[1]); i++)
      if (lifted(sp[1].slots[i])) {
        TCard c = sp[1].slots[i].card;
        c.hi = static_cast<int16_t>(i);
        handaddk(sel, c);
      }
  gs().bl.selhand = sel;
  a.askSelection = sel;
  if (handUsed(sel) > 0) {
    a.askedRank = sel.k[1].t;
    int32_t i = sel.k[1].hi;
    if (i >= 1 && i <= stackUsed(sp[1])) setCardLift(sp[1].slots[i], 0, 1, i);
  }
  a.askedSeat = seat;
}

void saidGoFish() {
  TGoFishArea& a = goFishArea();
  tellAI(gs().akspieler, gs().akspieler, makeCard(a.askedRank, 255));
  if (randomReal() < 0.08) {
    say("Excuse", gs().akspieler, 24, false);
    say(coreLookupText("f_say_gofish"), gs().akspieler, 26, false);
  } else {
    say(coreLookupText("f_say_gofish"), gs().akspieler, 25, false);
  }
  gs().akspieler = std::clamp(a.asker, 1, seats());
  gs().subState = stateOpen;
  cg.openDecisionDialog(decisionDraw);
}

void answerArrived() {
  TGoFishArea& a = goFishArea();
  const TGetBlender& g = gs().getBlender;
  const int32_t kind = gs().bl.decisionKind;
  if (kind == decisionDraw || kind == decisionDrawEmpty) {
    gs().step = 12;
    gs().subState = stateResolve;
    return;
  }
  if (g.kind == 0) {
    int32_t i = g.res_ii;
    if (i >= 1 && i <= goFishCardCount(gs().akspieler)) a.askedRank = sp[gs().akspieler].slots[i].card.t;
  } else if (kind == decisionAsk) {
    seatChosen(g.res_ii);
  } else if (kind == decisionGive || kind == decisionGiveMany) {
    gs().step = 11;
    gs().subState = stateResolve;
    return;
  } else if (kind == decisionGoFish) {
    saidGoFish();
    return;
  }
  if (kind == decisionAsk) putQuestion();
}

void turnStarts() {
  TGoFishArea& a = goFishArea();
  const int32_t seat = gs().akspieler;
  if (goFishCardCount(seat) > 0) {
    gs().step = 0;
    a.askedRank = a.askedSeat = 0;
    a.askSelection.anz = 0;
    gs().subState = stateAsk;
    return;
  }
  if (a.endWhenEmpty || (a.emptyHandRefill == 0 && goFishAllHandsEmpty())) {
    gs().step = stepOver;
    gs().subState = stateOver;
    return;
  }
  const int32_t stock = stackUsed(sp[11]);
  if (a.emptyHandRefill == 0 || stock == 0) {
    gs().akspieler = goFishSeatFromCurrent(1);
  } else if (a.emptyHandRefill == 1) {
    gethand(seat, 1, 0, 0, 11, 0);
    noteCoreMove(11, stock);
    gs().akspieler = goFishSeatFromCurrent(1);
  } else {
    int32_t n = std::min(a.dealCount, stock);
    gethand(seat, n, 0, 0, 11, 0);
    noteCoreMove(11, stock - n + 1);
  }
}

void askQuestion() {
  if (goFishOthersHaveNoCards()) {
    gs().subState = stateOpen;
    cg.openDecisionDialog(decisionDraw);
    return;
  }
  gs().step += 1;
  goFishArea().asker = gs().akspieler;
  gs().subState = stateOpen;
  cg.openDecisionDialog(decisionAsk);
}

// [SECTION] resolving

// A computer seat's cards of the rank go last, so the hand shows nothing of where they were.
void orderRankLast(int32_t seat, int32_t rank) {
  TSpieler& s = sp[seat];
  syncHandFromSlots(s);
  THand others{}, ofRank{};
  for (int32_t i = 1; i <= handUsed(s.hand); i++) handaddk(s.hand.k[i].t == rank ? ofRank : others, s.hand.k[i]);
  for (int32_t i = 1; i <= handUsed(ofRank); i++) handaddk(others, ofRank.k[i]);
  s.hand = others;
  syncSlotsFromHand(s);
}

void handOver() {
  const TGoFishArea& a = goFishArea();
  const int32_t seat = gs().akspieler;
  if (cg.seatRecords[seat].kind != seatKindUser) orderRankLast(seat, a.askedRank);
  THand sel{};
  for (int32_t i = 1; i <= stackUsed(sp[seat]); i++)
    if (sp[seat].slots[i].card.t == a.askedRank) {
      TCard c = sp[seat].slots[i].card;
      c.hi = static_cast<int16_t>(i);
      handaddk(sel, c);
    }
  gs().bl.selhand = sel;
  amove(seat, 0, 12, 0, 0, 3);
  gs().step = 13;
}

void receive() {
  TGoFishArea& a = goFishArea();
  gethand(std::clamp(a.asker, 1, seats()), stackUsed(sp[12]), 0, 0, 12, 0);
  noteCoreMove(12, 1);
  gs().step = 16;
  a.lastGain = gainReceived;
  gs().akspieler = std::clamp(a.asker, 1, seats());
}

void draw() {
  TGoFishArea& a = goFishArea();
  const int32_t stock = stackUsed(sp[11]);
  // With an empty stock the acknowledged "Go Fish" ends the turn.
  if (stock > 0) {
    gethand(gs().akspieler, 1, 0, 0, 11, 0);
    noteCoreMove(11, stock);
  }
  gs().step = 16;
  a.lastGain = gainDrew;
}

void lookForBook() {
  TGoFishArea& a = goFishArea();
  a.bookRank = goFishFindBooks();
  if (a.bookRank != 0) {
    a.lastGain = gainReceived;
    goFishLowerLifted(a.bookRank);
    gs().step = 14;
    gs().subState = stateResolve;
  } else {
    gs().step = 17;
  }
}

void resolve() {
  TGoFishArea& a = goFishArea();
  switch (gs().step) {
    case 10:
      if (hasRank(sp[gs().akspieler].hand, a.askedRank)) {
        goFishLowerLifted(a.askedRank);
        cg.openDecisionDialog(decisionGive);
      } else {
        cg.openDecisionDialog(decisionGoFish);
      }
      gs().subState = stateOpen;
      return;
    case 11: handOver(); return;
    case 13: receive(); return;
    case 12: draw(); return;
    case 14:
      say(rankNameTable[4][std::clamp(a.bookRank, 0, 20)], gs().akspieler, 1, false);
      gs().step = 15;
      return;
    case 15:
      gs().bl.selhand = a.bookCards;
      amove(gs().akspieler, 0, gs().akspieler + 14, 0, 0, 3);
      gs().step = 16;
      return;
    case 16: lookForBook(); return;
    case 17:
      gs().subState = stateTurn;
      if (a.lastGain == gainDrew) gs().akspieler = goFishSeatFromCurrent(1);
      return;
    default: return;
  }
}

void playStep() {
  if (goFishIsOver() && gs().step != stepOver) {
    gs().step = stepOver;
    gs().subState = stateOver;
    return;
  }
  switch (gs().subState) {
    case stateOpen: answerArrived(); return;
    case stateStep: gs().step += 1; return;
    case stateTurn: turnStarts(); return;
    case stateAsk: askQuestion(); return;
    case stateIdle: return;
    case stateResolve:
      if (gs().step != stepOver) resolve();
      return;
    case stateOver:
      if (gs().step == stepOver) {
        cg.setMenuButtonCaption(2);
        goFishGameOver();
      }
      return;
    default:
      if (gs().step == stepOver) {
        gs().pendingMove = 3;
        gs().subState = stateOver;
      }
      return;
  }
}

}  // namespace

// [SECTION] the step machine

void goFishGameStep(TGameState& state) {
  state.gameCounter += 1;
  if (state.phase == 4)
    for (int32_t s : {1, 2, 3, 4, 5, 6, 11, 12}) syncHandFromSlots(sp[s]);
  switch (state.phase) {
    case 0:
      state.phase = 1;
      state.step = 0;
      break;
    case 1:
      if (state.step < seats()) dealStep();
      break;
    case 4: playStep(); break;
    default: break;
  }
  goFishShowMarks();
}

// [SECTION] end of a game, list and texts

void goFishGameOver() {
  for (int32_t s = 15; s <= 20; s++) syncSlotsFromHand(sp[s]);
  TGameResult r;
  r.kind = resultFinished;
  int32_t best = 1;
  for (int32_t s = 1; s <= seats(); s++) {
    r.values[s] = goFishBookCount(s);
    if (r.values[s] > r.values[best]) best = s;
  }
  r.mainSeat = best;
  cg.endRound(r);
}

bool goFishIsListOver() {
  const TGoFishArea& a = goFishArea();
  if (gs().gamesPlayed >= a.gameLimit) return true;
  if (a.pointsLimit <= 0 || a.pointsLimit == goFishNoLimit) return false;
  for (int32_t s = 1; s <= seats(); s++)
    if (gs().listTotals[s] >= a.pointsLimit) return true;
  return false;
}

void goFishListText(std::string& text) {
  const TGoFishArea& a = goFishArea();
  bool games = a.gameLimit != goFishNoLimit && a.gameLimit > 0;
  bool points = a.pointsLimit > 0 && a.pointsLimit != goFishNoLimit;
  int32_t played = gs().gamesPlayed;
  if (games) {
    text = coreLookupText("f_dialog_spiellisterunden1", std::to_string(played), std::to_string(a.gameLimit));
  } else if (points) {
    int32_t high = 0;
    for (int32_t s = 1; s <= seats(); s++) high = std::max(high, gs().listTotals[s]);
    text = coreLookupText("f_dialog_spiellistepunkte", std::to_string(high), std::to_string(a.pointsLimit));
  } else {
    text = std::to_string(played) +
           coreLookupText(played == 1 ? "f_dialog_spielgespielt" : "f_dialog_spielegespielt");
  }
}

void goFishResultText(const TGameResult& result, std::string& text) {
  text = cg.winnerSentence(result) + ".\r\r" + coreLookupText("f_dialog_abrechnung") + ": ";
  for (int32_t s = 1; s <= seats(); s++)
    text += "\r" + cg.seatName(s) + ": " + cg.pointsText(result.values[s], true) + coreLookupText("f_dialog_punkte");
}

void goFishEnterHighscore(std::string& text) {
  text.clear();
  int32_t strength = gs().seatProfiles[2].strength;
  int table = strength == 2 ? 2 : strength == 3 ? 3 : 1;
  int32_t score = gs().listTotals[1];
  if (score <= 0) return;
  std::string name = cg.seatNameFit(1, false);
  if (name.size() > 100) name.resize(100);
  text = cg.enterHighscoreValue(gidGoFish, table, score, name, false);
}

// [SECTION] marks, resume and the check of answers

void goFishShowMarks() {
  if (dlgIPanel == 0) return;
  for (int32_t e = 1; e <= 8; e++) {
    setElementShown(dlgIPanel, e, 0);
    setElementEnabled(dlgIPanel, e, 1);
  }
  for (int32_t e : elSuitIcons) if (e) setElementShown(dlgIPanel, e, 0);
  for (int32_t e : elRoundIcons) if (e) setElementShown(dlgIPanel, e, 0);
  const int32_t seat = gs().akspieler;
  const bool over = gs().step == stepOver || gs().phase == 5;
  if (!over && seat >= 1 && seat <= 6 && elTurnMarker[seat])
    setElementPicture(dlgIPanel, elTurnMarker[seat], texTurnMarker);
  for (int32_t s = 1; s <= 6; s++)
    if (elTurnMarker[s]) setElementVisible(dlgIPanel, elTurnMarker[s], !over && s == seat ? 1 : 0);
}

void goFishResume(bool keepSortKeys) {
  cg.prepareResume();
  playerCount = seats();
  cg.seatCount = playerCount;
  if (!keepSortKeys) goFishInitSortKeys();
  if (auto* ai = dynamic_cast<TGoFishAI*>(getCardAIByType(gidGoFish))) ai->createPlayers();
  goFishShowMarks();
}

bool goFishCheckAction(int kind, int32_t a, int32_t b) {
  const TDecisionBlock& bl = gs().bl;
  const int32_t seat = gs().akspieler;
  bool offered = false;
  if (kind == 2)
    for (int32_t i = 1; i <= std::min(bl.optionCount, int32_t(decisionOptionCapacity)); i++)
      offered = offered || bl.optionValues[i] == b;
  bool ok = false;
  switch (bl.decisionKind) {
    case decisionAsk:
      ok = (kind == 2 && offered && b >= 1 && b <= seats() && b != seat && goFishCardCount(b) > 0) ||
           (kind == 0 && b >= 1 && b <= goFishCardCount(seat));
      break;
    case decisionGoFish: case decisionGive: case decisionGiveMany: ok = kind == 2 && offered; break;
    case decisionDraw: case decisionDrawEmpty: ok = (kind == 2 && offered) || (kind == 3 && a == 11); break;
    default: break;
  }
  if (ok) return true;
  trace("Go Fish: abgelehnt (Spieler " + std::to_string(seat) + ", Entscheidung " +
        std::to_string(bl.decisionKind) + ", Art " + std::to_string(kind) + ", " + std::to_string(a) + ", " +
        std::to_string(b) + ")");
  gs().awaitingAction = 2;
  cg.showDecisionDialog(false, false);
  return false;
}
