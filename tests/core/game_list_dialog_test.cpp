// The game-list dialog's contents: the standard tables, the money row, the summary line,
// the continue caption and the winner sentence.
#include <gtest/gtest.h>

#include "core/game_list.h"
#include "core/game_list_dialog.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "games/skat/skat_state.h"
#include "tests/core/driver_fixture.h"

namespace {

class GameListDialogTest : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    const char* names[] = {"", "Anna", "Bert", "Cleo", "Dirk", "Emma", "Fred"};
    for (int i = 1; i <= 6; i++) cg.seatNames[i] = names[i];
  }
  // The items of a list in order.
  static std::vector<std::string> items(int32_t list) {
    std::vector<std::string> out;
    for (int i = 1; i <= elementOf(dlgGameList, list).Stringscount; i++) out.push_back(getItem(dlgGameList, list, i));
    return out;
  }
  // Row r (from 0) of a list with n columns.
  static std::vector<std::string> row(int32_t list, int n, int r) {
    std::vector<std::string> all = items(list);
    return std::vector<std::string>(all.begin() + r * n, all.begin() + std::min<size_t>(all.size(), size_t((r + 1) * n)));
  }
  void fill(TGameId game, int seats) {
    cg.gameId = game;
    playerCount = seats;
    ASSERT_TRUE(prepareGameListDialog());
    fillStandardTables(true);
  }
};

using Row = std::vector<std::string>;

TEST_F(GameListDialogTest, StandardTablesOfThreeSeats) {
  cg.gs.gamesPlayed = 2;
  setGameListCell("18", 1, 1), setGameListCell("-18", 1, 2), setGameListCell("Herz gewonnen", 1, 0);
  setGameListCell("0", 2, 1), setGameListCell("24", 2, 3), setGameListCell("Grand", 2, 0);
  cg.gs.listTotals[1] = 18, cg.gs.listTotals[2] = -18, cg.gs.listTotals[3] = 24;
  cg.gs.matchScore[1] = 12, cg.gs.matchScore[2] = -96, cg.gs.matchScore[3] = 84;
  fill(gidSkat, 3);
  EXPECT_EQ(row(elGameList1, 5, 0), (Row{"!", "!Anna", "!^Bert", "!Cleo", "!"}));
  EXPECT_EQ(row(elGameList1, 5, 1), (Row{"!1.", "!+18", "!-18", "!", "Herz gewonnen"}));
  EXPECT_EQ(row(elGameList1, 5, 2), (Row{"!2.", "!", "!", "!+24", "Grand"}));
  EXPECT_EQ(row(elGameList1, 5, 3), (Row(5)));
  EXPECT_EQ(row(elGameList2, 6, 0), (Row{"!", "!Anna", "!^Bert", "!Cleo", "!", "!"}));
  EXPECT_EQ(row(elGameList2, 6, 1), (Row{"", "!+18", "!-18", "!+24", "!", "{f_dialog_summe}"}));
  EXPECT_EQ(row(elGameList2, 6, 2), (Row{"", "!+12", "!-96", "!+84", "!", "{f_dialog_gewinnverlust}"}));
  EXPECT_EQ(elementOf(dlgGameList, elGameList1).columns, 5);
  EXPECT_EQ(elementOf(dlgGameList, elGameList2).columns, 6);
}

TEST_F(GameListDialogTest, SixSeatsPutTheLabelInTheLastButOneColumn) {
  fill(gidDoppelkopf, 6);
  Row totals = row(elGameList2, 9, 1);
  EXPECT_EQ(totals[7], "{f_dialog_summe}");
  EXPECT_EQ(totals[8], "!");
}

TEST_F(GameListDialogTest, OnlyTheCurrentBlockOf201RowsIsShown) {
  struct Case { int32_t played; int first; size_t rows; };
  const Case cases[] = {{250, 201, 50}, {201, 201, 1}, {200, 1, 200}};
  for (const Case& c : cases) {
    cg.gs.gamesPlayed = c.played;
    fill(gidSkat, 3);
    size_t got = items(elGameList1).size() / 5 - 2;  // header and empty row
    EXPECT_EQ(got, c.rows) << c.played << " games";
    EXPECT_EQ(row(elGameList1, 5, 1)[0], "!" + std::to_string(c.first) + ".") << c.played << " games";
  }
}

