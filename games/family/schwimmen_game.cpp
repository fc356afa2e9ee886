// Schwimmen's flow (see schwimmen_game.h). Phases: 0 start, 1 deal, 3 the dealer's choice,
// 4 play. Steps of phase 4:
//   0 a turn begins           1 the turn's answer        2 ask for the middle card
//   3 take the middle card    5, 4 swapping all cards: the hand into the middle, then the
//                             old middle into the hand
//   11..13 the middle is replaced after every seat passed
//   20 "Knack"  30 the show-down  31 the result
//
// [SECTION] options and the new game
// [SECTION] dealing and the dealer's choice
// [SECTION] the play
// [SECTION] the step machine
// [SECTION] end of a game, list and texts
// [SECTION] reactions, marks, resume and the check of answers
#include "games/family/schwimmen_game.h"

#include <algorithm>

#include "core/card_order.h"
#include "core/cg.h"
#include "core/core_messages.h"
#include "core/engine_switches.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "games/family/schwimmen_rules.h"
#include "games/family/stock_deal.h"
#include "platform/random.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "shell/table_textures.h"
#include "sound/sound_events.h"
#include "sound/speech.h"
#include "table/move_executor.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "table/table_questions.h"

namespace {

constexpr int32_t stepTurn = 0, stepAnswer = 1, stepAskTake = 2, stepTake = 3, stepSwapBack = 4, stepSwapIn = 5,
                  stepTurnDone = 10,
                  stepNewMiddle = 11, stepStockAside = 12, stepStockBack = 13, stepKnack = 20, stepShowDown = 30,
                  stepResult = 31;
constexpr uint8_t noAnswer = 7;

TGameState& gs() { return cg.gs; }
int32_t seats() { return schwimmenSeats(); }

// [SECTION] options and the new game

void schwimmenReadOptions() {
  TSchwimmenArea& a = schwimmenArea();
  int32_t d = dlgGameOptions[gidSchwimmen];
  if (d != 0 && elRoundsList[gidSchwimmen] != 0 && elPointsList[gidSchwimmen] != 0) {
    a.gameLimit = schwimmenParseLimit(getTopItem(d, elRoundsList[gidSchwimmen]));
    int32_t p = schwimmenParseLimit(getTopItem(d, elPointsList[gidSchwimmen]));
    a.pointsLimit = p == schwimmenNoLimit ? 0 : p;
  }
  // The dealer, scoring and rule choices come with Schwimmen's own page; until then the
  // stored fields stand, the dealer row read as the page would correct it.
  logNotAvailable("Schwimmen rule options");
  a.firstDealerOption = schwimmenDealerRow(a.firstDealerOption, seats(), false);
  if (a.gameLimit <= 0) a.gameLimit = schwimmenNoLimit;
  if (a.pointsLimit < 0) a.pointsLimit = 0;
}

}  // namespace

void schwimmenNewGame(bool newList) {
  TSchwimmenArea& a = schwimmenArea();
  playerCount = seats();
  cg.seatCount = playerCount;
  if (newList) {
    stat0 = stat1 = stat2 = stat3 = 0;
    schwimmenReadOptions();
  }
  cg.prepareNewGame();
  schwimmenInitSortKeys();
  for (int32_t i = 1; i <= stackCount; i++) {
    sp[i].count = 0;
    syncHandFromSlots(sp[i]);
  }
  schwimmenBuildDeck();
  a.knockTurns = 0;
  a.passCount = 0;
  a.knocked = 0;
  a.lastLaidSlot = 0;
  gs().step = 0;
  gs().subStep = 0;
  gs().subState = 0;
  gs().phase = 0;
  gs().savedBlSeat = 0;
  if (newList) {
    gs().gamesPlayed = 0;
    gs().savedBlSeat = 1;
    gs().dealer = a.firstDealerOption <= 1 ? randomBelow(seats() - 1) + 2 : a.firstDealerOption - 1;
  } else {
    gs().dealer = nextSchwimmenSeat(std::clamp(gs().dealer, 1, seats()));
  }
  gs().akspieler = gs().dealer;
}

