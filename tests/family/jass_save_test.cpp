// A Jass game saved after a push, in a Weis tie-break and mid-trick in Undenufe and in a
// Slalom, loaded into a fresh program with the random generator in the same state, plays on
// to the same end.
#include <gtest/gtest.h>

#include "tests/family/jass_fixture.h"
#include "tests/family/war_fixture.h"

namespace {

class JassSave : public FamilyTableFixture {
 protected:
  void startDeal(uint64_t seed) {
    randomSeed(seed);
    resetTable(4);
    cg.gameId = gidJass;
    jassArea() = TJassState{};
    TJassState& a = jassArea();
    a.weisOn = a.stoeckOn = a.obenabeAllowed = a.undenufeAllowed = a.slalomAllowed = 1;
    a.countingOrder = 2;
    a.pointsLimit = 2500;
    a.roundLimit = jassNoRoundLimit;
    screenMode = 1;
    cg.startGame(gidJass, 0);
    for (int s = 1; s <= 4; s++) {
      cg.seatRecords[s].kind = seatKindComputer;
      cg.gs.seatProfiles[s].strength = 3;
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
  static bool modeAsked() { return cg.gs.awaitingAction == 2 && cg.gs.phase == jassPhaseMode; }

  // Saves, plays on, loads the save into a fresh program and plays on again: the same end.
  void expectSameEnd(const std::string& name) {
    const std::string base = folder + "/save/" + name;
    ASSERT_FALSE(cg.saveGame(base, "Test", true));
    const std::string reference = playToEnd(99, false);
    ASSERT_EQ(reference.substr(0, 7), "phase 5");
    ASSERT_TRUE(reloadSavedGame(base, gidJass));
    EXPECT_EQ(playToEnd(99, false), reference) << name;
  }
};

TEST_F(JassSave, AfterAPush) {
  startDeal(11);
  ASSERT_TRUE(runTo(modeAsked));
  cg.submitAction(2, 0, jassPushAnswer);
  ASSERT_TRUE(runTo(modeAsked));
  EXPECT_EQ(cg.gs.bl.decisionKind, 110) << "recorded as 110";
  expectSameEnd("push");
}

TEST_F(JassSave, MidTrickInUndenufeAndInTheSlaloms) {
  struct Case {
    const char* name;
    int32_t first, second;  // the answers to the mode question (0: none)
    int32_t tricksDone;
  } cases[] = {{"undenufe", 16, 0, 3}, {"slalomoben", 17, 18, 4}, {"slalomunten", 17, 19, 5}};
  for (const Case& c : cases) {
    startDeal(20 + uint64_t(c.tricksDone));
    ASSERT_TRUE(runTo(modeAsked)) << c.name;
    cg.submitAction(2, 0, c.first);
    if (c.second != 0) {
      ASSERT_TRUE(runTo(modeAsked)) << c.name;
      ASSERT_EQ(cg.gs.bl.decisionKind, 112);
      cg.submitAction(2, 0, c.second);
    }
    static int32_t wanted;
    wanted = c.tricksDone;
    ASSERT_TRUE(runTo([] {
      return cg.gs.awaitingAction == 2 && jassArea().tricksDone == wanted && handUsed(jassArea().trick) == 2;
    })) << c.name;
    expectSameEnd(c.name);
  }
}

TEST_F(JassSave, InAWeisTieBreak) {
  startDeal(7);
  ASSERT_TRUE(runTo(modeAsked));
  const THand hands[5] = {THand{}, jassCards({"6c", "7c", "8c", "Ts", "Qs", "7h", "9h", "Jd", "Kd"}),
                          jassCards({"6s", "7s", "8s", "Tc", "Qc", "6h", "8h", "Td", "Qd"}),
                          jassCards({"9c", "Jc", "Kc", "9s", "Js", "Ks", "7d", "Qh", "Ah"}),
                          jassCards({"Ac", "As", "Jh", "Kh", "6d", "Th", "8d", "9d", "Ad"})};
  for (int s = 1; s <= 4; s++) {
    sp[s].hand = hands[s];
    renumberHand(sp[s].hand);
    syncSlotsFromHand(sp[s]);
    jassArea().dealtHands[s] = hands[s];
  }
  cg.submitAction(2, 0, 3);
  ASSERT_TRUE(runTo([] { return cg.gs.subStep == jassWeisPhase && jassArea().weisStage == 1; }));
  expectSameEnd("weis");
}

}  // namespace
