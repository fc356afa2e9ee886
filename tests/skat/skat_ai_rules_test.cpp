// The card play's rules as tables of small hands: the trump-game lead by its priorities and
// the declarer's run of Jacks, both Null leads with their fallbacks, and the second and third
// card (the Ace kept, the declarer ruffing at 45, the 60-point rule, points to a winning
// partner, the cheap ruff, the throw-off's choices). The profile lets the rules look at the
// real hands.
#include <gtest/gtest.h>

#include "games/skat/skat_ai.h"
#include "games/skat/skat_ai_state.h"
#include "tests/skat/skat_ai_fixture.h"
#include "tests/support/cards.h"

namespace {

struct PlayCase {
  int32_t type, declarer;
  const char* seat1;
  const char* seat2;
  const char* seat3;
  int32_t leader;
  const char* trick;
  const char* card;
  const char* why;
};

class SkatAIRules : public SkatAIFixture {
 protected:
  // Seat 1's card for the case; each seat was dealt its hand and its card in the trick.
  std::string play(const PlayCase& c) {
    setGame(c.type, c.declarer);
    setSeat(1, c.seat1);
    setSeat(2, c.seat2);
    setSeat(3, c.seat3);
    setTrick(c.leader, c.trick);
    for (int s = 1; s <= 3; s++) {
      dealtHands[s] = sp[s].hand;
      if (!isNoCard(trickBySeat.k[s])) handaddk(dealtHands[s], trickBySeat.k[s]);
    }
    return cardText(skatAIChooseCard(sp[1], skatBid->cardsToPlay, 1));
  }
  void expectAll(const PlayCase* cases, size_t n) {
    for (size_t i = 0; i < n; i++) {
      const PlayCase& c = cases[i];
      EXPECT_EQ(play(c), c.card) << c.why << ": " << c.seat1 << " / " << c.seat2 << " / " << c.seat3;
    }
  }
};

constexpr int32_t G = skatTypeGrand, H = skatTypeHearts, N = skatTypeNull;

TEST_F(SkatAIRules, TrumpGameLead) {
  const PlayCase cases[] = {
      {G, 2, "hK h7 c7", "cA c8 dA", "c9 d7 dJ", 1, "", "hK", "20a: both others void in hearts"},
      {G, 2, "cA c7 d9", "cK c8 dJ", "c9 d7 d8", 1, "", "cA", "10: the Ace covers both, a trump is out"},
      {G, 2, "cA c7 h7", "cK c8 dJ", "c9 d7 d8", 1, "", "h7", "20a over 10"},
      {G, 2, "cA c7 h7", "cK c8 d10", "c9 d7 d8", 1, "", "cA", "30 over 10: no trump out, 20a comes too late"},
      {H, 2, "cJ sJ hA h9 dA", "hJ h7 c7 c8 s7", "dJ h8 s8 s9 c9", 1, "", "cJ",
       "20b over 20a: the top trump with the most trumps"},
      {H, 2, "cJ sJ hA h9 dA", "hJ h7 h10 hK hQ", "dJ h8 s8 s9 c9", 1, "", "dA",
       "no 20b while an opponent holds more trumps"},
      {H, 1, "cJ sJ hJ hA h9", "dJ h7 c7 d7 d8", "h8 h10 s7 s8 s9", 1, "", "hJ",
       "the declarer's run of Jacks ends above the diamond Jack that is out"},
      {H, 1, "cJ sJ hJ dJ hA", "h7 c7 c8", "h8 s7 s8", 1, "", "hA", "the run goes on through the trump Ace"},
      {G, 2, "hA hK", "h7", "s7 dJ", 1, "", "hK", "no rule: the lowest rank"},
      {G, 2, "dJ hQ", "hA h8", "sA cJ", 1, "", "hQ", "no rule: the weakest card instead of the Jack"},
      {G, 2, "dJ h10", "hA h8", "sA cJ", 1, "", "dJ", "no rule: the Jack stays when the weakest is a Ten"},
  };
  expectAll(cases, std::size(cases));
}

TEST_F(SkatAIRules, TheRunOfJacksStopsOnAPlayedCard) {
  const PlayCase c{H, 1, "cJ sJ hA h9 cA", "dJ h7 c7 d7 d8", "h8 h10 s7 s8 s9", 1, "", "", ""};
  playedCards = handOf("hJ c8 c9");
  EXPECT_EQ(play(c), "cJ") << "the heart Jack is played, the diamond Jack out: the club Jack stays";
  playedCards = handOf("hJ dJ");
  setSeat(2, "h7 c7 d7 d8");
  EXPECT_EQ(cardText(skatAIChooseCard(sp[1], 2, 1)), "hA") << "all four Jacks gone or held: down to the Ace";
}

TEST_F(SkatAIRules, NullLeads) {
  const PlayCase cases[] = {
      {N, 1, "h7 h9 c9 cA", "h8 hK c10", "hQ c7", 1, "", "h7",
       "declarer: the 7 stays under both, and its suit holds two cards"},
      {N, 1, "hK hA", "h7", "h8", 1, "", "hK", "declarer, nothing stays under: the strongest card"},
      {N, 2, "h8 s7 sA", "h7 s9 d7", "hA s8", 1, "", "s7",
       "defender: the partner's 8 stays under, the declarer's 9 cannot"},
  };
  expectAll(cases, std::size(cases));
}

TEST_F(SkatAIRules, NullDefenderFallbackPasses) {
  const PlayCase c{N, 2, "h9 hA s8 sK", "h7 s7", "hK", 1, "", "", ""};
  struct Row {
    bool signalledHearts, signalledSpades, shownSpades;
    const char* card;
    const char* why;
  } rows[] = {
      {false, false, false, "s8", "the suit whose best card ranks lowest"},
      {false, true, false, "h9", "pass 1 leaves out a suit the declarer signalled void in"},
      {true, true, false, "s8", "pass 2 looks at shown voids only"},
      {true, false, true, "h9", "a shown void counts in pass 2 too"},
  };
  for (const Row& r : rows) {
    setGame(c.type, c.declarer);
    setSeat(1, c.seat1);
    setSeat(2, c.seat2);
    setSeat(3, c.seat3);
    setTrick(1, "");
    skatSetSuitSignalledVoid(sp[2].hand, suitHearts, 1, r.signalledHearts);
    skatSetSuitSignalledVoid(sp[2].hand, suitSpades, 1, r.signalledSpades);
    skatSetSuitShownVoid(sp[2].hand, suitSpades, r.shownSpades);
    EXPECT_EQ(cardText(skatAIChooseCard(sp[1], 2, 1)), r.card) << r.why;
  }
}

TEST_F(SkatAIRules, SecondAndThirdCard) {
  const PlayCase cases[] = {
      {G, 1, "hA hQ c7", "hK d7", "d8 d9", 2, "h7 h8", "hQ", "the Ace is kept while an opponent holds the King"},
      {G, 1, "hA hQ c7", "d7 d10", "d8 d9", 2, "h7 h8", "hA", "nobody guards: the Ace takes"},
      {G, 3, "s10 sA c7", "h8", "h9", 2, "hA h7", "sA", "the partner wins: the Ace before the Ten"},
      {H, 3, "h7 c8 d9", "c7 c9", "h8 d7", 3, "s7", "c8", "a second seat leaves a trick of no points"},
      {H, 3, "h7 c8 d9", "c7 c9", "h8 d7", 3, "sA", "h7", "an Ace is worth the trump"},
      {G, 3, "sK s7 c8", "d8", "sA h7", 2, "d7 dA", "c8",
       "two spades with the King, the declarer holds the Ace: a club goes instead"},
      {G, 3, "sK s7 c8", "d8", "h7 h8", 2, "d7 dA", "s7", "nobody threatens the King: the lowest card"},
      {G, 3, "hA s10", "d8", "h7 s7 s8", 2, "d7 dA", "s10", "the Ten beats one more card than the Ace"},
      {G, 3, "hA s10", "d8", "h7 s7 s8 s9", 2, "d7 dA", "hA", "two more: the Ace"},
  };
  expectAll(cases, std::size(cases));
}

TEST_F(SkatAIRules, TheDeclarerRuffsOnceTheDefendersHave45) {
  const PlayCase c{H, 1, "h7 c8", "s8 d7", "c9 d8", 3, "s7", "", ""};
  struct Row {
    const char* defenderTricks;
    const char* card;
  } rows[] = {{"cA sA c10 s10 cJ", "c8"}, {"cA sA c10 s10 cQ", "h7"}};
  for (const Row& r : rows) {
    defenderTricks = handOf(r.defenderTricks);
    EXPECT_EQ(play(c), r.card) << "defenders at " << skatPoints(defenderTricks);
  }
}

TEST_F(SkatAIRules, SixtyPointsMakeADefenderTake) {
  const PlayCase c{H, 3, "h7 c8", "d8 d9", "c9 d7", 2, "s7 s8", "", ""};
  struct Row {
    const char* declarerTricks;
    const char* card;
  } rows[] = {{"cA sA c10 s10 dA cK cJ", "c8"}, {"cA sA c10 s10 dA cK cQ", "h7"}};
  for (const Row& r : rows) {
    declarerTricks = handOf(r.declarerTricks);
    EXPECT_EQ(play(c), r.card) << "the declarer at " << skatPoints(declarerTricks);
  }
}

}  // namespace
