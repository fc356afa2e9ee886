// A new Canasta game's parts: option numbers, the stock of one to three packs, teams and
// the per-game flags, and the dealer by each rule.
#include "core/game_list.h"
#include "games/rummy/canasta_new_game.h"
#include "games/rummy/canasta_state.h"
#include "tests/rummy/canasta_fixture.h"

namespace {

using CanastaNewGameTest = CanastaTest;

TEST_F(CanastaNewGameTest, OptionNumbers) {
  struct Case {
    const char* text;
    int32_t value;
  } cases[] = {{"6 Runden", 6}, {"1000 Punkte", 1000}, {"Keine Grenze", 99999}, {"Standard", 99999},
               {"8 Karten", 8}, {"150", 150},           {"", 99999},             {"50", 50}};
  for (const Case& c : cases) EXPECT_EQ(canastaParseOptionNumber(c.text), c.value) << c.text;
}

TEST_F(CanastaNewGameTest, StockHoldsEveryPackWithTwoJokersEach) {
  for (int packs : {1, 2, 3}) {
    canastaArea().options.packs = packs;
    layMeld(1, "cK hK dK");
    canastaBuildDeck();
    EXPECT_EQ(sp[11].count, 54 * packs);
    syncHandFromSlots(sp[11]);
    EXPECT_EQ(countRank(sp[11].hand, rankJoker), 2 * packs);
    EXPECT_EQ(countCard(sp[11].hand, card("h3")), packs);
    EXPECT_EQ(countRank(sp[11].hand, rankAce), 4 * packs);
    EXPECT_EQ(k12.ownMeldCount, 0);
    sp[12].count = 0;
  }
}

TEST_F(CanastaNewGameTest, TeamsSitOppositeAndFlagsStartCleared) {
  struct Case {
    int seats;
    bool teams;
    const char* table;
  } cases[] = {{4, true, "1212"}, {6, true, "123123"}, {4, false, "0000"}, {3, true, "000"}};
  for (const Case& c : cases) {
    seats(c.seats);
    canastaArea().options.teams = c.teams;
    canastaArea().firstMeldMade[2] = canastaArea().teamCanasta[1] = canastaArea().hasLaidDown[6] = 1;
    canastaResetSeats();
    std::string t;
    for (int s = 1; s <= c.seats; s++) t += std::to_string(canastaArea().team[s]);
    EXPECT_EQ(t, c.table);
    EXPECT_EQ(canastaArea().firstMeldMade[2] + canastaArea().teamCanasta[1] + canastaArea().hasLaidDown[6], 0);
  }
}

TEST_F(CanastaNewGameTest, DealerByEachRule) {
  seats(4);
  TCanastaOptions& o = canastaArea().options;
  cg.gs.gamesPlayed = 5;
  const int32_t row[5] = {0, 120, 340, 340, -60};
  for (int s = 1; s <= 4; s++) setGameListCell(std::to_string(row[s]), 5, s);
  cg.gs.dealer = 4;
  cg.gs.akspieler = 2;
  struct Case {
    bool newList;
    int first, next, dealer;
  } cases[] = {{true, 3, 5, 2}, {false, 3, 7, 2}, {false, 1, 2, 2}, {false, 1, 3, 2},
               {false, 1, 4, 4}, {false, 1, 5, 1}, {false, 1, 6, 3}};
  for (const Case& c : cases) {
    o.firstDealer = c.first;
    o.nextDealer = c.next;
    EXPECT_EQ(canastaChooseDealer(c.newList), c.dealer) << c.newList << " " << c.first << " " << c.next;
  }
  o.firstDealer = 1;
  for (int i = 0; i < 200; i++) {
    int32_t d = canastaChooseDealer(true);
    EXPECT_GE(d, 2);
    EXPECT_LE(d, 4);
  }
}

}  // namespace
