// Old Maid's flow (see oldmaid_game.h). Turn states of phase 4, kept in the core's subState:
//   1 the opening discards     4 discarding after a draw     2 drawing
//   3 a decision is open       8 a card was drawn             6 the game is over (step 99)
// The core's subStep counts the seats found without a pair in a row.
//
// [SECTION] options and the new game
// [SECTION] dealing
// [SECTION] laying down pairs
// [SECTION] the step machine
// [SECTION] end of a game, list and texts
// [SECTION] marks, resume and the check of answers
#include "games/family/oldmaid_game.h"

#include <algorithm>

#include "core/card_names.h"
#include "core/card_order.h"
#include "core/cg.h"
#include "core/core_messages.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "games/family/oldmaid_rules.h"
#include "games/family/stock_deal.h"
#include "platform/random.h"
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
#include "table/table_questions.h"

namespace {

constexpr uint8_t stateOpening = 1, stateDraw = 2, stateOpen = 3, stateDiscard = 4, stateOver = 6,
                  stateDrawn = 8;
constexpr int32_t stepOver = 99, stepAsked = 11;
constexpr int32_t decisionDraw = 122, decisionDrawAny = 121, decisionPair = 123;

TGameState& gs() { return cg.gs; }
int32_t seats() { return std::clamp(playerCount, 2, 6); }
int32_t& noPairCount() { return cg.gs.subStep; }

// [SECTION] options and the new game

void oldMaidReadOptions() {
  TOldMaidArea& a = oldMaidArea();
  int32_t d = dlgGameOptions[gidOldMaid];
  if (d != 0 && elRoundsList[gidOldMaid] != 0 && elPointsList[gidOldMaid] != 0) {
    a.gameLimit = oldMaidParseLimit(getTopItem(d, elRoundsList[gidOldMaid]));
    int32_t p = oldMaidParseLimit(getTopItem(d, elPointsList[gidOldMaid]));
    a.pointsLimit = p == oldMaidNoLimit ? 0 : p;
  }
  // The colour rule, the old maid card and where a card is drawn from come with Old Maid's
  // own page; until then the stored fields stand.
  logNotAvailable("Old Maid rule options");
}

void buildOldMaidDeck() {
  TOldMaidArea& a = oldMaidArea();
  cg.setupDeck52();
  TSpieler& stock = sp[11];
  syncHandFromSlots(stock);
  if (a.maidCard != 2) {
    THand kept{};
    for (int32_t i = 1; i <= handUsed(stock.hand); i++) {
      const TCard& c = stock.hand.k[i];
      if (!(c.t == rankQueen && c.f != suitSpades)) handaddk(kept, c);
    }
    stock.hand = kept;
    a.deckSize = 49;
  } else {
    handaddk(stock.hand, makeCard(rankJoker, suitClubs));
    a.deckSize = 53;
  }
  syncSlotsFromHand(stock);
  shuffleStack(stock);
}

}  // namespace

void oldMaidNewGame(bool newList) {
  TOldMaidArea& a = oldMaidArea();
  if (newList) {
    a.maidSeatOrder = 1;
    oldMaidInitSortKeys();
    oldMaidReadOptions();
  }
  playerCount = seats();
  cg.seatCount = playerCount;
  cg.prepareNewGame();
  for (int32_t i = 1; i <= stackCount; i++) {
    sp[i].count = 0;
    syncHandFromSlots(sp[i]);
  }
  noPairCount() = 0;
  a.pairRank = 0;
  a.pairCards.anz = 0;
  a.drawAgain = 0;
  a.markedSeat = 0;
  gs().savedBlSeat = 0;
  buildOldMaidDeck();
  if (newList) gs().gamesPlayed = 0;
  gs().step = 0;
  gs().subState = 0;
  gs().phase = 0;
  a.openingDiscards = 1;
  if (newList) {
    gs().dealer = gs().akspieler = randomBelow(seats()) + 1;
  } else {
    gs().akspieler = std::clamp(gs().dealer, 1, seats());
    gs().dealer = gs().akspieler = oldMaidSeatFromCurrent(1);
  }
}

