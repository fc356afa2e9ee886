// The hand rating's arithmetic, row by row on small hands with empty rule tables unless a row
// says otherwise: the suit-game deductions and the trump duel, Grand's adjustments, when a
// hand may be played as Hand, the misses and losers behind the announcements, the Schneider
// mark of the strength, and the two Null tests.
#include <gtest/gtest.h>

#include "games/skat/skat_rating.h"
#include "tests/skat/skat_ai_fixture.h"
#include "tests/support/cards.h"

namespace {

class SkatRatingRules : public SkatAIFixture {
 protected:
  TSkatSeatRating rate(const char* hand, const char* skat, const char* o1, const char* o2,
                       const TSkatProfileFields& profile = neutralProfile) {
    return skatRateHand(handOf(hand), handOf(skat), handOf(o1), handOf(o2), profile);
  }
};

TEST_F(SkatRatingRules, SuitGameDeductionsAndTheTrumpDuel) {
  struct Case {
    const char* hand;
    const char* o1;
    const char* o2;
    int32_t value;
    const char* why;
  } cases[] = {
      // Hearts; the heart Jack counts as a heart, the diamond Jack does not.
      {"hJ dJ hA h10", "h7", "c7", 3, "three hearts: +3, no opponent near"},
      {"hJ dJ hA h10", "h7 h8", "c7", 0, "an opponent one short of the seat: -3"},
      {"hJ dJ hA h10", "h7 h8 hK", "c7", -5, "as many: -3 -5"},
      {"hJ dJ hA h10", "h7 h8 hK hQ", "c7", -15, "more: -3 -5 -10"},
      {"hJ dJ hA h10", "c7", "h7 h8 hK hQ", -15, "the second opponent counts alike"},
      {"hJ hA h10 hK", "c7", "c8", 3, "one Jack: -3"},
      {"hA h10 hK hQ", "c7", "c8", -2, "no Jack: -3 -5"},
      {"hJ h7", "dJ", "c7", -3, "the duel even (1 against 1): no deduction"},
      {"hJ h7", "sJ", "c7", -15, "the spade Jack beats both trumps, none of the seat's beats it: -12"},
      {"hA h10 hK hQ", "cJ sJ", "c7", -14, "no Jack and a lost duel"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(skatRateSuitGame(handOf(c.hand), skatTypeHearts, handOf(c.o1), handOf(c.o2)), c.value)
        << c.why << ": " << c.hand << " against " << c.o1 << " / " << c.o2;
}

TEST_F(SkatRatingRules, GrandAdjustments) {
  struct Case {
    const char* hand;
    const char* skat;
    int32_t jackValue, cardValue;
    const char* o1;
    int32_t value;
    const char* why;
  } cases[] = {
      {"cJ sJ h7", "", 10, 10, "c7", 9, "R(10 x 0.66 + 10 x 0.22) = R(8.8)"},
      {"cJ sJ cA sA", "hA d7", 0, 0, "c7", 6, "three Aces with the Skat: +6"},
      {"cJ sJ cA sA c10 s10", "hA", 0, 0, "c7", 16, "and Aces with Tens 5: +10"},
      {"cJ sJ cA sA c10", "hA h10", 0, 0, "c7", 6, "a Ten in the Skat does not count"},
      {"cJ sJ h7", "", 0, 0, "hJ dJ", -3, "an opponent with as many Jacks: -3"},
      {"cJ h7", "", 0, 0, "sJ hJ", -10, "more Jacks: -3 -4, one Jack: -3"},
      {"cA", "", 0, 0, "cJ sJ hJ dJ", -20, "two more than none: -3 -4 -5, no Jack: -3 -5"},
      {"hJ dJ", "", 0, 0, "cJ", -7, "the club Jack beats both: the duel costs 7"},
  };
  for (const Case& c : cases) {
    THand hand = handOf(c.hand);
    THand full = concatHands(hand, handOf(c.skat));
    EXPECT_EQ(skatRateGrand(hand, full, c.jackValue, c.cardValue, handOf(c.o1), handOf("c8")), c.value)
        << c.why << ": " << c.hand << " + " << c.skat;
  }
}

TEST_F(SkatRatingRules, HandNeedsThreeJacksAndAcesAndTensForTheSuitsHeld) {
  struct Case {
    const char* hand;
    const char* skat;
    int playHand;
    const char* why;
  } cases[] = {
      {"cJ sJ hJ cA sA c10 s7 h7 h8 d7", "c7 c8", 1, "four suits held, three twice: two Aces, one Ten"},
      {"cJ sJ hJ cA s8 c10 s7 h7 h8 d7", "c7 c8", 0, "one Ace short"},
      {"cJ sJ hJ cA sA c9 s7 h7 h8 d7", "c7 c8", 0, "one Ten short"},
      {"cJ sJ cA sA c10 s7 h7 h8 d7 d8", "hJ c7", 0, "three Jacks with the Skat; four suits twice want two Tens"},
      {"cJ sJ cA sA c10 d10 h7 h8 d7 d8", "hJ c7", 1, "the second Ten"},
      {"cJ sJ cA sA c10 d10 h7 h8 d7 d8", "c7 c8", 0, "two Jacks"},
  };
  for (const Case& c : cases) EXPECT_EQ(rate(c.hand, c.skat, "", "").playHand, c.playHand) << c.why << ": " << c.hand;
}

// With a Jack rule worth 100 the strength lies far above 140, so the flags stand as rated.
TEST_F(SkatRatingRules, MissesDecideTheAnnouncements) {
  setTable(skatSlotJacks, "#1(4,0)100#");
  struct Case {
    const char* hand;
    const char* o1;
    const char* o2;
    int schneider, schwarz, ouvert;
    const char* why;
  } cases[] = {
      {"cJ sJ hJ dJ cA c9 c8 sA s10 s9", "c7 cQ cK s7 s8 h8 h9 h10 hQ hK", "c10 sQ sK hA d8 d9 d10 dQ dK dA",
       1, 0, 0, "three clubs out: no Ten and no King under the Ace (3); two spades out: Ace and Ten suffice"},
      {"cJ sJ hJ dJ cA c9 c8 sA s10 s9", "c7 cQ cK s7 s8 sQ h9 h10 hQ hK", "c10 h8 sK hA d8 d9 d10 dQ dK dA",
       0, 0, 0, "three spades out: the missing King adds the fourth"},
      // Each 7 below A and 10 loses twice: four losers, so Schwarz rests on the misses.
      {"cJ sJ hJ dJ cA c10 c7 sA s10 s7", "c8 c9 cQ s8 s9 h8 h9 h10 hQ hK", "cK sQ sK hA d8 d9 d10 dQ dK dA",
       1, 1, 1, "one miss, the club King"},
      {"cJ sJ hJ dJ cA c10 c7 sA s10 s7", "c8 c9 cQ s8 s9 sQ h9 h10 hQ hK", "cK sK h8 hA d8 d9 d10 dQ dK dA",
       1, 0, 0, "two misses, both Kings"},
      {"cJ hJ dJ cA c10 c7 sA s10 s7 hA", "sJ c8 c9 s8 s9 h8 h9 h10 hQ hK", "cQ cK sQ sK d8 d9 d10 dQ dK dA",
       1, 1, 1, "two misses for the spade Jack out and three Jacks held; the spade Jack is forgiven for Schwarz"},
      {"cJ sJ dJ cA c10 c7 sA s10 s7 hA", "hJ c8 c9 cQ s8 s9 h8 h9 h10 hQ", "cK sQ sK hK d8 d9 d10 dQ dK dA",
       1, 0, 0, "two misses for three Jacks held and the club King: nothing forgiven"},
  };
  for (const Case& c : cases) {
    TSkatSeatRating r = rate(c.hand, "h7 d7", c.o1, c.o2);
    ASSERT_EQ(r.playHand, 1) << c.hand;
    EXPECT_GT(r.strength, skatStrengthSchneider);
    EXPECT_EQ(r.announceSchneider, c.schneider) << c.why;
    EXPECT_EQ(r.announceSchwarz, c.schwarz) << c.why;
    EXPECT_EQ(r.playOuvert, c.ouvert) << c.why;
  }
}

TEST_F(SkatRatingRules, LosersDecideSchwarzAndOuvert) {
  setTable(skatSlotJacks, "#1(4,0)100#");
  struct Case {
    const char* hand;
    int schwarz, ouvert;
    const char* why;
  } cases[] = {
      {"cJ sJ hJ cA c10 c9 sA s10 sK hA", 1, 1, "no loser: only Queen and King above the 9, two sure"},
      {"cJ sJ hJ cA c10 c8 sA s10 sK hA", 1, 0, "one loser: three above the 8"},
      {"cJ sJ hJ cA c10 c7 sA s10 s8 hA", 1, 0, "three: the 7 of clubs two, the 8 of spades one"},
      {"cJ sJ hJ cA c10 c7 sA s10 s7 hA", 0, 0, "four: each 7 two"},
  };
  for (const Case& c : cases) {
    // Seat 2 holds every club and spade left, so each suit's three passes run; the three
    // Jacks and the missing Kings keep the misses at 2 or 3.
    THand rest = handOf("c7 c8 c9 cQ cK s7 s8 s9 sQ sK h7 h8 h9 h10 hQ hK dJ dA d10 dK dQ d9");
    THand hand = handOf(c.hand);
    for (int i = 1; i <= hand.anz; i++) removeCard(rest, hand.k[i]);
    THand o1{}, o2{};
    for (int i = 1; i <= rest.anz; i++) handaddk(i <= 10 ? o1 : o2, rest.k[i]);
    TSkatSeatRating r = skatRateHand(hand, handOf("d7 d8"), o1, o2, neutralProfile);
    ASSERT_EQ(r.announceSchneider, 1) << c.hand;
    EXPECT_EQ(r.announceSchwarz, c.schwarz) << c.why;
    EXPECT_EQ(r.playOuvert, c.ouvert) << c.why;
  }
}

TEST_F(SkatRatingRules, SchneiderNeedsAStrengthAbove140) {
  setTable(skatSlotJacks, "#1(4,0)48#");  // jackValue 24
  setTable(skatSlotCards, "#1(1,0)-5#");  // cardValue -5 through the 7s in the Skat
  struct Case {
    int32_t reizen, strength, schneider;
  } cases[] = {
      {0, 140, 0},   // R(0.6 x (144 - 10 + 40) + 2.4 x 15)
      {51, 141, 1},  // R(140 x 1.01)
  };
  for (const Case& c : cases) {
    TSkatProfileFields p = neutralProfile;
    p.reizen = c.reizen;
    TSkatSeatRating r = rate("cJ sJ hJ dJ cA c9 c8 sA s10 s9", "h7 d7", "c7 cQ cK s7 s8 h8 h9 h10 hQ hK",
                             "c10 sQ sK hA d8 d9 d10 dQ dK dA", p);
    EXPECT_EQ(r.gameValues[skatTypeGrand], 15);
    EXPECT_EQ(r.strength, c.strength);
    EXPECT_EQ(r.announceSchneider, c.schneider) << "strength " << r.strength;
  }
}

TEST_F(SkatRatingRules, TheTwoNullTests) {
  struct Case {
    const char* hand;
    const char* skat;
    const char* o1;
    const char* o2;
    int nullKind, bidLimit, riskCount;
    const char* why;
  } cases[] = {
      {"h7 hA c7", "", "h8 h9 hK", "c8", 1, 35, 1, "one risky card in both tests: Null Hand"},
      {"h7 hA c7 c9", "c8 c10", "h8 h9 hK", "cQ", 2, 46, 1,
       "one with the Skat in the hand, two with it out: ouvert, not Hand"},
      {"c7 c9", "c8 c10", "", "cQ", 1, 35, 1, "none with the Skat, one without: Hand, not ouvert"},
      {"h7 hA", "s7 sA", "h8 h9 hK s8 s9 sK", "", 0, 23, 2, "two risky cards: the second test cannot help"},
      {"h7", "hA sA", "h8 h9 hK s7 s8", "", 2, 59, 0, "the risky cards lie in the Skat: ouvert Hand"},
  };
  for (const Case& c : cases) {
    TSkatSeatRating r = rate(c.hand, c.skat, c.o1, c.o2);
    ASSERT_LT(r.strength, skatStrengthNoNull) << c.hand;
    EXPECT_EQ(r.nullKind, c.nullKind) << c.why;
    EXPECT_EQ(r.bidLimit, c.bidLimit) << c.why;
    EXPECT_EQ(r.nullRiskCount, c.riskCount) << c.why;
    EXPECT_EQ(r.bestGame, skatTypeNull) << c.why;
  }
}

}  // namespace
