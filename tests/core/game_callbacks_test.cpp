// The core and the card table reach a game only through the table of calls registered for
// its id: a fake game's table answers every call, and a game without a table gets the
// neutral answers.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "core/game_state_image.h"
#include "table/table_game_hooks.h"
#include "tests/core/driver_fixture.h"
#include "tests/support/cards.h"

namespace {

constexpr TGameId fakeId = gidBlackjack;  // its own table, if any, is set aside during each test

std::vector<std::string>& calls() {
  static std::vector<std::string> log;
  return log;
}
void note(const std::string& call) { calls().push_back(call); }

// Every entry notes its call and answers something no neutral answer is.
TGameCallbacks fakeTable() {
  TGameCallbacks t;
  t.newGame = [](bool newList) { note(newList ? "newGame 1" : "newGame 0"); };
  t.gameStep = [](TGameState&) { note("gameStep"); };
  t.resume = [](int phase) { note("resume " + std::to_string(phase)); };
  t.enterHighscore = [] { note("enterHighscore"); return std::string("Gratulation"); };
  t.isListOver = [](const TGameResult&) { note("isListOver"); return true; };
  t.listText = [](const TGameResult&) { note("listText"); return std::string("Liste"); };
  t.resultText = [](const TGameResult&) { note("resultText"); return std::string("Ergebnis"); };
  t.aiMove = [] { note("aiMove"); };
  t.checkAction = [](int, int32_t, int32_t b) { note("checkAction"); return b != 99; };
  t.aiObserve = [](int kind, int32_t a, int32_t b) {
    note("aiObserve " + std::to_string(kind) + " " + std::to_string(a) + " " + std::to_string(b));
  };
  t.isTrump = [](const TCard& c) { note("isTrump"); return c.t == rankAce; };
  t.isSeatHandOpen = [](int32_t seat) { note("isSeatHandOpen"); return seat == 2; };
  t.isLegalCard = [](const TCard&) { note("isLegalCard"); return false; };
  t.isLegalFollow = [](const TCard&, const TCard&) { note("isLegalFollow"); return false; };
  t.allCardsSelectable = [] { note("allCardsSelectable"); return false; };
  t.ledTrickCard = [] { note("ledTrickCard"); return card("hK"); };
  t.refreshSeatMarks = [] { note("refreshSeatMarks"); };
  t.areaAnswers = [](TGameAreaQueries& q) { q.blackjackDealerCardUp = [] { note("blackjackDealerCardUp"); return true; }; };
  t.listsToArea = [] { note("listsToArea"); };
  t.listsFromArea = [] { note("listsFromArea"); };
  t.areaImageIo = [](TRecordIo& io, TGameState& gs) {
    note("areaImageIo");
    io.i32(gs.gameValue);
  };
  return t;
}

std::string yes(bool b) { return b ? "1" : "0"; }

size_t imageSize() { return gameStateImage(cg.gs).size(); }

class GameCallbacksTest : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    saved = registeredGameCallbacks(fakeId);
    registerGameCallbacks(fakeId, nullptr);
    cg.gameId = fakeId;
    calls().clear();
    plainImageSize = imageSize();
  }
  void TearDown() override {
    registerGameCallbacks(fakeId, saved);
    DriverTest::TearDown();
  }
  const TGameCallbacks* saved = nullptr;

  struct Case {
    const char* call;                     // the entry the core reaches
    std::function<std::string()> ask;     // the core's or the table's call, its answer as text
    std::string answer;                   // with the fake table
    std::string neutral;                  // without a table
  };
  static std::vector<Case> cases() {
    TGameResult r;
    return {
        {"newGame 1", [] { return yes(gameNewGame(fakeId, true)); }, "1", "0"},
        {"gameStep", [] { return yes(gameStepCall(cg.gs)); }, "1", "0"},
        {"resume 0", [] { gameResume(0); return std::string(); }, "", ""},
        {"resume 1", [] { gameResume(1); return std::string(); }, "", ""},
        {"aiMove", [] { return yes(gameAIMove()); }, "1", "0"},
        {"enterHighscore", [] { return cg.enterHighscore(); }, "Gratulation", ""},
        {"isListOver", [r] { return yes(gameIsListOver(r)); }, "1", "0"},
        {"listText", [r] { return gameListText(r); }, "Liste", ""},
        {"resultText", [r] { return gameResultText(r); }, "Ergebnis", ""},
        {"isTrump", [] { return yes(isTrump(card("sA"))); }, "1", "0"},
        {"isSeatHandOpen", [] { return yes(gameIsSeatHandOpen(2)); }, "1", "0"},
        {"isLegalCard", [] { return yes(gameIsLegalCard(card("sA"))); }, "0", "1"},
        {"isLegalFollow", [] { return yes(gameIsLegalFollow(card("sA"), card("s7"))); }, "0", "1"},
        {"allCardsSelectable", [] { return yes(gameAllCardsSelectable()); }, "0", "1"},
        {"ledTrickCard", [] { return cardText(gameLedTrickCard()); }, "hK", cardText(noCard())},
        {"refreshSeatMarks", [] { gameRefreshSeatMarks(); return std::string(); }, "", ""},
        {"blackjackDealerCardUp", [] { return yes(gameAreas.blackjackDealerCardUp()); }, "1", "0"},
        {"listsToArea", [] { gameListsToArea(); return std::string(); }, "", ""},
        {"listsFromArea", [] { gameListsFromArea(); return std::string(); }, "", ""},
        {"areaImageIo", [] { return std::to_string(imageSize()); }, "", ""},
    };
  }

  static inline size_t plainImageSize = 0;
};