TEST_F(GameListDialogTest, SkatMoneyRow) {
  skatGameArea().options.money = 1;
  skatGameArea().options.moneyRate = 2;
  cg.gs.matchScore[1] = 250, cg.gs.matchScore[2] = -250, cg.gs.matchScore[3] = 4;
  fill(gidSkat, 3);
  EXPECT_EQ(row(elGameList2, 6, 2), (Row{"", "!0,62 €", "! -0,62 €", "!  0,01 €", "!", "{f_dialog_gewinn} [1/4 ct pro Punkt]"}))
      << "round half to even: 62.5 cents are 62";
  cg.gs.matchScore[3] = -1;
  fill(gidSkat, 3);
  EXPECT_EQ(row(elGameList2, 6, 2)[3], "!  0,00 €") << "a tenth of a cent lost is no \"-0,00\"";
  cg.showStandings();
  EXPECT_EQ(row(elGameList2, 6, 2)[2], "!-0,62 €") << "the standings view puts \"!\" before every seat";
}

TEST(EuroText, ZeroHasNoSign) {
  struct Case {
    double amount;
    const char* text;
  } cases[] = {{-0.0, "0,00 €"}, {-0.004, "0,00 €"}, {0.0, "0,00 €"}, {-0.006, "-0,01 €"}, {1.5, "1,50 €"}};
  for (const Case& c : cases) EXPECT_EQ(euroText(c.amount), c.text) << c.amount;
}

TEST_F(GameListDialogTest, MoneyRowByGame) {
  struct Case { TGameId game; int tariff; bool money; };
  const Case cases[] = {{gidSchafkopf, 0, false}, {gidSchafkopf, 5, true}, {gidMauMau, 0, false},
                        {gidHearts, 0, false}, {gidSchwimmen, 0, true}, {gidJass, 0, true}};
  for (const Case& c : cases) {
    gameAreas.schafkopfTariff = [t = c.tariff] { return int32_t(t); };
    fill(c.game, 3);
    EXPECT_EQ(items(elGameList2).size(), size_t(6 * (c.money ? 4 : 3))) << "game " << int(c.game);
  }
  cg.gs.listTotals[1] = 30;
  gameAreas.schafkopfTariff = [] { return int32_t(5); };
  fill(gidSchafkopf, 3);
  EXPECT_EQ(row(elGameList2, 6, 2)[1], "!1,50 €");
  EXPECT_EQ(row(elGameList2, 6, 2)[5], "{f_dialog_gewinn} [5 ct/Pkt]");
}

TEST_F(GameListDialogTest, SummaryAndContinueCaption) {
  setGameListSummary("3 Spiele");
  EXPECT_EQ(getElementText(dlgGameList, elGameListCaption), "!3 Spiele");
  EXPECT_EQ(elementOf(dlgGameList, elGameListCaption).savedX, 640 / 2 - 40);
  setGameListContinueCaption(false);
  EXPECT_EQ(getElementText(dlgGameList, elGameListContinue), "{f_dialog_weiter}");
  setGameListContinueCaption(true);
  EXPECT_EQ(getElementText(dlgGameList, elGameListContinue), "{f_dialog_ende}");
}

TEST_F(GameListDialogTest, StandingsViewKeepsSkatsSummaryAndEmptiesOthers) {
  playerCount = 3;
  setGameListSummary("Skat");
  cg.gameId = gidSkat;
  cg.showStandings();
  EXPECT_EQ(getElementText(dlgGameList, elGameListCaption), "!Skat");
  cg.gameId = gidMauMau;
  cg.showStandings();
  EXPECT_EQ(getElementText(dlgGameList, elGameListCaption), "!");
}

TEST_F(GameListDialogTest, WinnerSentence) {
  playerCount = 6;
  TGameResult r;
  r.mainSeat = 2;
  for (int s = 1; s <= 6; s++) r.values[s] = s == 4 ? 0 : 7;
  EXPECT_EQ(cg.winnerSentence(r),
            "Bert, Anna, Cleo {f_resultmessage_und} Emma {f_resultmessage_gewinnen}")
      << "the main seat first, then four names at most in seat order";
  r.values = {};
  r.values[2] = 1;
  EXPECT_EQ(cg.winnerSentence(r), "Bert {f_resultmessage_gewinnt}");
  EXPECT_EQ(formatWinnerSentence("a", "b", "", ""), "a {f_resultmessage_und} b {f_resultmessage_gewinnen}");
  EXPECT_EQ(formatWinnerSentence("a", "b", "c", ""), "a, b {f_resultmessage_und} c {f_resultmessage_gewinnen}");
}

}  // namespace
