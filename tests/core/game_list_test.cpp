// The game list ring, the end of a game and the standings.
#include <gtest/gtest.h>

#include "core/game_callbacks.h"
#include "core/game_list.h"
#include "games/skat/skat_state.h"
#include "sound/sound_events.h"
#include "tests/core/core_state_fixture.h"
#include "tests/support/alerts.h"

namespace {

using GameListTest = CoreStateTest;

TGameResult resultOf(std::initializer_list<int32_t> values, const char* text = "") {
  TGameResult r;
  int i = 1;
  for (int32_t v : values) r.values[i++] = v;
  r.text = text;
  return r;
}

std::string totalsText(const LArray<int32_t, 1, 6>& a, int n) {
  std::string t;
  for (int i = 1; i <= n; i++) t += (i > 1 ? " " : "") + std::to_string(a[i]);
  return t;
}

TEST_F(GameListTest, RowsWrapAfter201Games) {
  struct Case { int number, row; };
  const Case cases[] = {{1, 1}, {200, 200}, {201, 0}, {202, 1}, {402, 0}, {403, 1}, {0, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(gameListRow(c.number), c.row) << "game " << c.number;

  setGameListCell("+7", 1, 3);
  setGameListCell("erstes", 1, 0);
  setGameListCell("-5", 202, 3);
  setGameListCell("zweihundertzweites", 202, 0);
  EXPECT_EQ(gameListValue(1, 3), -5) << "game 202 overwrote the row of game 1";
  EXPECT_EQ(gameListRowText(1), "zweihundertzweites");
  EXPECT_EQ(gameListCellText(202, -1), "202");
  EXPECT_EQ(gameListCellText(202, 2), "zweihundertzweites");

  setGameListCell("letztes", 201, 0);
  EXPECT_EQ(cg.gs.gameListTexts[0].str(), "letztes");
}

TEST_F(GameListTest, CellsKeepTheirCapacityAndRange) {
  EXPECT_EQ(setGameListCell(std::string(250, 'a'), 5, 0), 1);
  EXPECT_EQ(gameListRowText(5).size(), 200u);
  setGameListCell("keine Zahl", 5, 2);
  EXPECT_EQ(gameListValue(5, 2), 0);

  AlertCollector alerts;
  EXPECT_EQ(setGameListCell("1", 5, 7), 1);
  EXPECT_EQ(gameListValue(5, -1), 0);
  EXPECT_EQ(alerts.count(), 2u);
}

TEST_F(GameListTest, ThreeSeatSkatList) {
  cg.gameId = gidSkat;
  playerCount = 3;
  cg.endRound(resultOf({48, -48, 0}, "Spiel 1"));
  EXPECT_EQ(cg.gs.gamesPlayed, 1);
  EXPECT_EQ(cg.gs.phase, 5);
  EXPECT_EQ(totalsText(cg.gs.listTotals, 3), "48 -48 0");
  EXPECT_EQ(totalsText(cg.gs.matchScore, 3), "144 -144 0");
  EXPECT_EQ(gameListRowText(1), "Spiel 1");
  EXPECT_EQ(gameListValue(1, 2), -48);

  cg.gs.phase = 0;
  cg.endRound(resultOf({0, 0, 60}, "Spiel 2"));
  EXPECT_EQ(totalsText(cg.gs.listTotals, 3), "48 -48 60");
  EXPECT_EQ(totalsText(cg.gs.matchScore, 3), "84 -204 120");
  EXPECT_EQ(cg.gs.listOver, 0);
}

TEST_F(GameListTest, StandingsByGame) {
  struct Case {
    TGameId game;
    std::vector<int32_t> totals;
    std::string want;
    bool winnerCollects = false;  // Mau-Mau's scoring
  };
  static bool collects = false;
  static const TGameCallbacks maumauScoring{.winnerCollects = [] { return collects; }};
  registerGameCallbacks(gidMauMau, &maumauScoring);
  const std::vector<Case> cases = {
      {gidMauMau, {-10, -3, 0}, "0 7 10"},       // the best lead over another seat
      {gidMauMau, {40, 0, 0}, "40 0 0", true},   // the winner collects: the totals
      {gidSchwimmen, {2, 1, 0, -3}, "8 4 0 -12"},  // the sum of leads
      {gidHearts, {26, 0, 52, 26}, "26 0 52 26"},  // the totals
      {gidWar, {3, 7}, "3 7"},
      {gidGoFish, {4, 9, 0}, "4 9 0"},
  };
  for (const Case& c : cases) {
    cg = blank();
    cg.gameId = c.game;
    collects = c.winnerCollects;
    playerCount = int32_t(c.totals.size());
    TGameResult r;
    for (size_t i = 0; i < c.totals.size(); i++) r.values[int(i) + 1] = c.totals[i];
    cg.endRound(r);
    std::string got = totalsText(cg.gs.matchScore, playerCount);
    EXPECT_EQ(got, c.want) << "game " << int(c.game) << ": expected " << c.want << ", got " << got;
  }
}

TEST_F(GameListTest, ReplayedResultRecordsNothing) {
  cg.gameId = gidSkat;
  playerCount = 3;
  cg.endRound(resultOf({18, 0, 0}, "gespeichert"));
  auto before = std::make_unique<TGameState>(cg.gs);
  TGameResult replay = resultOf({99, 99, 99}, "nochmal");
  replay.kind = resultReplayed;
  cg.gs.phase = 0;
  cg.endRound(replay);
  EXPECT_EQ(cg.gs.gamesPlayed, 1);
  EXPECT_EQ(totalsText(cg.gs.listTotals, 3), totalsText(before->listTotals, 3));
  EXPECT_EQ(totalsText(cg.gs.matchScore, 3), totalsText(before->matchScore, 3));
  EXPECT_EQ(gameListRowText(2), "");
  EXPECT_EQ(cg.gs.phase, 0) << "the replay's end step starts the next game of the list";
}

TEST_F(GameListTest, ApplauseForTheUsersWin) {
  struct Case { const char* what; TGameId game; int32_t mainSeat; uint8_t skatWon; int32_t skatType; int want; };
  const Case cases[] = {
      {"Hearts won by the user", gidHearts, 1, 0, 0, 1},
      {"Hearts won by seat 2", gidHearts, 2, 0, 0, 0},
      {"Old Maid", gidOldMaid, 1, 0, 0, 0},
      {"Blackjack", gidBlackjack, 1, 0, 0, 0},
      {"Skat won, game type 0", gidSkat, 1, 1, 0, 1},
      {"Skat won, game type 14", gidSkat, 1, 1, 14, 1},
      {"Skat won, game type 3", gidSkat, 1, 1, 3, 0},
      {"Skat lost", gidSkat, 1, 0, 0, 0},
  };
  for (const Case& c : cases) {
    cg = blank();
    cg.gameId = c.game;
    playerCount = 3;
    skatGameArea().game.won = c.skatWon;
    skatGameArea().game.gameType = c.skatType;
    int applause = 0;
    TSoundEventListener before = setSoundEventListener([&](int32_t code, int32_t, int32_t) { applause += code == 17; });
    TGameResult r = resultOf({1, 0, 0});
    r.mainSeat = c.mainSeat;
    cg.endRound(r);
    setSoundEventListener(before);
    EXPECT_EQ(applause, c.want) << c.what << ": expected " << c.want << " applause, got " << applause;
  }
}

TEST_F(GameListTest, TotalsSaturateInsteadOfOverflowing) {
  cg.gameId = gidSkat;
  playerCount = 2;
  cg.gs.listTotals[1] = INT32_MAX - 1;
  cg.endRound(resultOf({5, -5}));
  EXPECT_EQ(cg.gs.listTotals[1], INT32_MAX);
  EXPECT_EQ(cg.gs.matchScore[1], INT32_MAX);
}

TEST_F(GameListTest, ChipGameStandings) {
  struct Case { int place, skill, games; int32_t want; };
  const Case cases[] = {
      {4, 2, 30, 32530},  // dropped out fourth
      {1, 2, 30, 62470},  // the winner
      {0, 1, 10, 61490},  // still playing
      {6, 3, 5, 13505},
  };
  for (const Case& c : cases)
    EXPECT_EQ(chipGameStanding(c.place, c.skill, c.games), c.want)
        << "place " << c.place << " skill " << c.skill << " games " << c.games;
}

}  // namespace
