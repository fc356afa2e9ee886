// Display texts of seats, points and places, and the match-end text.
#include <gtest/gtest.h>

#include "engine/texts.h"
#include "tests/core/core_state_fixture.h"

namespace {

using StandingsTest = CoreStateTest;

TEST_F(StandingsTest, PlaceTexts) {
  struct Case { int place; const char* want; };
  const Case cases[] = {{1, "{f_1st}"}, {2, "{f_2nd}"}, {3, "{f_3rd}"}, {4, "4{f_xth}"},
                        {10, "10{f_xth}"}, {0, "0{f_xth}"}};
  for (const Case& c : cases) EXPECT_EQ(placeText(c.place), c.want) << "place " << c.place;
}

TEST_F(StandingsTest, PointsTexts) {
  struct Case {
    TGameId game;
    int32_t value;
    bool showZero, plusSign;
    const char* want;
  };
  const Case cases[] = {
      {gidSkat, 0, false, false, ""},
      {gidSkat, 0, true, false, "0"},
      {gidSkat, 5, false, false, "+5"},
      {gidSkat, -5, false, false, "-5"},
      {gidHearts, 26, true, false, "+26"},
      {gidSchnapsen, 0, false, false, "0"},
      {gidSchnapsen, 3, false, false, "3"},
      {gidWar, -2, false, false, "-2"},
      {gidPoker, 0, true, false, ""},
      {gidPoker, 40, false, false, "+ 1000 €"},  // poker's money text: 25 € a chip unit
      {gidBlackjack, -40, false, false, "- 1000 €"},  // Blackjack shows money alike
      {gidRomme, 0, false, true, ""},  // Rommé without the Gin variant: like most games
      {gidRomme, 12, false, true, "+12"},
  };
  for (const Case& c : cases) {
    cg.gameId = c.game;
    std::string got = cg.pointsText(c.value, c.showZero, c.plusSign);
    EXPECT_EQ(got, c.want) << "game " << int(c.game) << " value " << c.value << ": expected \""
                           << c.want << "\", got \"" << got << "\"";
  }
}

TEST_F(StandingsTest, SeatNamesFitTheirPlace) {
  struct Case {
    const char* name;
    TGameId game;
    bool shorten;
    int wideMode;
    bool narrow;
    const char* want;
  };
  // One text unit per character: a name fits while 11.5 x its length stays within the
  // limit: 107 (9 characters) when shortened, 104 (9) in Blackjack, 195 (16) in the wide
  // mode, 85 (7) narrow.
  const Case cases[] = {
      {"Anna", gidSkat, true, 0, false, "Anna"},
      {"Maximilian", gidSkat, true, 0, false, "Maximili."},
      {"Marie Luise", gidSkat, true, 0, true, "Marie."},  // "Marie ." loses its blank
      {"Maximilian", gidSkat, false, 0, false, "Maximilian"},
      {"Maximilian Alexander", gidSkat, true, 160, false, "Maximilian Alex."},
      {"Maximilian", gidBlackjack, true, 0, false, "Maximili."},
      {"Annabell", gidSkat, true, 0, true, "Annabe."},  // narrow: 85 (7 characters)
  };
  for (const Case& c : cases) {
    cg = blank();
    cg.gameId = c.game;
    cg.seatNames[2] = c.name;
    std::string got = cg.seatNameFit(2, c.shorten, c.wideMode, c.narrow);
    EXPECT_EQ(got, c.want) << c.name << ": expected \"" << c.want << "\", got \"" << got << "\"";
  }
}

TEST_F(StandingsTest, SeatNameSources) {
  cg.seatNames[1] = "Erika";
  EXPECT_EQ(cg.seatName(1), "Erika");
  EXPECT_EQ(cg.seatNameFit(1, true, 0, false, "Gast"), "Gast") << "an override wins";
  EXPECT_EQ(cg.seatNameFit(7, false), "{f_dialog_spieler}7") << "seats above 6 have no name";
  EXPECT_EQ(cg.seatName(3), "") << "an empty name stays empty";
}

TEST_F(StandingsTest, ANameThatNeverFitsStopsAtOneCharacter) {
  widthPerChar = 1000.0f;
  cg.seatNames[2] = "Bernadette";
  EXPECT_EQ(cg.seatName(2), ".");
}

TEST_F(StandingsTest, MatchEndNamesTheWinnerAndEverySeat) {
  cg.gameId = gidSkat;
  playerCount = 3;
  cg.seatNames[1] = "Anna";
  cg.seatNames[2] = "Bernd";
  cg.seatNames[3] = "Clara";
  cg.gs.matchScore[1] = -30;
  cg.gs.matchScore[2] = 60;
  cg.gs.matchScore[3] = -30;
  EXPECT_EQ(cg.matchEndText(),
            "Bernd{f_dialog_gewinnt}{f_dialog_spielgewinn:+60}.\r\r{f_dialog_gewinnverlust}: "
            "\rAnna: -30{f_dialog_punkte}\rBernd: +60{f_dialog_punkte}"
            "\rClara: -30{f_dialog_punkte}");
}

TEST_F(StandingsTest, HeartsMatchEndNamesEveryLowestSeat) {
  cg.gameId = gidHearts;
  playerCount = 4;
  for (int s = 1; s <= 4; s++) cg.seatNames[s] = std::string(1, char('A' + s - 1));
  cg.gs.matchScore[1] = 40;
  cg.gs.matchScore[2] = 12;
  cg.gs.matchScore[3] = 90;
  cg.gs.matchScore[4] = 12;
  std::string text = cg.matchEndText();
  EXPECT_EQ(text.substr(0, text.find('.')), "B{f_dialog_und}D{f_dialog_gewinnen}{f_dialog_spielgewinn2:+12}");
}

TEST_F(StandingsTest, ThreeWinnersAreListed) {
  cg.gameId = gidSchwimmen;
  playerCount = 4;
  for (int s = 1; s <= 4; s++) cg.seatNames[s] = std::string(1, char('A' + s - 1));
  cg.gs.matchScore[1] = 5;
  cg.gs.matchScore[2] = 5;
  cg.gs.matchScore[3] = -15;
  cg.gs.matchScore[4] = 5;
  std::string text = cg.matchEndText();
  EXPECT_EQ(text.substr(0, text.find("{f_dialog_gewinnen}")), "A, B{f_dialog_und}D");
}

TEST_F(StandingsTest, CanastaMatchEndCountsListTotals) {
  cg.gameId = gidCanasta;
  playerCount = 2;
  cg.seatNames[1] = "Anna";
  cg.seatNames[2] = "Bernd";
  cg.gs.listTotals[1] = 5120;
  cg.gs.listTotals[2] = 3400;
  cg.gs.matchScore[2] = 99999;  // not what Canasta ranks by
  EXPECT_EQ(cg.matchEndText(),
            "Anna{f_dialog_gewinnt}{f_dialog_spielpunkte:+5120}.\r\r{f_dialog_punktestände}"
            "\rAnna: +5120{f_dialog_punkte}\rBernd: +3400{f_dialog_punkte}");
}

TEST_F(StandingsTest, ShowMatchEndUsesTheResultBox) {
  cg.gameId = gidWar;
  playerCount = 2;
  cg.gs.matchScore[1] = 3;
  cg.showMatchEnd();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "{f_dialog_spielergebnis}");
  EXPECT_EQ(boxes[0].text, cg.matchEndText());
}

}  // namespace

namespace {

// Without routes of its own the core reads the engine's text table.
TEST(CoreMessages, TextsComeFromTheEngineTable) {
  resetTextTables();
  textTables.fragmentTable[0].key = "f_xth";
  textTables.fragmentTable[0].text = ".";
  textTables.fragmentTable[1].key = "f_dialog_spielpunkte";
  textTables.fragmentTable[1].text = " mit % Punkten";
  EXPECT_EQ(placeText(4), "4.");
  EXPECT_EQ(coreLookupText("f_dialog_spielpunkte", "+7"), " mit +7 Punkten");
  EXPECT_EQ(coreLookupText("f_unbekannt"), "");
  EXPECT_EQ(coreShowMessageById(1), 0) << "without a route no box is shown, so no button answers";
  EXPECT_EQ(coreShowMessage("Text", "Titel"), 0);
  resetTextTables();
}

}  // namespace