namespace {

// [SECTION] dealing

void dealStep() {
  const int32_t n = seats();
  stockDealStep(n, oldMaidDealCount, envParam.playDirection == 2 ? oldMaidSeatBack(1) : oldMaidSeatFromCurrent(1));
  if (gs().step >= n) {
    gs().phase = 4;
    gs().step = 0;
    oldMaidArea().pairCards.anz = 0;
    gs().subState = stateOpening;
    noPairCount() = 0;
  }
}

// [SECTION] laying down pairs

// The user's lifted cards of the pair come down before the pair is offered.
void oldMaidLowerPair(int32_t rank) {
  if (gs().akspieler != 1) return;
  for (int32_t i = 1; i <= stackUsed(sp[1]); i++)
    if (sp[1].slots[i].card.t == rank) setCardLift(sp[1].slots[i], 1, 1, i);
}

void findOrPass() {
  TOldMaidArea& a = oldMaidArea();
  if (noPairCount() >= seats()) {
    a.openingDiscards = 0;
    gs().subState = stateDraw;
    return;
  }
  a.pairCards.anz = 0;
  a.pairRank = oldMaidFindPairs();
  if (a.pairRank != 0) {
    oldMaidLowerPair(a.pairRank);
    cg.openDecisionDialog(decisionPair);
    gs().subState = stateOpen;
    gs().step = stepAsked;
    return;
  }
  noPairCount() += 1;
  if (!a.drawAgain)
    for (int32_t k = 0; k < seats(); k++) {
      gs().akspieler = oldMaidSeatFromCurrent(1);
      if (oldMaidCardCount(gs().akspieler) > 0) break;
    }
  a.drawAgain = 0;
  if (oldMaidLoser() == gs().akspieler) {
    gs().step = stepOver;
    gs().subState = stateOver;
    if (gs().akspieler != 1) moveStackTo(getOpenHandPos(sp[gs().akspieler].restPose, gs().akspieler), gs().akspieler);
    return;
  }
  gs().subState = a.openingDiscards ? stateDiscard : stateDraw;
}

void layToCentre() {
  const int32_t seat = gs().akspieler;
  gs().bl.selhand = oldMaidArea().pairCards;
  amove(seat, 0, 12, 0, 0, 3);
  gs().step = 3;
}

void layOnDiscardPile() {
  TOldMaidArea& a = oldMaidArea();
  const int32_t seat = gs().akspieler;
  const int32_t pile = seat + 14, onPile = stackUsed(sp[pile]);
  for (int32_t k = 0; k <= 1; k++)
    moveCardNoted(12, 2 - k, pile, onPile + 1 + k, 1, 2, moveCollect, float(k) * 0.3f, 0);
  gs().pendingMove = 3;
  if (!a.openingDiscards && oldMaidCardCount(seat) > 0) a.drawAgain = 1;
  gs().step = 0;
}

void discardStep() {
  switch (gs().step) {
    case 0: findOrPass(); return;
    case 1:
      say(rankNameTable[4][std::clamp(oldMaidArea().pairRank, 0, 20)], gs().akspieler, 1, false);
      gs().step = 2;
      return;
    case 2: layToCentre(); return;
    case 3: layOnDiscardPile(); return;
    default: return;
  }
}

void answerArrived() {
  const TGetBlender& g = gs().getBlender;
  if (g.kind == 0) {
    int32_t source = oldMaidArea().drawFromAny ? g.res_i : oldMaidNextSeatWithCards();
    gethand(gs().akspieler, 1, 0, 0, source, g.res_ii);
    gs().step = 2;
    gs().subState = stateDrawn;
  } else {
    gs().step = 1;
    gs().subState = stateDiscard;
  }
}

void playStep() {
  switch (gs().subState) {
    case stateOpen: answerArrived(); return;
    case stateOpening: case stateDiscard: discardStep(); return;
    case stateDraw:
      if (oldMaidOthersHaveNoCards()) {
        gs().subState = stateDiscard;
        gs().step = 0;
        noPairCount() = seats() - 1;
        return;
      }
      cg.openDecisionDialog(decisionDraw);
      gs().subState = stateOpen;
      return;
    case stateDrawn:
      if (gs().step == 2) {
        gs().subState = stateDiscard;
        gs().step = 0;
        noPairCount() = seats() - 1;
      }
      return;
    case stateOver:
      cg.setMenuButtonCaption(2);
      oldMaidGameOver();
      return;
    default: return;
  }
}

}  // namespace

// [SECTION] the step machine

void oldMaidGameStep(TGameState& state) {
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
  oldMaidShowMarks();
}

// [SECTION] end of a game, list and texts

void oldMaidGameOver() {
  for (int32_t s = 1; s <= stackCount; s++) syncSlotsFromHand(sp[s]);
  TGameResult r;
  r.kind = resultFinished;
  int32_t low = 1;
  for (int32_t s = 1; s <= seats(); s++) {
    r.values[s] = -oldMaidCardCount(s);
    if (r.values[s] < r.values[low]) low = s;
  }
  r.mainSeat = low;
  cg.endRound(r);
}

namespace {
// The most points a seat has lost in the list.
int32_t mostLost() {
  int32_t most = 0;
  for (int32_t s = 1; s <= seats(); s++) most = std::max(most, -gs().listTotals[s]);
  return most;
}
}  // namespace

bool oldMaidIsListOver() {
  const TOldMaidArea& a = oldMaidArea();
  if (gs().gamesPlayed >= a.gameLimit) return true;
  if (a.pointsLimit <= 0 || a.pointsLimit == oldMaidNoLimit) return false;
  // Totals only fall in Old Maid: the limit counts the points a seat has lost.
  return mostLost() >= a.pointsLimit;
}

