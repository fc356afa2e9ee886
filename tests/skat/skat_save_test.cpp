// A Skat game saved in the middle of a trick and loaded again resumes the same game: the
// same answers from there on give the same cards, the same value and the same list row.
#include <string>

#include "core/game_list.h"
#include "games/skat/skat_state.h"
#include "platform/random.h"
#include "table/stack_sync.h"
#include "tests/skat/skat_play_fixture.h"
#include "tests/support/cards.h"

namespace {

class SkatSaveTest : public SkatPlayFixture {
 protected:
  // Mittelhand plays a Grand with the Skat, presses the first two cards, the others pass;
  // every card is the first legal one.
  static void answer() {
    int kind = cg.gs.bl.decisionKind;
    int seat = cg.gs.akspieler;
    switch (kind) {
      case 48: return cg.submitAction(2, 0, seat == 2 ? 41 : 43);
      case 49: return cg.submitAction(2, 0, 43);
      case 50: return cg.submitAction(2, 0, 51);
      case 53: return cg.submitAction(2, 0, 53);
      case 55: return cg.submitAction(2, 0, 11);
      case 54:
      case 58:
        syncHandFromSlots(sp[seat]);
        for (int i = 1; i <= stackUsed(sp[seat]); i++)
          if (skatIsLegalCard(sp[seat].slots[i].card)) return cg.submitAction(0, 0, i);
        return;
      default: return cg.submitAction(2, 0, cg.gs.bl.optionValues[1]);
    }
  }

  // Frames until the seat to act is asked for the second card of the fourth trick.
  bool playToTheMiddleOfATrick() {
    for (int f = 0; f < 20000; f++) {
      bool quiet = cg.gs.awaitingAction == 2 && pendingMoveCount == 0 && cg.gs.pendingMove == 0;
      if (quiet && cg.gs.phase == 4 && handUsed(playedCards) == 9 && handUsed(trickCards) == 1) return true;
      if (cg.gs.awaitingAction == 2) answer();
      frame();
    }
    return false;
  }

  struct TOutcome {
    std::string played;
    int32_t value = 0;
    int32_t declarer = 0;
    int32_t row[4] = {};
  };

  TOutcome finish() {
    randomSeed(777);  // the hidden hands' played slots and the remarks draw from here on
    EXPECT_TRUE(playGame(answer));
    TOutcome o;
    o.played = handText(playedCards);
    o.value = skatGameArea().game.gameValue;
    o.declarer = skatGameArea().game.declarer;
    for (int s = 1; s <= 3; s++) o.row[s] = gameListValue(cg.gs.gamesPlayed, s);
    return o;
  }
};

TEST_F(SkatSaveTest, LoadedInTheMiddleOfATrickTheGameEndsTheSame) {
  skatGameArea().options.firstDealer = 3;
  skatGameArea().options.kontra = 0;
  screenMode = 1;
  cg.startGame(gidSkat, 0);
  allSeatsAnsweredByTheTest();
  ASSERT_TRUE(playToTheMiddleOfATrick());
  std::string base = folder + "/save/skat";
  ASSERT_FALSE(cg.saveGame(base, "Test", true)) << "saving failed";
  std::string trickBefore = handText(trickCards);
  TOutcome first = finish();
  ASSERT_EQ(cg.gs.phase, 5);

  ASSERT_TRUE(cg.loadGame(base));
  cg.resumeGame();
  screenMode = 1;
  EXPECT_EQ(handText(trickCards), trickBefore);
  EXPECT_EQ(cg.gs.phase, 4);
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  TOutcome second = finish();
  EXPECT_EQ(second.played, first.played);
  EXPECT_EQ(second.value, first.value);
  EXPECT_EQ(second.declarer, first.declarer);
  for (int s = 1; s <= 3; s++) EXPECT_EQ(second.row[s], first.row[s]) << "seat " << s;
  EXPECT_EQ(handUsed(playedCards), 30);
}

}  // namespace