TEST_F(GameCallbacksTest, TheCoreReachesEveryCallOfTheRegisteredTable) {
  static const TGameCallbacks table = fakeTable();
  registerGameCallbacks(fakeId, &table);
  for (const Case& c : cases()) {
    calls().clear();
    std::string got = c.ask();
    ASSERT_FALSE(calls().empty()) << c.call << " was not reached";
    EXPECT_EQ(calls().back(), c.call);
    if (std::string(c.call) == "areaImageIo")
      EXPECT_EQ(got, std::to_string(plainImageSize + 4)) << "the area's fields join the image";
    else
      EXPECT_EQ(got, c.answer) << c.call;
  }
}

TEST_F(GameCallbacksTest, AGameWithoutATableGetsTheNeutralAnswers) {
  for (const Case& c : cases()) {
    std::string got = c.ask();
    if (std::string(c.call) == "areaImageIo")
      EXPECT_EQ(got, std::to_string(plainImageSize)) << "no area in the image";
    else
      EXPECT_EQ(got, c.neutral) << c.call;
  }
  EXPECT_TRUE(calls().empty());
}

TEST_F(GameCallbacksTest, AnActionGoesToTheObserverOnlyWhenTheCheckTakesIt) {
  static const TGameCallbacks table = fakeTable();
  registerGameCallbacks(fakeId, &table);
  cg.submitAction(2, 0, 7);
  EXPECT_EQ(calls(), (std::vector<std::string>{"checkAction", "aiObserve 2 0 7"}));
  calls().clear();
  cg.submitAction(2, 0, 99);
  EXPECT_EQ(calls(), std::vector<std::string>{"checkAction"}) << "a refused action is not observed";
}

TEST_F(GameCallbacksTest, ResumingAGameCallsItsResumeBeforeAndAfterTheSeats) {
  static const TGameCallbacks table = fakeTable();
  registerGameCallbacks(fakeId, &table);
  playerCount = 4;
  cg.resumeGame();
  std::vector<std::string> resumes;
  for (const std::string& c : calls())
    if (c.rfind("resume", 0) == 0) resumes.push_back(c);
  EXPECT_EQ(resumes, (std::vector<std::string>{"resume 0", "resume 1"}));
}

TEST_F(GameCallbacksTest, AnUnregisteredTableTakesItsAreaAnswersWithItAtTheNextReset) {
  static const TGameCallbacks table = fakeTable();
  registerGameCallbacks(fakeId, &table);
  EXPECT_TRUE(gameAreas.blackjackDealerCardUp());
  resetGameAreaQueries();
  EXPECT_TRUE(gameAreas.blackjackDealerCardUp()) << "a reset keeps the registered games' answers";
  registerGameCallbacks(fakeId, nullptr);
  resetGameAreaQueries();
  EXPECT_FALSE(gameAreas.blackjackDealerCardUp());
}

}  // namespace
