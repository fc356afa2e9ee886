// A card drawn from another seat's hand (Old Maid): whichever lands first, the drawn card or
// the source hand closing its gap, the drawer gets the card it took and the source keeps the
// rest, each card once.
#include "table/deal_moves.h"
#include "table/table_layout.h"
#include "tests/table/table_fixture.h"

namespace {

class HandDrawTest : public TableTest {
 protected:
  // Lands the moves of the stack's own cards into its layout copy at once, before any other.
  static void landGapFirst(int32_t stack) {
    for (int32_t k = 1; k <= stackUsed(sp[stack]); k++) {
      TCardSlot& s = sp[stack].slots[k];
      if (!s.moving || s.dstStack != -stack) continue;
      s.startDelay = 0;
      s.t = 1;
      animateCard(s);
    }
  }
};

struct TDrawCase {
  bool gapFirst;
  int32_t taken;
};

TEST_F(HandDrawTest, TheDrawnCardArrivesWhicheverLandsFirst) {
  const TDrawCase cases[] = {
      {true, 2}, {false, 2}, {true, 1}, {false, 1}, {true, 4}, {false, 4}, {true, 3},
  };
  for (const TDrawCase& c : cases) {
    resetTable();
    setGame(gidOldMaid, 3);
    buildTableLayout(true);
    fill(2, "c7 c8");
    fill(3, "h9 hK s10 dA");
    const std::string taken = cardText(sp[3].slots[c.taken].card);
    std::string rest;
    for (int k = 1; k <= 4; k++)
      if (k != c.taken) rest += (rest.empty() ? "" : " ") + cardText(sp[3].slots[k].card);
    gethand(2, 1, 0, 0, 3, c.taken);
    if (c.gapFirst) landGapFirst(3);
    ASSERT_GT(runUntilIdle(), 0);
    const std::string at = std::string(c.gapFirst ? "gap first" : "draw first") + ", slot " + std::to_string(c.taken);
    EXPECT_EQ(stackText(3), rest) << at;
    EXPECT_EQ(sp[2].count, 3) << at;
    EXPECT_NE(stackText(2).find(taken), std::string::npos) << at;
    EXPECT_NE(stackText(2).find("c7"), std::string::npos) << at;
    EXPECT_NE(stackText(2).find("c8"), std::string::npos) << at;
  }
}

}  // namespace
