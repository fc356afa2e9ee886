// The test game "Hoch" drives the core end to end without a screen: ticks, computer seats
// after the computer delay, the user's actions, decisions, results, the end of the list,
// highscores, and a save in the middle of a game that a load continues to the same end.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "core/game_list.h"
#include "engine/dialogs.h"
#include "engine/engine_events.h"
#include "engine/elements.h"
#include "platform/paths.h"
#include "shell/game_list_screen.h"
#include "shell/shell_globals.h"
#include "tests/core/driver_fixture.h"
#include "tests/core/test_game.h"
#include "tests/support/alerts.h"

namespace {

class GameFlowTest : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    registerGameCallbacks(testGameId, &hochCallbacks());
    hochLog() = THochLog{};
    playerCount = testGameSeats;
    setElementText(dlgGameOptions[testGameId], elPlayerNameEdit[testGameId], "Anna", 0);
  }

  void startList() {
    screenMode = 1;
    cg.startGame(testGameId, 0);
  }

  // One frame: a finished card move reaches the core, then the tick; the clock moves on.
  void frame(uint32_t ms = 20) {
    if (cg.gs.pendingMove == 3) cg.cardDone(cg.gs.pendingStack, 0, cg.gs.pendingSlot, 0);
    cg.gameTick();
    userActs();
    advanceFakeTick(ms);
  }

  // The user answers Kontra with userKontra and always plays the last card of the hand.
  void userActs() {
    if (cg.gs.awaitingAction != 2 || cg.gs.akspieler != 1) return;
    if (cg.gs.bl.showOptions)
      cg.submitAction(2, 0, userKontra);
    else if (cg.gs.bl.cardsSelectable)
      cg.submitAction(0, 0, stackUsed(sp[1]));
  }

  bool gameListWaits() const { return cg.gs.phase == 5 && dialogOf(dlgGameList).open; }

  // Frames until the game-list dialog waits for its continue button.
  void playToGameEnd() {
    for (int i = 0; i < 5000 && !gameListWaits(); i++) frame();
    ASSERT_TRUE(gameListWaits()) << "the game did not end; step " << cg.gs.step;
  }

  // Frames until the user is asked for a card with at least one trick taken in game n.
  void playToUserCardInGame(int n) {
    auto ready = [&] {
      int tricks = sp[7].count + sp[8].count + sp[9].count;
      return cg.gs.gamesPlayed == n - 1 && tricks >= 3 && cg.gs.awaitingAction == 2 && cg.gs.akspieler == 1 &&
             cg.gs.bl.cardsSelectable && !cg.gs.bl.showOptions;
    };
    for (int i = 0; i < 5000 && !ready(); i++) {
      if (cg.gs.pendingMove == 3) cg.cardDone(cg.gs.pendingStack, 0, cg.gs.pendingSlot, 0);
      cg.gameTick();
      if (ready()) break;
      userActs();
      advanceFakeTick(20);
      if (gameListWaits()) gameListContinuePressed();
    }
    ASSERT_TRUE(ready()) << "never reached the user's card in game " << n;
  }

  // From wherever the list stands to its end: every game, every continue press.
  void playToListEnd() {
    while (true) {
      playToGameEnd();
      if (HasFatalFailure()) return;
      bool over = cg.gs.listOver != 0;
      gameListContinuePressed();
      if (over) return;
    }
  }

  struct TListState {
    int32_t gamesPlayed;
    std::vector<int32_t> totals, standings, rows;
    std::vector<std::string> texts;
    bool operator==(const TListState&) const = default;
  };
  static TListState listState() {
    TListState s{cg.gs.gamesPlayed, {}, {}, {}, {}};
    for (int i = 1; i <= testGameSeats; i++) {
      s.totals.push_back(cg.gs.listTotals[i]);
      s.standings.push_back(cg.gs.matchScore[i]);
    }
    for (int n = 1; n <= cg.gs.gamesPlayed; n++) {
      for (int i = 1; i <= testGameSeats; i++) s.rows.push_back(gameListValue(n, i));
      s.texts.push_back(gameListRowText(n));
    }
    return s;
  }

  void TearDown() override {
    setEngineEventHandler(nullptr);
    DriverTest::TearDown();
  }

  int32_t userKontra = -1;
};