namespace {

// [SECTION] dealing and the dealer's choice

int32_t threeCards(int32_t) { return 3; }

void ask(int32_t kind) {
  cg.openDecisionDialog(kind);
  gs().getBlender.kind = noAnswer;
}

void dealStep() {
  const int32_t n = seats();
  if (gs().step < n) {
    int32_t next = envParam.playDirection == 2 ? prevSchwimmenSeat(-1) : nextSchwimmenSeat(-1);
    stockDealStep(n, threeCards, next);
    return;
  }
  gs().step = 0;
  gs().phase = 3;
  gs().akspieler = gs().dealer;
  ask(schwimmenDecisionDealer);
}

// The top three stock cards, sorted, open into the middle.
void stockToMiddle() {
  TSpieler& stock = sp[11];
  const int32_t c = stackUsed(stock);
  if (c >= 3) sortSlotsByValue(stock, c - 2, 3, true);
  amove(11, c, 12, 1, 3, 0);
}

void dealerChose() {
  const TGetBlender& g = gs().getBlender;
  const int32_t dealer = gs().dealer;
  if (g.kind == 2 && g.res_ii == schwimmenNewCards) {
    // The old cards leave slots 1..3 in the queued order before the new ones land there.
    sp[dealer].count = 0;
    amove(11, stackUsed(sp[11]), dealer, 1, 3, 0);
    sp[dealer].count = 3;
    amove(dealer, 1, 12, 1, 3, 0);
  } else {
    stockToMiddle();
  }
  gs().akspieler = nextSchwimmenSeat(dealer);
  gs().step = 0;
  gs().phase = 4;
}

// [SECTION] the play

void showDown() {
  if (engineFastMode())
    for (int32_t s = 1; s <= seats(); s++) stat0 += handUsed(gs().seatKnownCards[s]);
  for (int32_t s = 2; s <= seats(); s++) moveStackTo(getOpenHandPos(sp[s].restPose, s), s);
  for (int32_t s = 1; s <= seats(); s++)
    say(formatHandValue(schwimmenHandValue(s)) + " Punkte", s, 0, true);
}

void replaceMiddleStep() {
  switch (gs().step) {
    case stepNewMiddle:
      stockToMiddle();
      gs().step = stepStockAside;
      return;
    case stepStockAside: {
      const int32_t c = stackUsed(sp[11]);
      amove(11, c, 15, c + stackUsed(sp[15]), c, 0);
      gs().step = stepStockBack;
      return;
    }
    case stepStockBack: {
      const int32_t c = stackUsed(sp[15]);
      amove(15, c, 11, c, c, 0);
      gs().step = stepTurn;
      return;
    }
    default: return;
  }
}

void startTurn() {
  TSchwimmenArea& a = schwimmenArea();
  if (a.knocked) {
    a.knockTurns += 1;
    a.passCount = 0;
  }
  ask(a.swapAllAllowed ? schwimmenDecisionTurnAll : schwimmenDecisionTurn);
  if (a.knocked && dlgInGame != 0) {
    int32_t knockButton = a.swapAllAllowed ? elDecisionRow3[2] : elDecisionRow2[2];
    if (knockButton) setElementEnabled(dlgInGame, knockButton, 0);
  }
  gs().step = stepAnswer;
}

void swapAll(int32_t seat) {
  TSchwimmenArea& a = schwimmenArea();
  say("Alle", seat, 0, false);
  TSpieler& hold = sp[16];
  hold.count = 0;
  syncHandFromSlots(hold);
  hold.restPose = sp[12].restPose;
  hold.restPose.z += 330;
  const int32_t m = stackUsed(sp[12]);
  amove(12, m, 16, m, 3, 0);
  a.passCount = 0;
  // The hand follows into the middle once the middle's cards have left it, so that no
  // slot of the middle holds two cards at once.
  gs().step = stepSwapIn;
}

void swapIn() {
  amove(gs().akspieler, 1, 12, 1, 3, 0);
  gs().step = stepSwapBack;
}

void turnAnswer() {
  TSchwimmenArea& a = schwimmenArea();
  const TGetBlender& g = gs().getBlender;
  const int32_t seat = gs().akspieler;
  if (g.kind == 0) {
    a.passCount = 0;
    amove(seat, g.res_ii, 12, 4, 1, 2);
    gs().step = stepAskTake;
  } else if (g.kind == 2 && g.res_ii == schwimmenPass) {
    a.passCount += 1;
    say("Schiebt", seat, 12, false);
    a.lastLaidSlot = 0;
    gs().akspieler = nextSchwimmenSeat(seat);
    gs().step = stepTurn;
  } else if (g.kind == 2 && g.res_ii == schwimmenKnock) {
    a.knocked = 1;
    say("Klopft", seat, 11, false);
    a.lastLaidSlot = 0;
    schwimmenSound(2, seat, 0);
    gs().akspieler = nextSchwimmenSeat(seat);
    a.passCount = 0;
    gs().step = stepTurn;
  } else if (g.kind == 2 && g.res_ii == schwimmenSwapAll) {
    swapAll(seat);
  }
}

void takeMiddleCard() {
  TSchwimmenArea& a = schwimmenArea();
  const int32_t b = gs().getBlender.res_ii, seat = gs().akspieler;
  if (b < a.lastLaidSlot) a.lastLaidSlot -= 1;
  else if (b == a.lastLaidSlot) a.lastLaidSlot = 0;
  amove(12, b, seat, 1, 1, 0);
  gs().akspieler = nextSchwimmenSeat(seat);
  gs().step = stepTurnDone;
}

void swapBack() {
  const int32_t seat = gs().akspieler;
  sp[seat].count = 0;
  amove(16, stackUsed(sp[16]), seat, 3, 3, 0);
  gs().akspieler = nextSchwimmenSeat(seat);
  gs().step = stepTurn;
}

void playStep() {
  TSchwimmenArea& a = schwimmenArea();
  const int32_t n = seats();
  int32_t& step = gs().step;
  if (step == stepTurn)
    for (int32_t s = 1; s <= n; s++)
      if (schwimmenHandValue(s) == schwimmenTop) {
        gs().akspieler = s;
        step = stepKnack;
      }
  if (step == stepKnack) {
    say("Knack", gs().akspieler, 1, false);
    step = stepShowDown;
  }
  if (step == stepShowDown) {
    showDown();
    step = stepResult;
  }
  if (step == stepTurn && a.knockTurns >= n - 1) step = stepShowDown;
  if (step == stepResult) {
    cg.setMenuButtonCaption(2);
    schwimmenRoundResult();
    return;
  }
  if (step == stepTurn && !a.knocked && a.passCount >= n) {
    const int32_t m = stackUsed(sp[12]);
    amove(12, m, 15, stackUsed(sp[15]) + 3, 3, 0);
    a.passCount = 0;
    step = stepNewMiddle;
    return;
  }
  switch (step) {
    case stepNewMiddle: case stepStockAside: case stepStockBack: replaceMiddleStep(); return;
    case stepTurn: startTurn(); return;
    case stepAnswer: turnAnswer(); return;
    case stepAskTake:
      if (gs().akspieler != 1) say("", gs().akspieler, 0, false);
      ask(schwimmenDecisionTake);
      step = stepTake;
      return;
    case stepTake: takeMiddleCard(); return;
    case stepSwapIn: swapIn(); return;
    case stepSwapBack: swapBack(); return;
    default: return;
  }
}

}  // namespace

