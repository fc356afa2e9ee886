// The discard choice: short suits first, Aces kept, the fallback to the weakest cards, Null's
// risky cards, and the Schieben round's Jacks.
#include <gtest/gtest.h>

#include "games/skat/skat_ai.h"
#include "tests/skat/skat_ai_fixture.h"
#include "tests/support/cards.h"

namespace {

class SkatAIDiscard : public SkatAIFixture {
 protected:
  std::string pairFor(int seat) {
    THand pair{};
    skatAIChooseDiscard(sp[seat], 1, pair);
    return handText(pair);
  }
};

TEST_F(SkatAIDiscard, SuitGameCases) {
  struct Case {
    int32_t type;
    const char* hand;
    const char* pair;
    const char* why;
  } cases[] = {
      {skatTypeClubs, "cJ sJ hJ dJ cA c10 cK cQ c9 h9 sK s10", "h9 sK",
       "the shorter suit first; a suit with a Ten after suits without"},
      {skatTypeClubs, "cJ sJ hJ dJ cA c10 cK cQ c9 c8 hA sA", "hA sA", "all plain cards Aces: the weakest"},
      {skatTypeGrand, "cJ sJ hJ dJ cA c10 cK hA h10 hK h9 sA", "cK c10",
       "no short suit: the weakest, then the next weakest"},
      {skatTypeSpades, "sJ sA s10 sK sQ s9 s8 dK dQ c7 h7 h8", "c7 h7",
       "the single card first, then the next short suit in suit order"},
      {skatTypeSpades, "sJ sA s10 sK sQ s9 s8 s7 h10 h7 d8 d7", "d8 d7", "a suit with a Ten after one without"},
  };
  for (const Case& c : cases) {
    setGame(c.type, 1);
    setSeat(1, c.hand);
    EXPECT_EQ(pairFor(1), c.pair) << c.why << ": " << c.hand;
  }
}

TEST_F(SkatAIDiscard, TheNextAnswerChoosesAgainFromTheRest) {
  setGame(skatTypeClubs, 1);
  setSeat(1, "cJ sJ hJ dJ cA c10 cK cQ c9 h9 sK s10");
  EXPECT_EQ(pairFor(1), "h9 sK");
  setSeat(1, "cJ sJ hJ dJ cA c10 cK cQ c9 sK s10");
  EXPECT_EQ(pairFor(1), "sK s10") << "with the 9 pressed the spades go";
}

TEST_F(SkatAIDiscard, NullPutsAwayTheRiskyCards) {
  setGame(skatTypeNull, 1);
  setSeat(1, "c7 c8 c9 s7 s8 s9 h7 h8 hK dA d7 d8");
  TSkatSeatRating r{};
  r.bestGame = skatTypeNull;
  r.nullRiskCount = 2;
  r.nullRiskCard1 = card("hK");
  r.nullRiskCard2 = card("dA");
  skatStoreSeatRating(sp[1], r);
  EXPECT_EQ(pairFor(1), "dA hK");
  r.nullRiskCard1 = card("s9");
  r.nullRiskCard2 = card("c9");
  skatStoreSeatRating(sp[1], r);
  EXPECT_EQ(pairFor(1), "s9 c9") << "the risky cards, whatever the other rules found";
  r.nullRiskCount = 1;
  skatStoreSeatRating(sp[1], r);
  EXPECT_EQ(pairFor(1), "s9 hK") << "one risky card first";
}

TEST_F(SkatAIDiscard, SchiebenRoundKeepsJacksUnlessAllowed) {
  setGame(skatTypeRamsch, 1);
  skatGame->ramschGame = skatGame->schiebenRound = 1;
  cg.gs.phase = 9;
  setSeat(1, "cJ sJ hA h10 sA s10 cA c10 dA d10 dK dQ");
  EXPECT_EQ(pairFor(1), "hA sA") << "no Jack pushed on: the Aces, highest first";
  skatArea->options.jacksMayBePushed = 1;
  EXPECT_EQ(pairFor(1), "cJ sJ") << "Jacks go first when allowed";
}

}  // namespace
