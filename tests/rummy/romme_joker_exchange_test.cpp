// A Rommé lay-off that takes a Joker's place, played through the card table's moves: the
// card goes into the meld where the Joker lay, the Joker into the hand, every card stays in
// exactly one place and stack 12's slots and k12 describe the same melds.
#include <map>

#include "core/game_state.h"
#include "games/rummy/meld_table.h"
#include "games/rummy/romme_rules.h"
#include "games/rummy/romme_state.h"
#include "table/move_executor.h"
#include "table/table_layout.h"
#include "tests/table/table_fixture.h"

namespace {

class RommeJokerExchangeTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    setGame(gidRomme, 2);
    rommeArea() = TRommeArea{};
    rommeArea().options.packs = 2;
    rommeArea().options.jokerValue = 20;
    rommeArea().options.layOffOnOthers = 1;
    rommeInitSortKeys();
    buildTableLayout(true);
    k12 = Tk12Container{};
    k12.clear();
    cg.gs.meldTableInUse = 1;
    cg.gs.akspieler = 1;
  }
  void TearDown() override {
    k12 = Tk12Container{};
    rommeArea() = TRommeArea{};
    TableTest::TearDown();
  }
  static void play(const std::string& selection, int32_t dstIndex, uint8_t type) {
    cg.gs.bl.selhand = handOf(selection);
    amove(1, 0, 12, dstIndex, 0, type);
    ASSERT_GT(runUntilIdle(), 0);
    k12.rebuildFromSlots();
  }
  static std::map<std::string, int> cardsOnTable() {
    std::map<std::string, int> seen;
    for (int32_t s : {1, 12})
      for (int32_t i = 1; i <= sp[s].count; i++) seen[cardText(sp[s].slots[i].card)]++;
    return seen;
  }
  static std::string meldText(int32_t n) {
    THand m{};
    k12.getMeld(n, m);
    for (int i = 1; i <= m.anz; i++) m.k[i].hi = 0;
    return handText(m);
  }
};

TEST_F(RommeJokerExchangeTest, TheLaidCardTakesTheJokersPlaceAndTheJokerGoesToTheHand) {
  struct Case {
    const char* hand;  // the meld's three cards first
    const char* laid;  // selection, by hand slot after the meld was laid
    int32_t click;     // stack-12 slot clicked
    const char* meld;
    const char* rest;
  } cases[] = {
      {"h5 x h7 h6 c9 c10", "h6#1", 2, "h5 h6 h7", "x c9 c10"},
      {"h5 x h7 h6 h8 c10", "h6#1 h8#2", 3, "h5 h6 h7 h8", "x c10"},
      {"h5 x h7 h8 h6 c10", "h8#1 h6#2", 1, "h5 h6 h7 h8", "x c10"},  // the exchanged card second
      {"cK x hK sK dK c9", "sK#1 dK#2", 1, "cK sK hK dK", "x c9"},
      {"x h5 h6 h4 c9", "h4#1", 2, "h4 h5 h6", "x c9"},
  };
  for (const Case& c : cases) {
    SetUp();
    fill(1, c.hand);
    const auto before = cardsOnTable();
    THand h = handOf(c.hand);
    std::string first;
    for (int i = 1; i <= 3; i++) first += (i > 1 ? " " : "") + cardText(h.k[i]) + "#" + std::to_string(i);
    play(first, 0, 3);
    play(c.laid, c.click, 4);
    EXPECT_EQ(meldText(1), c.meld) << c.hand;
    EXPECT_EQ(stackText(1), c.rest) << c.hand;
    EXPECT_EQ(cardsOnTable(), before) << c.hand;
    EXPECT_EQ(k12.layOffPending, 0);
    int32_t inMelds = 0;
    for (int32_t p = 1; p <= k12.melds[1].anz; p++) {
      const int32_t s = k12.melds[1].k[p].hi;
      ASSERT_GE(s, 1) << c.hand;
      EXPECT_EQ(sp[12].slots[s].meldNo, 1) << c.hand;
      EXPECT_EQ(sp[12].slots[s].meldPos, p) << c.hand;
      inMelds++;
    }
    EXPECT_EQ(inMelds, sp[12].count) << c.hand;
    TearDown();
  }
}

}  // namespace
