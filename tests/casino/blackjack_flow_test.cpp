// Blackjack rounds through the core's tick: computer seats on every seat, seeded; every
// round ends, the deck stays whole, the money adds up with the chips at rest; the table
// layout numbers.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/cg.h"
#include "core/game_areas.h"
#include "engine/engine_services.h"
#include "engine/window_shape.h"
#include "engine/error_log.h"
#include "engine/texts.h"
#include "games/casino/blackjack_rules.h"
#include "games/casino/blackjack_state.h"
#include "games/casino/blackjack_table.h"
#include "games/casino/chips.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "table/stacks.h"
#include "tests/support/headless_skat.h"

namespace {

class BlackjackFlow : public ::testing::Test {
 protected:
  void SetUp() override {
    savedFolder = programFolder();
    setProgramFolder(CASINO_SOURCE_DIR);
    resetTextTables();
    loadFragments();
    alerts = 0;
    setTraceListener([this](std::string_view t) {
      if (t.find("ACHTUNG") != std::string_view::npos) {
        alerts++;
        lastAlert = std::string(t);
      }
    });
  }
  void TearDown() override {
    setTraceListener({});
    resetHeadlessSkat(1, skatDefaultOptions);
    resetTextTables();
    setProgramFolder(savedFolder);
  }

  static void startMatch(int32_t seats, bool variant, int32_t dealMode, int32_t decks) {
    resetHeadlessSkat(dealMode, skatDefaultOptions);
    tableLandsAtOnce = true;
    blackjackArea() = TBlackjackState{};
    TBlackjackState& a = blackjackArea();
    a.roundLimit = 30;
    a.startMoney = 200;
    a.minBet = variant ? 1 : 2;
    a.maxBet = 40;
    a.deckCount = decks;
    a.doubleAllowed = 1;
    a.playerCardOpen = 1;
    a.twoAcesDouble = 1;
    a.currency = 2;
    playerCount = cg.seatCount = seats;
    screenMode = 1;
    gameAreas.setVariantFlag(gidSiebzehnUndVier, false);  // the menu clears it for a plain start
    cg.startGame(variant ? gidSiebzehnUndVier : gidBlackjack, 0);
    for (int s = 1; s <= seats; s++) cg.seatRecords[s].kind = seatKindComputer;
  }
  static void nextGame() {
    screenMode = 1;
    cg.startGame(gidBlackjack, 1);
    for (int s = 1; s <= playerCount; s++) cg.seatRecords[s].kind = seatKindComputer;
  }
  // Shoe, lifted shoe and hands hold the whole deck.
  static int32_t cardsOnTable() {
    int32_t n = stackUsed(sp[bjShoeStack]) + stackUsed(sp[bjLiftStack]);
    for (int s = 1; s <= playerCount; s++) n += stackUsed(sp[s]);
    return n;
  }
  static std::string moneyFault(int32_t total) {
    if (chipAnimation.moveCount() > 0 || chipAnimation.transferCount() > 0) return {};
    if (cg.gs.phase == 2 || cg.gs.phase == 0 || cg.gs.phase == 5) return {};
    int32_t sum = 0;
    for (int s = 1; s <= playerCount; s++) sum += chipStackValue(s) + chipStackValue(s + bjBetStackOffset);
    const TBlackjackState& a = blackjackArea();
    if (chipStackValue(a.dealerSeat) != 0) return "the dealer holds chips";
    int32_t booked = 0;
    for (int g = 1; g <= cg.gs.gamesPlayed; g++)
      for (int s = 1; s <= playerCount; s++)
        if (s != a.dealerSeat) booked += cg.gs.gameListValues[s][g % 201];
    // Seats already settled in the game under way, not yet booked.
    for (int s = 1; s <= playerCount; s++)
      if (s != a.dealerSeat && a.seats[s].state == 2) booked += a.seats[s].won;
    if (sum != total + booked) return "money " + std::to_string(sum) + " against " + std::to_string(total + booked);
    return {};
  }

