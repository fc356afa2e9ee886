// A Hearts game saved while the seats pass and saved mid-trick, loaded into a fresh program
// with the random generator in the same state, plays on to the same end: through both resume
// phases and a new card-AI object, which keeps no state file of its own.
#include <gtest/gtest.h>

#include <filesystem>

#include "games/family/hearts_game.h"
#include "games/family/hearts_rules.h"
#include "tests/family/jass_fixture.h"
#include "tests/family/war_fixture.h"

namespace {

class HeartsSave : public FamilyTableFixture {
 protected:
  void startDeal(uint64_t seed) {
    randomSeed(seed);
    resetTable(4);
    cg.gameId = gidHearts;
    heartsArea() = THeartsState{};
    heartsArea().heartsSeating = 1;
    heartsArea().roundLimit = heartsNoRoundLimit;
    screenMode = 1;
    cg.startGame(gidHearts, 0);
    for (int s = 1; s <= 4; s++) {
      cg.seatRecords[s].kind = seatKindComputer;
      cg.gs.seatProfiles[s].strength = s == 1 ? 3 : s;
    }
  }
  static bool runTo(bool (*cond)()) {
    for (int f = 0; f < 40000; f++) {
      if (pendingMoveCount <= 0 && cg.gs.pendingMove == 0 && cond()) return true;
      headlessFrame();
      advanceFakeTick(50);
    }
    return false;
  }
};

TEST_F(HeartsSave, WhilePassingAndMidTrick) {
  struct Case {
    const char* name;
    bool (*at)();
  } cases[] = {
      {"passing", [] { return cg.gs.awaitingAction == 2 && cg.gs.bl.decisionKind >= 114 && cg.gs.bl.decisionKind <= 116 && cg.gs.akspieler == 3; }},
      {"midtrick", [] { return cg.gs.awaitingAction == 2 && heartsArea().tricksDone == 6 && handUsed(heartsArea().trick) == 2; }},
  };
  for (const Case& c : cases) {
    startDeal(5);
    ASSERT_TRUE(runTo(c.at)) << c.name;
    const std::string base = folder + "/save/" + c.name;
    ASSERT_FALSE(cg.saveGame(base, "Test", true)) << c.name;
    for (const auto& e : std::filesystem::directory_iterator(folder + "/save"))
      EXPECT_EQ(e.path().filename().string().find(".x"), std::string::npos) << "the card AI writes no state file";
    const std::string reference = playToEnd(77);
    ASSERT_EQ(reference.substr(0, 7), "phase 5") << c.name;
    ASSERT_TRUE(reloadSavedGame(base, gidHearts)) << c.name;
    EXPECT_EQ(playToEnd(77), reference) << c.name;
  }
}

}  // namespace