void oldMaidListText(std::string& text) {
  const TOldMaidArea& a = oldMaidArea();
  bool games = a.gameLimit != oldMaidNoLimit && a.gameLimit > 0;
  bool points = a.pointsLimit > 0 && a.pointsLimit != oldMaidNoLimit;
  int32_t played = gs().gamesPlayed;
  if (games) {
    text = coreLookupText("f_dialog_spiellisterunden1", std::to_string(played), std::to_string(a.gameLimit));
  } else if (points) {
    text = coreLookupText("f_dialog_spiellistepunkte", std::to_string(mostLost()), std::to_string(a.pointsLimit));
  } else {
    text = std::to_string(played) +
           coreLookupText(played == 1 ? "f_dialog_spielgespielt" : "f_dialog_spielegespielt");
  }
}

void oldMaidResultText(const TGameResult& result, std::string& text) {
  text = coreLookupText("f_dialog_verliertspiel") + cg.seatName(std::clamp(result.mainSeat, 1, 6));
  int32_t seat = std::clamp(gs().akspieler, 1, 6);
  int32_t v = result.values[seat];
  text += "\r" + cg.seatName(seat) + ": " + cg.pointsText(v, true) + " " +
          coreLookupText(v == 1 ? "f_dialog_punkt" : "f_dialog_punkte");
}

void oldMaidEnterHighscore(std::string& text) {
  text.clear();
  int32_t strength = gs().seatProfiles[2].strength;
  int table = strength == 2 ? 2 : strength == 3 ? 3 : 1;
  int32_t score = gs().matchScore[1];
  if (score <= 0) return;
  std::string name = cg.seatNameFit(1, false);
  if (name.size() > 100) name.resize(100);
  text = cg.enterHighscoreValue(gidOldMaid, table, score, name, false);
}

// [SECTION] marks, resume and the check of answers

void oldMaidShowMarks() {
  if (dlgIPanel == 0) return;
  for (int32_t e = 1; e <= 8; e++) {
    setElementShown(dlgIPanel, e, 0);
    setElementEnabled(dlgIPanel, e, 1);
  }
  for (int32_t e : elSuitIcons) if (e) setElementShown(dlgIPanel, e, 0);
  for (int32_t e : elRoundIcons) if (e) setElementShown(dlgIPanel, e, 0);
  for (int32_t i = 1; i <= std::min(oldMaidCardCount(1) + 1, 54); i++)
    if (elActionButtons[i]) setElementShown(dlgIPanel, elActionButtons[i], 1);
  TOldMaidArea& a = oldMaidArea();
  const int32_t seat = gs().akspieler;
  if (seat < 1 || seat > 6) return;
  if (elTurnMarker[seat]) setElementPicture(dlgIPanel, elTurnMarker[seat], texTurnMarker);
  if (gs().step == stepOver || gs().phase == 5) {
    for (int32_t s = 1; s <= 6; s++)
      if (elTurnMarker[s]) setElementVisible(dlgIPanel, elTurnMarker[s], 0);
    return;
  }
  if (a.markedSeat != seat && a.markedSeat >= 1 && a.markedSeat <= 6 && elTurnMarker[a.markedSeat])
    setElementVisible(dlgIPanel, elTurnMarker[a.markedSeat], 0);
  if (elTurnMarker[seat]) setElementVisible(dlgIPanel, elTurnMarker[seat], 1);
  a.markedSeat = seat;
}

void oldMaidResume() {
  cg.prepareResume();
  playerCount = seats();
  cg.seatCount = playerCount;
  oldMaidInitSortKeys();
  oldMaidShowMarks();
}

bool oldMaidCheckAction(int kind, int32_t a, int32_t b) {
  const TDecisionBlock& bl = gs().bl;
  const TOldMaidArea& area = oldMaidArea();
  const int32_t seat = gs().akspieler;
  bool ok = false;
  if (kind == 0 && (bl.decisionKind == decisionDraw || bl.decisionKind == decisionDrawAny)) {
    int32_t source = area.drawFromAny ? a : oldMaidNextSeatWithCards();
    ok = source >= 1 && source <= seats() && source != seat && a == source && b >= 1 &&
         b <= oldMaidCardCount(source);
  } else if (kind == 2 && bl.decisionKind == decisionPair) {
    for (int32_t i = 1; i <= std::min(bl.optionCount, int32_t(decisionOptionCapacity)); i++)
      ok = ok || bl.optionValues[i] == b;
  }
  if (ok) return true;
  trace("Old Maid: abgelehnt (Spieler " + std::to_string(seat) + ", Entscheidung " +
        std::to_string(bl.decisionKind) + ", Art " + std::to_string(kind) + ", " + std::to_string(a) + ", " +
        std::to_string(b) + ")");
  gs().awaitingAction = 2;
  cg.showDecisionDialog(false, false);
  return false;
}
