// A poker hand saved before the flop, on the river, with chips flying or queued and while
// the pot's chips are changed for the pay-out, loaded into a fresh program with the random
// generator in the same state: the hand ends the same.
#include <gtest/gtest.h>

#include "core/card_ai.h"
#include "core/card_order.h"
#include "sound/sound_events.h"
#include "tests/casino/poker_flow_fixture.h"

namespace {

class PokerSave : public PokerFlowFixture {
 protected:
  // The end of the hand from here with the generator fixed: the result and every stack.
  static std::string playToEnd(uint64_t seed) {
    randomSeed(seed);
    soundRandomSeed(seed);  // the remarks' own generator: a remark holds the step for its time
    int refused = 0;
    std::string fault;
    const bool ended = playHand(refused, fault, true);
    std::string out = ended ? "ended" : "stalled";
    if (!fault.empty()) out += " fault " + fault;
    for (int s = 1; s <= playerCount; s++)
      out += " | " + std::to_string(s) + ": " + std::to_string(chipStackValue(s)) + " " +
             std::to_string(cg.gs.listTotals[s]);
    syncHandFromSlots(sp[12]);
    out += " | board " + std::to_string(handUsed(sp[12].hand));
    for (int i = 1; i <= handUsed(sp[12].hand); i++)
      out += " " + std::to_string(sp[12].hand.k[i].t) + "/" + std::to_string(sp[12].hand.k[i].f);
    return out;
  }
  static bool reload(const std::string& base) {
    static const TCG* blank = new TCG();
    cg = *blank;
    std::memset(static_cast<void*>(&sp), 0, sizeof sp);
    std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
    for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
    for (int s = 1; s <= 16; s++) resetChipStack(s, true);
    chipAnimation.reset();
    cardValues = TCardValueTable{};
    cg.gameId = gidPoker;
    if (!cg.loadGame(base)) return false;
    cg.resumeGame();
    screenMode = 1;
    return true;
  }
  void expectSameEnd(const std::string& name) {
    const std::string base = folder + "/save/" + name;
    ASSERT_FALSE(cg.saveGame(base, "Test", true));
    const std::string reference = playToEnd(77);
    ASSERT_EQ(reference.substr(0, 5), "ended") << reference;
    ASSERT_TRUE(reload(base));
    EXPECT_EQ(playToEnd(77), reference) << name;
  }
  // Frames with random answers until the condition holds.
  template <class Cond>
  static bool runTo(Cond cond, int limit = 20000) {
    int refused = 0;
    for (int f = 0; f < limit; f++) {
      if (cond()) return true;
      if (cg.gs.phase == 5) return false;
      if (!cond()) answerAtRandom(refused);
      if (cond()) return true;
      headlessFrame();
      advanceFakeTick(50);
    }
    return cond();
  }
};

TEST_F(PokerSave, BeforeTheFlopAndOnTheRiver) {
  randomSeed(5);
  startMatch(4, nlPoker, 1);
  ASSERT_TRUE(runTo([] { return cg.gs.awaitingAction == 2 && pokerArea().street == 1; }));
  expectSameEnd("preflop");

  for (uint64_t seed = 6; seed < 40; seed++) {
    randomSeed(seed);
    startMatch(3, plPoker, 2);
    if (runTo([] { return cg.gs.awaitingAction == 2 && pokerArea().street == 7; })) {
      expectSameEnd("river");
      return;
    }
  }
  FAIL() << "no hand reached the river";
}

TEST_F(PokerSave, WithChipsQueuedOrFlying) {
  randomSeed(15);
  startMatch(6, nlPoker, 2);
  // Just after an answer that moved money: the transfer is queued, nothing flies yet.
  ASSERT_TRUE(runTo([] { return chipAnimation.transferCount() > 0 && cg.gs.phase == 4; }));
  expectSameEnd("queued");

  randomSeed(16);
  startMatch(6, slPoker, 1);
  ASSERT_TRUE(runTo([] { return chipAnimation.moveCount() > 0 && cg.gs.phase == 4; }));
  expectSameEnd("flying");
}

// The pay-out with a change: at the hand's last step one unit of the winner's share goes back
// to another seat, and the pot holds the fewest chips for its value, so the winner's share
// needs a chip the pot has not got.
TEST_F(PokerSave, WhileThePotsChipsAreChanged) {
  for (uint64_t seed = 20; seed < 120; seed++) {
    randomSeed(seed);
    startMatch(5, nlPoker, 1);
    const bool atPayOut = runTo([] {
      return cg.gs.step == 13 && cg.gs.awaitingAction == 0 && chipAnimation.isIdle() &&
             chipAnimation.transferCount() + chipAnimation.moveCount() == 0;
    });
    TPokerArea& a = pokerArea();
    int32_t winner = 0;
    for (int s = 1; s <= 5; s++)
      if (a.seats[s].winner && a.seats[s].won == chipStackValue(8)) winner = s;
    const int32_t pot = chipStackValue(8);
    if (!atPayOut || winner == 0 || pot % 4 == 3 || pot < 4) continue;
    resetChipStack(8, true);
    int32_t left = pot;
    for (int t = 4; t >= 0; t--) {
      addChipsToStack(8, t, left / chipValue(t));
      left %= chipValue(t);
    }
    const int32_t back = pot % 4 + 1;
    a.seats[winner].won -= back;
    a.refund[winner % 5 + 1] += back;
    ASSERT_FALSE(potCanPayShares());
    ASSERT_TRUE(runTo([] { return chipAnimation.transferCount() + chipAnimation.moveCount() > 0; }));
    ASSERT_EQ(cg.gs.step, 13);
    expectSameEnd("change");
    return;
  }
  FAIL() << "no hand reached its pay-out with the whole pot to one winner";
}

}  // namespace
