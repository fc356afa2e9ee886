// Schnapsen's area travels with the saved game: games saved mid-trick and after closing,
// loaded into a fresh program with the random generator in the same state, play on to the
// same result. The pre-computation searches the computer's answer to the card the user
// points at, and that tree answers once the card is played.
#include <gtest/gtest.h>

#include <cstring>

#include "core/card_ai.h"
#include "tests/family/schnapsen_fixture.h"

namespace {

using SchnapsenSave = SchnapsenFixture;

struct TOutcome {
  int32_t total1, total2, bummerl1, bummerl2;
  std::string won1, won2;
};

// Random offered answers on both seats until the game ends.
TOutcome finishGame() {
  randomSeed(4711);
  for (int f = 0; f < 20000 && cg.gs.phase != 5; f++) {
    if (cg.gs.awaitingAction == 2 && cg.gs.subState == 3) {
      std::vector<std::pair<int, int32_t>> out;
      if (cg.gs.bl.showOptions)
        for (int i = 1; i <= cg.gs.bl.optionCount; i++) out.push_back({2, cg.gs.bl.optionValues[i]});
      for (int i = 1; i <= stackUsed(sp[cg.gs.akspieler]); i++)
        if (schnapsenIsLegalCard(sp[cg.gs.akspieler].slots[i].card)) out.push_back({0, i});
      auto [kind, b] = out[size_t(randomBelow(int32_t(out.size())))];
      cg.submitAction(kind, 0, b);
    }
    headlessFrame();
    advanceFakeTick(20);
  }
  EXPECT_EQ(cg.gs.phase, 5);
  return {cg.gs.listTotals[1], cg.gs.listTotals[2], schnapsenArea().bummerlWon[1], schnapsenArea().bummerlWon[2],
          FamilyTableFixture::cardsOf(7), FamilyTableFixture::cardsOf(8)};
}

TEST_F(SchnapsenSave, GamesSavedMidTrickAndAfterClosingPlayOnAfterLoading) {
  for (bool closed : {false, true}) {
    resetTable();
    options(false);
    position("hJ cA sK dQ", "hQ hK cJ s10", "cQ dK sA sJ cK h10 dJ", "hA", suitHearts, 2, "c10 sQ d10", "dA dJ");
    if (closed) {
      ASSERT_TRUE(toDecision());
      cg.submitAction(2, 0, schnapsenOptClose);
    }
    ASSERT_TRUE(toDecision());
    cg.submitAction(0, 0, slotOf(2, "cJ"));
    ASSERT_TRUE(toDecision());
    ASSERT_EQ(stackUsed(sp[schnapsenTrick]), 1) << "saved mid-trick";
    const std::string base = folder + "/save/schnapsen" + (closed ? "1" : "0");
    ASSERT_FALSE(cg.saveGame(base, "Test", true));
    TOutcome reference = finishGame();

    static const TCG* blank = new TCG();
    cg = *blank;
    std::memset(static_cast<void*>(&sp), 0, sizeof sp);
    std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
    for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
    cardValues = TCardValueTable{};
    cg.gameId = gidSchnapsen;
    createCardAIs();
    ASSERT_TRUE(cg.loadGame(base));
    EXPECT_EQ(schnapsenArea().closed, closed ? 1 : 0);
    EXPECT_EQ(schnapsenArea().trumpSuit, suitHearts);
    cg.resumeGame();
    screenMode = 1;
    TOutcome loaded = finishGame();
    EXPECT_EQ(loaded.total1, reference.total1) << "closed " << closed;
    EXPECT_EQ(loaded.total2, reference.total2);
    EXPECT_EQ(loaded.bummerl1, reference.bummerl1);
    EXPECT_EQ(loaded.bummerl2, reference.bummerl2);
    EXPECT_EQ(loaded.won1, reference.won1);
    EXPECT_EQ(loaded.won2, reference.won2);
  }
}

int64_t fakeUs = 0;
int64_t tenMicrosecondsPerReading() { return fakeUs += 10; }

TEST_F(SchnapsenSave, ThePrecomputedAnswerIsUsedOnceTheCardIsPlayed) {
  setSearchClock(tenMicrosecondsPerReading);
  randomSeed(8);
  options(false);
  position("hJ cA sK dQ d10", "hQ hK cJ s10 dA", "cQ dK sA sJ cK h10 dJ", "hA", suitHearts, 1, "c10 sQ", "");
  cg.gs.seatProfiles[2].strength = 3;
  ASSERT_TRUE(toDecision());
  schnapsenPrecomputeAnswer(slotOf(1, "cA"), 1);
  EXPECT_TRUE(schnapsenPrecomputePending());
  EXPECT_EQ(schnapsenAISeat(), 2);
  for (int f = 0; f < 100000 && !schnapsenSearchFinished(); f++) {
    advanceFakeTick(1);
    schnapsenFrameSearch();
  }
  ASSERT_TRUE(schnapsenSearchFinished());
  EXPECT_FALSE(schnapsenPrecomputePending()) << "the request ends with the search";
  const int32_t processed = baumBuilder.processed;
  cg.submitAction(0, 0, slotOf(1, "cA"));
  ASSERT_TRUE(toDecision());
  ASSERT_EQ(cg.gs.akspieler, 2);
  schnapsenAIMove();
  EXPECT_EQ(cg.gs.awaitingAction, 0) << "the finished tree answers at once";
  EXPECT_EQ(baumBuilder.processed, processed);
  EXPECT_EQ(cg.gs.getBlender.kind, 0);
  setSearchClock(nullptr);
}

}  // namespace