TEST_F(GameFlowTest, PlaysAWholeListHeadless) {
  startList();
  EXPECT_EQ(cg.gameId, testGameId);
  EXPECT_EQ(cg.seatRecords[1].kind, seatKindUser);
  EXPECT_EQ(cg.seatRecords[2].kind, seatKindComputer);
  EXPECT_EQ(cg.gs.playerRecords[1].name.str(), "Anna") << "the user's name from the options dialog";

  playToGameEnd();
  // Game 1: seat 2 says Kontra (x2); seat 2, seat 3 and the user take one trick each.
  EXPECT_EQ(gameListValue(1, 1), 2);
  EXPECT_EQ(gameListValue(1, 2), 2);
  EXPECT_EQ(gameListValue(1, 3), 2);
  EXPECT_EQ(gameListRowText(1), "Spiel x2");
  EXPECT_EQ(getElementText(dlgGameList, elGameListContinue), "{f_dialog_weiter}");
  EXPECT_EQ(getElementText(dlgGameList, elGameListCaption), "!Nach 1 Spielen");
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.back().caption, "{f_dialog_spielergebnis}") << "the result box";
  EXPECT_EQ(screenMode, 2) << "no game step while the game-list dialog waits";

  gameListContinuePressed();
  EXPECT_EQ(screenMode, 1);
  playToListEnd();
  ASSERT_FALSE(HasFatalFailure());

  EXPECT_EQ(cg.gs.gamesPlayed, testGameListLength);
  EXPECT_EQ(cg.gs.listOver, 1);
  int32_t sumOfTotals = 0;
  for (int i = 1; i <= testGameSeats; i++) {
    int32_t total = 0;
    for (int n = 1; n <= 3; n++) total += gameListValue(n, i);
    EXPECT_EQ(cg.gs.listTotals[i], total) << "seat " << i << ": the total is the sum of its rows";
    sumOfTotals += total;
  }
  EXPECT_EQ(sumOfTotals, 3 * 2 + 3 + 3) << "three tricks a game; only game 1 was doubled";
  EXPECT_EQ(screenMode, 0) << "the end of the list goes back to the start screen";
  EXPECT_EQ(hochLog().results.size(), 3u);
  // The match end, then the congratulation of the highscore entry.
  ASSERT_GE(boxes.size(), 2u);
  EXPECT_NE(boxes[boxes.size() - 2].text.find("{f_dialog_spielgewinn"), std::string::npos) << boxes[boxes.size() - 2].text;
  EXPECT_EQ(boxes.back().caption, "{f_dialog_glückwunsch}");
  EXPECT_EQ(cg.highscores[testGameId][1][1].name.str(), "Anna");
  EXPECT_EQ(cg.highscores[testGameId][1][1].points, cg.gs.matchScore[1]);
}

// The element events the engine sent to the main window's receiver.
std::vector<std::pair<int32_t, int32_t>> heardElementEvents;

// The main window's event channel hands the game list's continue button to the shell while
// the list is open; this receiver does the same for that one element.
void routeGameListContinue() {
  heardElementEvents.clear();
  setEngineEventHandler([](uint8_t, int32_t d, int32_t e) {
    if (d <= 0) return;
    heardElementEvents.emplace_back(d, e);
    if (d == dlgGameList && e == elGameListContinue && dialogOf(dlgGameList).open) gameListContinuePressed();
  });
}

TEST_F(GameFlowTest, InTheTutorialTheGameListDoesNotWait) {
  routeGameListContinue();
  startList();
  cg.gs.tutorialMode = 1;
  TGameResult r;
  r.values[1] = 1;
  r.text = "Lektion";
  cg.endRound(r);
  EXPECT_EQ(cg.gs.gamesPlayed, 1);
  EXPECT_EQ(gameListRowText(1), "Lektion");
  EXPECT_EQ(cg.gs.phase, 0) << "the continue button was pressed at once: the next game started";
  EXPECT_FALSE(dialogOf(dlgGameList).open);
}

TEST_F(GameFlowTest, ComputerSeatWaitsForTheComputerDelay) {
  startList();
  // Up to the step that asks seat 2 for Kontra.
  for (int i = 0; i < 10 && !(cg.gs.awaitingAction == 2 && cg.gs.akspieler == 2); i++) frame(1);
  ASSERT_EQ(cg.gs.awaitingAction, 2);
  uint32_t asked = cg.gs.lastStepTick;
  useFakeTick(asked + aiDelay - 1);
  cg.gameTick();
  cg.gameTick();
  EXPECT_EQ(hochLog().aiMoves, 0) << "no move before the delay";
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  useFakeTick(asked + aiDelay);
  cg.gameTick();  // the elapsed time reaches the delay
  cg.gameTick();  // the seat moves
  EXPECT_EQ(hochLog().aiMoves, 1);
  EXPECT_EQ(cg.gs.getBlender.res_ii, 1) << "seat 2 said Kontra";
}

