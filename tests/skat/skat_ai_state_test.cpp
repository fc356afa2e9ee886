// The computer player's data in a hand copy's extras: the rating's image (size pinned, every
// field back as written) and the void tables in the markers block that clearHand zeroes.
#include <gtest/gtest.h>

#include <cstring>

#include "games/skat/skat_ai_state.h"
#include "tests/support/cards.h"

namespace {

TSkatSeatRating sampleRating() {
  TSkatSeatRating r{};
  r.bestGame = 11;
  r.handValue = -321;
  r.jackValue = 17;
  r.cardValue = 29;
  for (int i = 1; i <= 16; i++) r.gameValues[i] = static_cast<int16_t>(i * 100 - 800);
  r.strength = 141;
  r.cardPoints = 77;
  r.spitzenFactor = 6;
  r.maxGameValue = 144;
  r.bidLimit = 144;
  r.nullKind = 2;
  r.playHand = 1;
  r.announceSchneider = 1;
  r.announceSchwarz = 0;
  r.playOuvert = 1;
  r.nullRiskCard1 = card("hA#7");
  r.nullRiskCard2 = card("s10#2");
  r.nullRiskCount = 10;
  return r;
}

TEST(SkatAIState, RatingComesBackFieldByField) {
  THand h = handOf("cJ sA");
  TSkatSeatRating in = sampleRating();
  skatWriteRating(h, in);
  TSkatSeatRating out = skatReadRating(h);
  EXPECT_EQ(out.bestGame, 11);
  EXPECT_EQ(out.handValue, -321);
  for (int i = 1; i <= 16; i++) EXPECT_EQ(out.gameValues[i], in.gameValues[i]) << "gameValues[" << i << "]";
  EXPECT_EQ(out.strength, 141);
  EXPECT_EQ(out.nullKind, 2);
  EXPECT_EQ(out.playOuvert, 1);
  EXPECT_EQ(out.announceSchwarz, 0);
  EXPECT_TRUE(cardsIdentical(out.nullRiskCard1, in.nullRiskCard1));
  EXPECT_TRUE(cardsIdentical(out.nullRiskCard2, in.nullRiskCard2));
  EXPECT_EQ(out.nullRiskCount, 10);
  EXPECT_EQ(handText(h), "cJ sA") << "the cards are not touched";
}

TEST(SkatAIState, RatingImageTakes66BytesAfterTheOwner) {
  THand h{};
  std::memset(&h.extras, 0xA5, sizeof(h.extras));
  TSkatSeatRating r{};
  skatWriteRating(h, r);
  int written = 0;
  for (int i = 0; i < static_cast<int>(sizeof(h.extras.data)); i++)
    if (h.extras.data[i] == 0) written = i + 1;
  EXPECT_EQ(written, skatSeatRatingImageSize);
  EXPECT_EQ(skatSeatRatingImageSize, 66);
  EXPECT_EQ(h.extras.owner, 0xA5) << "the owner byte is not part of the rating";
  EXPECT_EQ(h.extras.markers[0], 0xA5) << "the void tables are not part of the rating";
}

TEST(SkatAIState, BestGameAloneIsTheRatingsFirstField) {
  TSpieler* stack = new TSpieler{};
  skatStoreSeatRating(*stack, sampleRating());
  skatSetBestGame(*stack, 100);
  EXPECT_EQ(skatBestGame(*stack), 100);
  TSkatSeatRating r = skatSeatRating(*stack);
  EXPECT_EQ(r.bestGame, 100);
  EXPECT_EQ(r.strength, 141) << "the other fields stay";
  delete stack;
}

TEST(SkatAIState, VoidTablesLiveInTheMarkersAndClearHandEmptiesThem) {
  THand h = handOf("cJ");
  skatWriteRating(h, sampleRating());
  skatSetSuitShownVoid(h, 3, true);
  skatSetSuitShownVoid(h, 6, true);
  skatSetSuitSignalledVoid(h, 2, 3, true);
  EXPECT_TRUE(skatSuitShownVoid(h, 3));
  EXPECT_TRUE(skatSuitShownVoid(h, 6));
  EXPECT_FALSE(skatSuitShownVoid(h, 1));
  EXPECT_TRUE(skatSuitSignalledVoid(h, 2, 3));
  EXPECT_FALSE(skatSuitSignalledVoid(h, 2, 1));
  EXPECT_FALSE(skatSuitSignalledVoid(h, 3, 3));
  EXPECT_FALSE(skatSuitShownVoid(h, 0)) << "out of range reads as not void";
  EXPECT_FALSE(skatSuitSignalledVoid(h, 7, 1));
  skatSetSuitShownVoid(h, 9, true);  // ignored
  clearHand(h);
  EXPECT_FALSE(skatSuitShownVoid(h, 3));
  EXPECT_FALSE(skatSuitSignalledVoid(h, 2, 3));
  EXPECT_EQ(skatReadRating(h).strength, 141) << "clearHand keeps the rating";
}

}  // namespace