// [SECTION] the step machine

void schwimmenGameStep(TGameState& state) {
  state.gameCounter += 1;
  switch (state.phase) {
    case 0:
      state.phase = 1;
      state.step = 0;
      break;
    case 1: dealStep(); break;
    case 3:
      if (state.getBlender.kind != noAnswer) dealerChose();
      break;
    case 4:
      playStep();
      if (state.phase == 4 && state.step == stepTurnDone) state.step = stepTurn;
      break;
    default: break;
  }
  if (screenMode != 0 && !engineFastMode()) schwimmenShowMarks();
}

// [SECTION] end of a game, list and texts

std::string schwimmenNameList(const std::vector<int32_t>& list) {
  std::string out;
  for (size_t i = 0; i < list.size(); i++) {
    if (i > 0) out += i + 1 == list.size() ? " und " : ", ";
    out += cg.seatName(list[i]);
  }
  return out;
}

void schwimmenBuildResult(TGameResult& r) {
  const TSchwimmenArea& a = schwimmenArea();
  const int32_t n = seats();
  int32_t low = 0, high = 0;
  LArray<int32_t, 1, 6> value{};
  for (int32_t s = 1; s <= n; s++) {
    value[s] = schwimmenHandValue(s);
    if (low == 0 || value[s] < value[low]) low = s;
    if (high == 0 || value[s] > value[high]) high = s;
  }
  std::vector<int32_t> losers, winners;
  for (int32_t s = 1; s <= n; s++) {
    if (value[s] == value[low]) losers.push_back(s);
    if (value[s] == value[high]) winners.push_back(s);
  }
  r = TGameResult{};
  r.kind = resultFinished;
  r.mainSeat = 1;
  std::string sentence;
  int32_t shown = 0;
  if (a.scorePositive) {
    for (int32_t s : winners) r.values[s] = 1;
    shown = value[high];
    sentence = schwimmenNameList(winners) +
               (winners.size() == 1 ? " " + coreLookupText("f_dialog_gewinntmit") : std::string(" gewinnen mit "));
  } else {
    for (int32_t s : losers) r.values[s] = -1;
    shown = value[low];
    sentence = schwimmenNameList(losers) + (losers.size() == 1 ? " verliert mit " : " verlieren mit ");
  }
  r.text = formatHandValue(shown) + " Augen";
  r.longText = sentence + formatHandValue(shown) + " Augen.";
}