TEST_F(GameFlowTest, TheTickWrapNeverFreezesTheComputerSeats) {
  useFakeTick(0xFFFFFFFFu - 150);
  startList();
  playToGameEnd();
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_GT(hochLog().aiMoves, 0);
  EXPECT_EQ(cg.gs.gamesPlayed, 1);
}

TEST_F(GameFlowTest, UserActionsAreTakenOnlyWhenTheDecisionAllowsThem) {
  startList();
  for (int i = 0; i < 200 && !(cg.gs.awaitingAction == 2 && cg.gs.akspieler == 2); i++) frame(1);
  ASSERT_EQ(cg.gs.bl.decisionKind, 44);
  cg.submitAction(0, 0, 1);  // a card while the Kontra question is open
  EXPECT_EQ(cg.gs.awaitingAction, 2) << "a card is refused while cards are not selectable";
  {
    AlertCollector alerts;
    cg.submitAction(2, 0, 40000);
    EXPECT_EQ(alerts.count(), 1u) << "a value beyond 16 bits is refused with an alert";
  }
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  cg.submitAction(2, 0, -1);
  EXPECT_EQ(cg.gs.awaitingAction, 0);
  EXPECT_EQ(cg.gs.getBlender.res_ii, -1);
  EXPECT_EQ(cg.gs.getBlender.kind, 2);
}

TEST_F(GameFlowTest, ASaveInTheMiddleOfAGameLoadsToTheSameEnd) {
  startList();
  playToUserCardInGame(2);
  ASSERT_FALSE(HasFatalFailure());
  std::string base = programPath("\\save\\mitte");
  ASSERT_FALSE(cg.saveGame(base, "mitte", true)) << "the save succeeded";
  int32_t savedStep = cg.gs.step;
  playToListEnd();
  ASSERT_FALSE(HasFatalFailure());
  TListState played = listState();

  // A new start of the program: nothing of the first run is left but the files.
  cg = blank();
  clearStacks();
  playerCount = 0;
  hochLog() = THochLog{};
  cg.gameId = testGameId;
  createCardAIs();
  ASSERT_TRUE(cg.loadGame(base));
  cg.setMenuButtonCaption(1);
  cg.resumeGame();
  ASSERT_EQ(hochLog().resumed.size(), 1u);
  EXPECT_EQ(hochLog().resumed[0], savedStep);
  EXPECT_EQ(playerCount, testGameSeats);
  EXPECT_EQ(cg.seatNames[1].str(), "Anna") << "names come back from the player records";
  playToListEnd();
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_TRUE(listState() == played) << "the loaded game ends as the saved one did";
}

TEST_F(GameFlowTest, AGameSavedAfterItsEndStartsTheNextGameWhenLoaded) {
  startList();
  playToGameEnd();
  ASSERT_FALSE(HasFatalFailure());
  std::string base = programPath("\\save\\ende");
  ASSERT_FALSE(cg.saveGame(base, "ende", true));
  TListState ended = listState();

  cg = blank();
  clearStacks();
  cg.gameId = testGameId;
  screenMode = 1;
  ASSERT_TRUE(cg.loadGame(base));
  EXPECT_TRUE(listState() == ended) << "nothing is recorded again";
  EXPECT_EQ(cg.gs.phase, 0) << "the next game of the list started";
  EXPECT_EQ(cg.gs.step, hochDeal);
  EXPECT_EQ(cg.gs.dealer, 2) << "the list goes on with the next dealer";
}

}  // namespace

TEST_F(GameFlowTest, ALoadedGameThatHadEndedPressesTheContinueButtonThroughTheEngine) {
  startList();
  playToGameEnd();
  ASSERT_FALSE(HasFatalFailure());
  std::string base = programPath("\\save\\gedrueckt");
  ASSERT_FALSE(cg.saveGame(base, "gedrueckt", true));
  hideDialog(dlgGameList);
  routeGameListContinue();
  cg = blank();
  clearStacks();
  cg.gameId = testGameId;
  screenMode = 1;
  ASSERT_TRUE(cg.loadGame(base));
  const auto pressed = std::count(heardElementEvents.begin(), heardElementEvents.end(),
                                  std::make_pair(dlgGameList, elGameListContinue));
  EXPECT_EQ(pressed, 1) << "the continue button, once";
  EXPECT_EQ(cg.gs.dealer, 2) << "the next game started once";
}
