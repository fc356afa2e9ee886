// The card play: leads by priority, the declarer's run of Jacks, follow rules (cheap ruff,
// announced games, raising to the Ten, Null), the void tables, the model's use of the Skat,
// and the legality guard.
#include <gtest/gtest.h>

#include "games/skat/skat_ai.h"
#include "games/skat/skat_ai_play.h"
#include "tests/skat/skat_ai_fixture.h"
#include "tests/support/cards.h"

namespace {

class SkatAIPlay : public SkatAIFixture {
 protected:
  std::string play(int seat, uint8_t record = 1) {
    return cardText(skatAIChooseCard(sp[seat], skatBid->cardsToPlay, record));
  }
  void dealtAsHeld() {
    for (int s = 1; s <= 3; s++) dealtHands[s] = sp[s].hand;
  }
};

TEST_F(SkatAIPlay, TheTopTrumpLeadsOverAPlainSuitChoice) {
  setGame(skatTypeHearts, 2);
  setSeat(1, "cJ sJ hA h9 cA");
  setSeat(2, "hJ h7 c7 d7 d8");
  setSeat(3, "dJ h8 s7 s8 s9");
  setTrick(1, "");
  EXPECT_EQ(play(1), "cJ") << "a defender leads its top trump (rule 20b)";
}

TEST_F(SkatAIPlay, TheDeclarerLeadsTheLowestOfItsRunOfJacks) {
  setGame(skatTypeHearts, 1);
  setSeat(1, "cJ sJ hJ hA h9");
  setSeat(2, "dJ h7 c7 d7 d8");
  setSeat(3, "h8 h10 s7 s8 s9");
  setTrick(1, "");
  EXPECT_EQ(play(1), "hJ") << "club, spade and heart Jack held, diamond Jack out";
  setSeat(1, "cJ sJ hA h9 cA");
  playedCards = handOf("hJ c8 c9");
  EXPECT_EQ(play(1), "cJ") << "the run ends on a card already played: the club Jack stays";
}

TEST_F(SkatAIPlay, ASecondSeatKeepsItsTrumpForACheapTrick) {
  setGame(skatTypeHearts, 3);
  setSeat(1, "h7 c8 d9");
  setSeat(2, "s8 sK cA");
  setSeat(3, "hA h10 d7");
  dealtAsHeld();
  setTrick(3, "s7");
  EXPECT_EQ(play(1), "c8") << "the partner's 8 takes the trick: the trump stays, the first card worth most goes";
}

TEST_F(SkatAIPlay, AnAnnouncedGameTakesEveryTrickItCan) {
  setGame(skatTypeGrand, 1);
  setSeat(1, "cJ d7 h9");
  setSeat(2, "dA s9 hA");
  setSeat(3, "d10 sK h10");
  dealtAsHeld();
  setTrick(2, "s7 s8");
  EXPECT_EQ(play(1), "d7") << "unannounced: the cheap trick is left";
  skatGame->level = skatLevelSchneiderAnnounced;
  EXPECT_EQ(play(1), "cJ") << "Schneider announced: the declarer takes";
}

TEST_F(SkatAIPlay, TakingWithKingOrTenPlaysTheTen) {
  setGame(skatTypeGrand, 2);
  setSeat(1, "sK s10 h7");
  setSeat(2, "h8 h9 d7");
  setSeat(3, "d8 d9 c7");
  declarerTricks = handOf("sA sQ c8");
  dealtAsHeld();
  setTrick(2, "s7 s8");
  EXPECT_EQ(play(1), "s10");
}

TEST_F(SkatAIPlay, NullThirdSeatStaysUnderTheBestCard) {
  setGame(skatTypeNull, 1);
  setSeat(1, "c7 c9");
  setSeat(2, "cA d7");
  setSeat(3, "cK d8");
  struct Case {
    const char* hand;
    const char* trick;
    const char* card;
  } cases[] = {
      {"h7 hJ hA", "h10 h8", "h7"},    // the card under the 10 (skatLowestBeatingCard)
      {"hQ hA", "h10 h8", "hA"},       // none stays under: the highest card
      {"s7 dA", "h10 h8", "dA"},       // no heart: the highest card
  };
  for (const Case& c : cases) {
    setSeat(1, c.hand);
    setTrick(2, c.trick);
    EXPECT_EQ(play(1), c.card) << c.hand << " on " << c.trick;
  }
}

TEST_F(SkatAIPlay, VoidsShownAndSignalled) {
  setGame(skatTypeHearts, 3);
  setSeat(1, "hA s7 s8");
  setSeat(2, "c7 c8 c9");
  setSeat(3, "h7 h8 d7");
  dealtAsHeld();
  setTrick(3, "cJ");
  EXPECT_EQ(play(1), "hA") << "the only trump";
  EXPECT_FALSE(skatSuitShownVoid(sp[1].hand, suitTrumps));
  EXPECT_TRUE(skatSuitSignalledVoid(sp[1].hand, suitTrumps, 2)) << "the trump Ace under the declarer's Jack";
  EXPECT_TRUE(skatSuitSignalledVoid(sp[1].hand, suitTrumps, 3));
  setSeat(1, "h9 s7 s8");
  setSeat(3, "h10 h8 d7");  // seat 2 cannot see the 10: the 9 tells it nothing
  skatSetSuitSignalledVoid(sp[1].hand, suitTrumps, 2, true);
  EXPECT_EQ(play(1), "h9");
  EXPECT_FALSE(skatSuitSignalledVoid(sp[1].hand, suitTrumps, 2)) << "following the suit clears the signal";
  setSeat(1, "s7 s8");
  EXPECT_EQ(play(1), "s7") << "no trump: the lowest card";
  EXPECT_TRUE(skatSuitShownVoid(sp[1].hand, suitTrumps)) << "no trump to follow a trump";
  setSeat(1, "s7 s8");
  play(1, 0);
  EXPECT_FALSE(skatSuitShownVoid(sp[1].hand, suitTrumps)) << "record 0 writes nothing";
}

TEST_F(SkatAIPlay, EveryChoiceIsLegalAndTheGuardLogsARepair) {
  setGame(skatTypeClubs, 1);
  setSeat(1, "cA s7 s8");
  setTrick(2, "c7");
  EXPECT_EQ(cardText(skatAIEnsureLegal(1, card("cA"))), "cA");
  EXPECT_EQ(protocolText(), "");
  EXPECT_EQ(cardText(skatAIEnsureLegal(1, card("s7"))), "cA") << "the suit must be followed";
  EXPECT_EQ(cardText(skatAIEnsureLegal(1, card("hA"))), "cA") << "a card not in the hand";
  EXPECT_NE(protocolText().find("FALSCHE KARTE"), std::string::npos) << protocolText();
}

TEST_F(SkatAIPlay, EmptyModelsStillLeadAndSayItInTheTrace) {
  setGame(skatTypeGrand, 1);
  setSeat(1, "cJ hA");
  setSeat(2, "");
  setSeat(3, "");
  setTrick(1, "");
  EXPECT_EQ(play(1), "hA") << "both others void in hearts; the lone Jack is not led";
  EXPECT_NE(protocolText().find("UBEKANZ1/2=0"), std::string::npos);
}

}  // namespace