void schwimmenRoundResult() {
  TGameResult r;
  schwimmenBuildResult(r);
  cg.endRound(r);
}

namespace {
// The best list total of the scoring's sign (negated under "Negativ"), at least 0.
int32_t bestTotal() {
  const bool positive = schwimmenArea().scorePositive != 0;
  int32_t best = 0;
  for (int32_t s = 1; s <= seats(); s++) best = std::max(best, positive ? gs().listTotals[s] : -gs().listTotals[s]);
  return best;
}
}  // namespace

bool schwimmenIsListOver() {
  const TSchwimmenArea& a = schwimmenArea();
  if (gs().gamesPlayed >= a.gameLimit) return true;
  return a.pointsLimit > 0 && bestTotal() >= a.pointsLimit;
}

void schwimmenListText(std::string& text) {
  const TSchwimmenArea& a = schwimmenArea();
  text = std::to_string(gs().gamesPlayed) + " von " +
         (a.gameLimit == schwimmenNoLimit ? std::string("unbegrenzt") : std::to_string(a.gameLimit)) +
         " Runden gespielt, " + std::to_string(bestTotal()) + " von " +
         (a.pointsLimit == 0 ? std::string("unbegrenzt") : std::to_string(a.pointsLimit)) + " max. Punkten erreicht";
}

void schwimmenResultText(const TGameResult& result, std::string& text) { text = result.longText; }

void schwimmenEnterHighscore(std::string& text) {
  text.clear();
  const int32_t score = gs().matchScore[1];
  if (score <= 0) return;
  std::string name = cg.seatNameFit(1, false);
  if (name.size() > 100) name.resize(100);
  text = cg.enterHighscoreValue(gidSchwimmen, gs().gamesPlayed <= 10 ? 1 : 2, score, name, false);
}