  std::string savedFolder;
  int alerts = 0;
  std::string lastAlert;
};

TEST_F(BlackjackFlow, SeededMatchesEndWithTheDeckWholeAndTheMoneyBooked) {
  struct Case {
    int32_t seats;
    bool variant;
    int32_t dealMode, decks;
  };
  const Case cases[] = {{2, false, 1, 1}, {3, true, 2, 2}, {4, false, 2, 3}, {5, true, 1, 1}, {6, false, 1, 2}};
  randomFixSeed(28);
  randomSeed(28);
  int rounds = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.seats << " seats, variant " << c.variant << ", deal " << c.dealMode);
    startMatch(c.seats, c.variant, c.dealMode, c.decks);
    const int32_t deck = c.decks * (c.variant ? 32 : 52);
    const int32_t total = (c.seats - 1) * 200;
    std::string fault;
    for (int g = 0; g < 40; g++) {
      int f = 0;
      for (; f < 40000 && cg.gs.phase != 5; f++) {
        headlessFrame();
        advanceFakeTick(50);
        if (fault.empty()) fault = moneyFault(total);
        if (cg.gs.phase != 1 && chipAnimation.moveCount() == 0) {
          ASSERT_EQ(cardsOnTable(), deck) << "frame " << f;
        }
      }
      ASSERT_EQ(cg.gs.phase, 5) << "game " << g << " stalled at step " << cg.gs.step << " sub-state "
                                << int(cg.gs.subState);
      ASSERT_EQ(fault, "") << "game " << g;
      rounds++;
      if (cg.gs.listOver) break;
      nextGame();
    }
  }
  randomReleaseSeed();
  EXPECT_GT(rounds, 20);
  EXPECT_EQ(alerts, 0) << lastAlert;
}

TEST_F(BlackjackFlow, LayoutNumbers) {
  cg.gameId = gidBlackjack;
  playerCount = 6;
  blackjackArea() = TBlackjackState{};
  blackjackArea().dealerSeat = 4;
  EXPECT_NEAR(blackjackSeatAngle(2), 66.25, 1e-4);
  const int32_t offsets[7] = {0, 0, -1, -2, 0, 2, 1};
  for (int s = 1; s <= 6; s++) EXPECT_EQ(blackjackSeatOffset(s), offsets[s]) << "seat " << s;
  EXPECT_FLOAT_EQ(blackjackSeatAngle(1), 95);
  EXPECT_FLOAT_EQ(blackjackSeatAngle(4), 95);
  EXPECT_FLOAT_EQ(blackjackSeatAngle(bjShoeStack), 95);
  TSpieler seat{};
  seat.stackNo = 2;
  blackjackPlaceSeat(seat);
  EXPECT_NEAR(seat.restPose.x, 919.2, 0.05);
  EXPECT_NEAR(seat.restPose.z, -446.6, 0.05);
  seat.stackNo = 4;
  blackjackPlaceSeat(seat);
  EXPECT_NEAR(seat.restPose.x, 444.2, 0.05);
  EXPECT_NEAR(seat.restPose.z, -1052.5, 0.1);
  playerCount = 3;
  blackjackArea().dealerSeat = 2;
  EXPECT_NEAR(blackjackSeatAngle(3), 95 + 115 * 1.25 / 3, 1e-4) << "three seats divide by 3";
  playerCount = 5;
  blackjackArea().dealerSeat = 3;
  EXPECT_NEAR(blackjackSeatAngle(4), 95 + 115 * 2.0 / 5, 1e-4) << "five seats divide by 5";
}

