// Hearts' computer players: passing, the normal player's rules, the strongest player's
// simulation, and the choice of strategy by each seat's strength.
#include <gtest/gtest.h>

#include "core/card_ai.h"
#include "games/family/hearts_ai.h"
#include "tests/family/hearts_fixture.h"

class HeartsAI : public HeartsTable {
 protected:
  std::string passOf(const THand& hand) {
    setHand(2, hand);
    clearHand(heartsArea().passSelection);
    THeartsAIPlayer p(2);
    p.passCards();
    return heartsCodes(heartsArea().passSelection);
  }
  template <class T>
  std::string playOf(int seat) {
    cg.gs.phase = heartsPhasePlay;
    cg.gs.subState = heartsAskCard;
    cg.gs.akspieler = seat;
    heartsArea().actingHand = sp[seat].hand;
    T p(seat);
    int32_t slot = p.playCard();
    if (slot < 1 || slot > stackUsed(sp[seat])) return "none";
    THand one;
    setHandToCard(sp[seat].slots[slot].card, one);
    return heartsCodes(one);
  }
};

TEST_F(HeartsAI, PassesHighSpadesThenLoneCardsThenTheHighestKey) {
  struct Case {
    const char* what;
    THand hand;
    const char* passed;
  } cases[] = {
      {"queen, king and ace of spades", heartsCards({"2c", "3c", "Qs", "Ks", "As", "2h", "4d"}), "Qs Ks As"},
      {"a lone club, then a lone diamond", heartsCards({"2c", "3d", "4s", "5s", "Th", "Jh"}), "2c 3d 5s"},
      {"keys overlap: a high diamond before a low heart", heartsCards({"2c", "3c", "Ad", "Kd", "2h", "3h", "4s", "5s"}), "5s 4s Ad"},
  };
  for (const Case& c : cases) EXPECT_EQ(passOf(c.hand), c.passed) << c.what;
}

TEST_F(HeartsAI, NormalPlayerFollowsItsRules) {
  struct Case {
    const char* what;
    THand hand;
    int leader;
    THand trick;
    const char* played;
  } cases[] = {
      {"last in a clean spade trick with only the queen", heartsCards({"Qs", "2d", "3d"}), 2, heartsCards({"2s", "3s", "4s"}), "Qs"},
      {"queen goes under a king of spades", heartsCards({"2s", "Qs", "2d"}), 3, heartsCards({"Ks", "3s"}), "Qs"},
      {"not last in spades: a low spade", heartsCards({"2s", "Qs", "As"}), 4, heartsCards({"3s"}), "2s"},
      {"void: the queen of spades is dumped", heartsCards({"2d", "Qs", "Ah"}), 4, heartsCards({"3c"}), "Qs"},
      {"points on the trick: duck under the best", heartsCards({"2h", "9h", "Ah"}), 4, heartsCards({"Th"}), "9h"},
      {"leading: lowest, not the queen", heartsCards({"Qs", "Ks"}), 1, {}, "Ks"},
  };
  for (const Case& c : cases) {
    setHand(1, c.hand);
    setTrick(c.leader, c.trick);
    heartsArea().heartsBroken = 1;
    setHand(2, heartsCards({"5c", "6c", "7c", "8c", "9c", "Tc", "Jc", "Qc"}));
    EXPECT_EQ(playOf<THeartsProAIPlayer>(1), c.played) << c.what;
  }
}

TEST_F(HeartsAI, StrongestSimulatesOnlyWithSevenCardsOrFewer) {
  // Seat 1 leads. The normal rule leads the lowest key (a club); the simulation sees that
  // the others, void in clubs, would dump their hearts on it, and leads the low diamond.
  struct Case {
    THand own;
    THand others;
    const char* normal;
    const char* strongest;
  } cases[] = {
      {heartsCards({"2d", "Kd", "3c", "4c", "5c", "6c", "7c", "8c"}), heartsCards({"9d", "Th", "Jh", "Qh", "Kh", "Ah", "2h", "3h"}), "3c", "3c"},
      {heartsCards({"2d", "Kd", "3c", "4c", "5c", "6c", "7c"}), heartsCards({"9d", "Th", "Jh", "Qh", "Kh", "Ah", "2h"}), "3c", "2d"},
  };
  for (const Case& c : cases) {
    setHand(1, c.own);
    for (int s = 2; s <= 4; s++) setHand(s, c.others);
    setTrick(1, {});
    heartsArea().heartsBroken = 1;
    EXPECT_EQ(playOf<THeartsProAIPlayer>(1), c.normal) << handUsed(c.own) << " cards";
    EXPECT_EQ(playOf<THeartsUltraProAIPlayer>(1), c.strongest) << handUsed(c.own) << " cards";
  }
}

TEST_F(HeartsAI, SimulationScoresPenaltiesOfEveryContinuationBySeat) {
  // One trick left: seat 3 leads, seat 4 wins with the ace and takes two hearts.
  std::array<THeartsCards, 4> hands{THeartsCards{heartsCard("2h")}, THeartsCards{heartsCard("3h")},
                                    THeartsCards{heartsCard("Kc")}, THeartsCards{heartsCard("Ac")}};
  int32_t moves = 0;
  std::array<int32_t, 4> scores{};
  simulateTricks(hands, 3, 0, moves, scores);
  EXPECT_EQ(moves, 1);
  EXPECT_EQ(scores, (std::array<int32_t, 4>{0, 0, 0, 2}));
  // Two cards of one suit lead alike: the leader plays its first card of that suit either way.
  std::array<THeartsCards, 4> two{THeartsCards{heartsCard("2c"), heartsCard("9c")}, THeartsCards{heartsCard("3c"), heartsCard("2h")},
                                  THeartsCards{heartsCard("4c"), heartsCard("3h")}, THeartsCards{heartsCard("5c"), heartsCard("4h")}};
  std::array<int32_t, 4> a{}, b{};
  int32_t ma = 0, mb = 0;
  simulateTricks(two, 1, 0, ma, a);
  simulateTricks(two, 1, 1, mb, b);
  EXPECT_EQ(a, b);
  EXPECT_EQ(ma, mb);
}

TEST_F(HeartsAI, EachSeatsStrategyFollowsItsProfile) {
  cg.gs.seatProfiles[2].strength = 1;
  cg.gs.seatProfiles[3].strength = 2;
  cg.gs.seatProfiles[4].strength = 3;
  THeartsAIImpl ai;
  EXPECT_EQ(ai.player(2)->strength(), 1);
  EXPECT_EQ(ai.player(3)->strength(), 2);
  EXPECT_EQ(ai.player(4)->strength(), 3);
  cg.gs.seatProfiles[2].strength = 3;
  cg.gs.seatProfiles[4].strength = 7;
  ai.followProfiles();
  EXPECT_EQ(ai.player(2)->strength(), 3);
  EXPECT_EQ(ai.player(4)->strength(), 3);
}