// [SECTION] reactions, marks, resume and the check of answers

void schwimmenSound(int32_t type, int32_t seat, int32_t value) {
  if (type == 1) {
    if (seat == 1) return;
    const int32_t who = gs().akspieler;
    if (value >= 300) soundContainer.sayComment(who, 0, 3, 3, 90);
    else if (value >= 280) soundContainer.sayComment(who, 0, 2, 3, 80);
    else if (value >= 250) soundContainer.sayComment(who, 0, 1, 3, 50);
    else soundContainer.sayComment(who, 0, 1, 3, 60);
    return;
  }
  if (type != 2) return;
  const int32_t after = nextSchwimmenSeat(seat);
  for (int32_t s = 1; s <= seats(); s++) {
    if (s == seat || s == after) continue;
    const int32_t v = schwimmenHandValue(s);
    if (v > 210) continue;
    if (v <= 120) soundContainer.sayComment(s, 0, -3, -1, 90);
    else if (v <= 200) soundContainer.sayComment(s, 0, -2, -1, 80);
    else soundContainer.sayComment(s, 0, -1, -1, 60);
    return;
  }
}

void schwimmenShowMarks() {
  if (dlgIPanel == 0) return;
  for (int32_t e = 1; e <= 8; e++) {
    setElementShown(dlgIPanel, e, 0);
    setElementEnabled(dlgIPanel, e, 1);
  }
  for (int32_t e : elSuitIcons)
    if (e) setElementShown(dlgIPanel, e, 0);
  for (int32_t e : elRoundIcons)
    if (e) setElementShown(dlgIPanel, e, 0);
  const TSchwimmenArea& a = schwimmenArea();
  auto mark = [](int32_t element, int32_t picture) {
    if (element == 0) return;
    setElementPicture(dlgIPanel, element, picture);
    setElementShown(dlgIPanel, element, 1);
  };
  if (a.knocked) {
    mark(elRoundIcons[1], texKnockMarker);
    return;
  }
  for (int32_t k = 1; k <= std::min(a.passCount, 9); k++) mark(k == 1 ? elRoundIcons[1] : k - 1, texPassMarker);
}

void schwimmenResume() {
  cg.prepareResume();
  playerCount = seats();
  cg.seatCount = playerCount;
  schwimmenInitSortKeys();
  if (dlgIPanel != 0)
    for (int32_t i = 1; i <= 25; i++)
      if (elActionButtons[i]) setElementVisible(dlgIPanel, elActionButtons[i], 1);
}

bool schwimmenCheckAction(int kind, int32_t a, int32_t b) {
  const TDecisionBlock& bl = gs().bl;
  const int32_t seat = gs().akspieler;
  auto offered = [&](int32_t v) {
    for (int32_t i = 1; i <= std::min(bl.optionCount, int32_t(decisionOptionCapacity)); i++)
      if (bl.optionValues[i] == v) return true;
    return false;
  };
  bool ok = false;
  switch (bl.decisionKind) {
    case schwimmenDecisionDealer: ok = kind == 2 && offered(b); break;
    case schwimmenDecisionTurn:
    case schwimmenDecisionTurnAll:
      if (kind == 2) ok = offered(b) && !(b == schwimmenKnock && schwimmenArea().knocked);
      else if (kind == 0) ok = seat >= 1 && seat <= seats() && b >= 1 && b <= stackUsed(sp[seat]);
      break;
    case schwimmenDecisionTake: ok = kind == 3 && b >= 1 && b <= stackUsed(sp[12]); break;
    default: break;
  }
  if (ok) return true;
  trace("Schwimmen: abgelehnt (Spieler " + std::to_string(seat) + ", Entscheidung " +
        std::to_string(bl.decisionKind) + ", Art " + std::to_string(kind) + ", " + std::to_string(a) + ", " +
        std::to_string(b) + ")");
  gs().awaitingAction = 2;
  cg.showDecisionDialog(false, false);
  return false;
}
