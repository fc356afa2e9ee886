// The hand rating: the choice of the best game, the strength with the profile's scaling, the
// bid limits, Null with its risky cards, the flags of Hand games, and what the rating leaves
// in the records.
#include <gtest/gtest.h>

#include "games/skat/skat_ai_cards.h"
#include "games/skat/skat_rating.h"
#include "tests/skat/skat_ai_fixture.h"
#include "tests/support/cards.h"

namespace {

class SkatRating : public SkatAIFixture {
 protected:
  TSkatSeatRating rateSeat1() {
    skatAIEvaluateHand(sp[1]);
    return skatSeatRating(sp[1]);
  }
  // Seat 1 holds clubs and spades alike, hearts and diamonds alike; so do the others.
  void symmetricDeal() {
    setSeat(1, "c7 c8 c9 s7 s8 s9 hJ dJ hA dA");
    setSeat(2, "cQ cK c10 sQ sK s10 h7 h8 d7 d8");
    setSeat(3, "cA sA cJ sJ h9 hQ hK d9 dQ dK");
    pressedSkat = handOf("h10 d10");
  }
  // A hand no opponent can force a trick on in Null: seat 1 holds every low card.
  void nullDeal(const char* fourthSuit) {
    setSeat(1, std::string("c7 c8 c9 s7 s8 s9 h7 h8 ") + fourthSuit);
    setSeat(2, "cA cK cQ sA sK sQ hA hK");
    setSeat(3, "cJ c10 sJ s10 hJ h9 hQ h10");
    pressedSkat = handOf("");
  }
};

TEST_F(SkatRating, EqualSuitValuesTakeTheLowerSuit) {
  symmetricDeal();
  setTable(skatSlotSuitGame, "#1(1,5)20#");  // the trump 7: clubs and spades well above Grand
  TSkatSeatRating r = rateSeat1();
  EXPECT_EQ(r.gameValues[1], r.gameValues[2]) << "clubs and spades are rated alike";
  EXPECT_EQ(r.gameValues[3], r.gameValues[4]) << "hearts and diamonds are rated alike";
  int expected = r.gameValues[1] >= r.gameValues[3] ? 1 : 3;
  EXPECT_EQ(r.bestGame, expected) << "values " << r.gameValues[1] << " and " << r.gameValues[3];
}

TEST_F(SkatRating, AGrandValueOf14WinsOverAHigherSuitValue) {
  symmetricDeal();
  setTable(skatSlotCards, "#1(8,0)120#");      // cardValue 120 with any Ace: Grand gets 26 from it
  setTable(skatSlotSuitGame, "#1(1,5)100#");   // the trump 7 makes a suit game worth far more
  TSkatSeatRating r = rateSeat1();
  EXPECT_GE(r.gameValues[11], 14);
  EXPECT_GT(r.gameValues[1], r.gameValues[11]);
  EXPECT_EQ(r.bestGame, skatTypeGrand);
}

TEST_F(SkatRating, ProfileScalesTheStrength) {
  symmetricDeal();
  setTable(skatSlotCards, "#1(8,0)40#");
  int32_t plain = rateSeat1().strength;
  seatProfile[1].fields.reizen = 60;
  EXPECT_EQ(rateSeat1().strength, skatRound(plain * 1.1)) << "reizen 60 adds a tenth";
  seatProfile[1].fields.reizen = 50;
  EXPECT_EQ(rateSeat1().strength, plain) << "reizen 50 leaves the strength";
  seatProfile[1].fields.reizenr = 100;
  skatArea->options.bockRamsch = 1;
  skatArea->options.ramschIfNoBid = 1;
  EXPECT_EQ(rateSeat1().strength, skatRound(plain * 1.5)) << "reizenr counts while Ramsch follows all passing";
  seatProfile[1].fields = neutralProfile;
  seatProfile[1].fields.wafe = 10;
  for (int i = 0; i < 50; i++) {
    int32_t s = rateSeat1().strength;
    ASSERT_GE(s, plain - 6) << "wafe 10 takes at most 5.6";
    ASSERT_LE(s, plain + 8) << "wafe 10 adds at most 8.4";
  }
}

TEST_F(SkatRating, BidLimitsByStrength) {
  struct Case {
    int32_t strength, maxValue, limit;
  } cases[] = {{102, 48, 0}, {103, 48, 19}, {117, 48, 19}, {118, 48, 48},
               {103, 18, 18}, {130, 18, 18}, {-5, 24, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(skatRatingBidLimit(c.strength, c.maxValue), c.limit) << "strength " << c.strength << ", value " << c.maxValue;
}

TEST_F(SkatRating, NullHandOuvertWhenNoCardCanBeForced) {
  nullDeal("d7 d8");
  TSkatSeatRating r = rateSeat1();
  EXPECT_LT(r.strength, skatStrengthNoNull);
  EXPECT_EQ(r.bestGame, skatTypeNull);
  EXPECT_EQ(r.nullKind, 2);
  EXPECT_EQ(r.nullRiskCount, 0);
  EXPECT_EQ(r.bidLimit, 59) << "Null ouvert Hand";
  EXPECT_EQ(skatBid->gameType, skatTypeNull) << "the bid record keeps the last game tried";
}

TEST_F(SkatRating, ASuitWithoutALowCardEndsWithPlainNull) {
  nullDeal("dK dA");
  TSkatSeatRating r = rateSeat1();
  EXPECT_EQ(r.nullRiskCount, 0);
  EXPECT_EQ(r.bestGame, skatTypeNull);
  EXPECT_EQ(r.nullKind, 0) << "no Hand, no ouvert with King and Ace alone";
  EXPECT_EQ(r.bidLimit, 23);
}

TEST_F(SkatRating, AStrongHandIsNeverRatedForNull) {
  nullDeal("d7 d8");
  setTable(skatSlotCards, "#1(1,0)100#");  // a 7 in the hand adds 200 to the hand value
  TSkatSeatRating r = rateSeat1();
  EXPECT_GE(r.strength, skatStrengthNoNull);
  EXPECT_NE(r.bestGame, skatTypeNull);
  EXPECT_EQ(r.nullKind, 0);
  EXPECT_EQ(skatBid->gameType, skatTypeGrand) << "no Null test ran";
}

TEST_F(SkatRating, NullRiskCountsCardsOpponentsCanDuck) {
  setGame(skatTypeNull, 1);
  struct Case {
    const char* own;
    const char* a;
    const char* b;
    int risky;
    const char* first;
  } cases[] = {
      {"h7 h9", "h8", "", 0, "(0,0)"},       // the 9 is safe: h8's owner has no second heart
      {"h7 h9", "h8 hK", "", 0, "(0,0)"},    // h7 goes under h8, then h9 under hK
      {"h9", "h7 h8", "", 1, "h9"},          // two lower hearts: one is led, the 9 must take
      {"hJ", "h10 hA", "", 1, "hJ"},         // in Null the 10 ranks below the Jack
      {"cA", "", "c7", 0, "(0,0)"},          // a single card of the suit cannot be forced
      {"cA sA", "c7 c8", "s7 s8", 2, "cA"},
  };
  for (const Case& c : cases) {
    TCard first, second;
    int n = skatAICountSureTricks(handOf(c.own), handOf(c.a), handOf(c.b), first, second);
    EXPECT_EQ(n, c.risky) << c.own << " against " << c.a << " / " << c.b;
    EXPECT_EQ(cardText(first), c.first) << c.own << " against " << c.a << " / " << c.b;
  }
}

TEST_F(SkatRating, AHandWithoutHandClearsTheFlagsAndTheRecordsAreSet) {
  symmetricDeal();
  TSkatSeatRating old{};
  old.playHand = old.announceSchneider = old.announceSchwarz = old.playOuvert = 1;
  skatStoreSeatRating(sp[1], old);
  TSkatSeatRating r = rateSeat1();
  EXPECT_EQ(r.playHand + r.announceSchneider + r.announceSchwarz + r.playOuvert, 0);
  EXPECT_EQ(handText(dealtHands[1]), handText(sp[1].hand));
  EXPECT_EQ(handText(dealtSkat), "h10 d10");
  EXPECT_EQ(skatGame->level, 0);
  EXPECT_EQ(skatGame->handGame, 0);
  if (r.bestGame != skatTypeNull) {
    EXPECT_EQ(skatGame->gameType, r.bestGame);
  }
  EXPECT_EQ(r.handValue, r.jackValue * 6 + r.cardValue * 2 + r.cardPoints);
  EXPECT_EQ(r.cardPoints, 11 + 11 + 10 + 10 + 2 + 2);
}

TEST_F(SkatRating, FourJacksAndAllAcesMakeAnAnnouncedGrandHand) {
  setSeat(1, "cJ sJ hJ dJ cA c10 sA s10 hA dA");
  setSeat(2, "cK cQ c9 sK sQ s9 hK hQ h9 h8");
  setSeat(3, "c8 c7 s8 s7 h10 h7 dK dQ d9 d8");
  pressedSkat = handOf("d10 d7");
  setTable(skatSlotJacks, "#1(4,0)60#");
  setTable(skatSlotCards, "#1(8,0)40#");
  TSkatSeatRating r = rateSeat1();
  EXPECT_EQ(r.bestGame, skatTypeGrand);
  EXPECT_EQ(r.playHand, 1);
  EXPECT_EQ(r.announceSchneider, 1);
  EXPECT_EQ(r.announceSchwarz, 1);
  EXPECT_EQ(r.spitzenFactor, 4 + 1 + 1 + 2 + 2 + r.playOuvert) << "with 4, game, Hand, Schneider and Schwarz announced";
  EXPECT_EQ(r.maxGameValue, r.spitzenFactor * 24);
}

}  // namespace