// Poses of every seat: angle, x and z, for the seat counts and aspect classes; the shoe's too.
TEST_F(BlackjackFlow, SeatPosesPerSeatCountAndAspect) {
  struct Pose {
    float angle, x, z;
  };
  struct Case {
    int32_t seats;
    bool wide;
    std::vector<Pose> poses;  // seats 1..n, the dealer's angle 95
  };
  const Case cases[] = {
      {6, false, {{95, 427.9f, -320}, {66.25f, 919.2f, -446.6f}, {49, 1157.7f, -698.1f}, {95, 444.2f, -1052.5f},
                  {141, -191.8f, -894.5f}, {123.75f, 16.9f, -577.9f}}},
      {3, false, {{95, 427.9f, -320}, {95, 444.2f, -1052.5f}, {142.92f, -211.2f, -935.7f}}},
      {5, false, {{95, 427.9f, -320}, {66.25f, 919.2f, -446.6f}, {95, 444.2f, -1052.5f}, {141, -191.8f, -894.5f},
                  {123.75f, 16.9f, -577.9f}}},
      {6, true, {{95, 407.4f, -320}, {69.7f, 948.3f, -411.3f}, {49, 1312.2f, -698.1f}, {95, 444.2f, -1052.5f},
                 {141, -374.7f, -894.5f}, {120.3f, -53.8f, -527.9f}}},
      {2, false, {{95, 427.9f, -320}, {95, 444.2f, -1052.5f}}},
  };
  const double savedAspect = screenAspect;
  cg.gameId = gidBlackjack;
  for (const Case& c : cases) {
    screenAspect = c.wide ? 16.0 / 9.0 : 4.0 / 3.0;
    playerCount = c.seats;
    blackjackArea() = TBlackjackState{};
    blackjackArea().dealerSeat = c.seats / 2 + 1;
    for (int s = 1; s <= c.seats; s++) {
      SCOPED_TRACE(testing::Message() << c.seats << " seats, wide " << c.wide << ", seat " << s);
      const Pose& e = c.poses[s - 1];
      TSpieler seat{};
      seat.stackNo = s;
      blackjackPlaceSeat(seat);
      EXPECT_NEAR(blackjackSeatAngle(s), e.angle, 0.01);
      EXPECT_NEAR(seat.restPose.x, e.x, 0.06);
      EXPECT_NEAR(seat.restPose.z, e.z, 0.06);
      EXPECT_FLOAT_EQ(seat.restPose.y, 273);
    }
    TSpieler shoe{};
    shoe.stackNo = bjShoeStack;
    blackjackPlaceSeat(shoe);
    EXPECT_FLOAT_EQ(shoe.restPose.x, 1000);
    EXPECT_FLOAT_EQ(shoe.restPose.z, -1510);
    EXPECT_FLOAT_EQ(shoe.restPose.rotZ, -80);
  }
  screenAspect = savedAspect;
}

// The shoe is played on until 39 cards have been slid under it, or renewed every game with
// that option.
TEST_F(BlackjackFlow, ShoeRenewal) {
  struct Case {
    bool everyGame;
    int32_t collected;
    bool kept;
  };
  const Case cases[] = {{false, 0, true}, {false, 38, true}, {false, 39, false}, {true, 0, false}};
  randomFixSeed(31);
  randomSeed(31);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "every game " << c.everyGame << ", collected " << c.collected);
    startMatch(4, false, 1, 1);
    blackjackArea().reshuffleEveryGame = c.everyGame;
    for (int f = 0; f < 40000 && cg.gs.phase != 5; f++) {
      headlessFrame();
      advanceFakeTick(50);
    }
    ASSERT_EQ(cg.gs.phase, 5);
    ASSERT_EQ(stackUsed(sp[bjShoeStack]), 52);
    std::vector<int> before;
    for (int j = 1; j <= 52; j++) before.push_back(sp[bjShoeStack].slots[j].card.t * 8 + sp[bjShoeStack].slots[j].card.f);
    blackjackArea().cardsCollected = c.collected;
    nextGame();
    std::vector<int> after;
    for (int j = 1; j <= stackUsed(sp[bjShoeStack]); j++) after.push_back(sp[bjShoeStack].slots[j].card.t * 8 + sp[bjShoeStack].slots[j].card.f);
    EXPECT_EQ(blackjackArea().keepShoe != 0, c.kept);
    EXPECT_EQ(after == before, c.kept);
    EXPECT_EQ(after.size(), 52u);
    if (!c.kept) {
      EXPECT_EQ(blackjackArea().cardsCollected, 0);
    }
  }
  randomReleaseSeed();
}

TEST_F(BlackjackFlow, OptionMeanings) {
  cg.gameId = gidBlackjack;
  blackjackArea() = TBlackjackState{};
  EXPECT_EQ(blackjackRoundLimitOfText("12 Runden"), 12);
  EXPECT_EQ(blackjackRoundLimitOfText("36 Runden"), 36);
  EXPECT_EQ(blackjackRoundLimitOfText("Keine Grenze"), blackjackNoRoundLimit);
  EXPECT_EQ(blackjackMinBetValue(1), 0);
  EXPECT_EQ(blackjackMaxBetValue(6), blackjackUnlimitedBet);
  EXPECT_EQ(blackjackMaxBetTexts().size(), 6u);
  EXPECT_EQ(blackjackStartMoneyValue(4), 800);
  blackjackArea().variant17und4 = 1;
  EXPECT_EQ(blackjackMinBetValue(4), 5);
  EXPECT_EQ(blackjackMaxBetValue(5), 50);
  EXPECT_EQ(blackjackMaxBetTexts().size(), 5u);
  blackjackArea().variant17und4 = 0;
  blackjackSetSecondCard(2);
  EXPECT_FALSE(blackjackArea().dealerCardOpen);
  EXPECT_TRUE(blackjackArea().playerCardOpen);
}

}  // namespace
