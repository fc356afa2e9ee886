// Schafkopf's scoring: the 60/61 line, Schneider at 91, Schwarz, Laufende at each
// contract's threshold, Tout, Sie, Bettel, Kontra and Re, the solo value option, Ramsch and
// "Kein Spiel"; the result texts, the list end and list text, the highscore entry.
#include <unistd.h>

#include <filesystem>

#include "core/game_list.h"
#include "core/highscores.h"
#include "engine/texts.h"
#include "games/skat/schafkopf_scoring.h"
#include "platform/paths.h"
#include "tests/skat/schafkopf_fixture.h"

namespace {

class SchafkopfScoringTest : public SchafkopfFixture {
 protected:
  // The declarer party's pile worth exactly `augen` (120: all 32 cards), made of point
  // cards only; the rest of the deck is the opponents' pile.
  static void splitPiles(int augen, int32_t declarer, int32_t opponent) {
    THand re{}, kontra{};
    int sum = 0;
    const THand deck = fullDeck();
    for (int points : {11, 10, 4, 3, 2, 0})
      for (int i = 1; i <= deck.anz; i++) {
        const TCard& c = deck.k[i];
        if (schafkopfCardPoints(c) != points) continue;
        bool take = augen == 120 || (points > 0 && sum + points <= augen);
        if (take) sum += points;
        handaddk(take ? re : kontra, c);
      }
    ASSERT_EQ(sum, augen) << "no pile of " << augen << " Augen";
    setStack(schafkopfWonStack(declarer), re);
    setStack(schafkopfWonStack(opponent), kontra);
  }

  // Declarer seat 1; in a Rufspiel seat 3 is his partner unless he played alone.
  static void setParties(uint8_t type, bool silent) {
    bool partner = type == skfRufspiel && !silent;
    for (int32_t s = 1; s <= 4; s++)
      setPublicParty(s, s == 1 || (partner && s == 3) ? skfPartyRe : skfPartyKontra);
    schafkopfArea->declarerSeat = 1;
    schafkopfArea->soloistSeat = 1;
    schafkopfArea->silentSoloShown = silent;
  }
};

struct ContractCase {
  const char* what;
  TContractRecord contract;
  int augen;  // of the declarer party; 120: every card
  int32_t kontraLevel;
  int32_t laufende;
  bool silent;  // a Rufspiel whose declarer called his own Ace
  int32_t soloValue;
  int32_t values[4];
  const char* line;
};

const TContractRecord ruf{skfRufspiel, 1, 0}, solo{skfSolo, 1, 0}, soloTout{skfSolo, 1, 1};

const ContractCase contractCases[] = {
    {"Rufspiel 61", ruf, 61, 0, 0, false, 2, {1, -1, 1, -1}, "Eichel-Rufspiel (gewonnen) 1"},
    {"Rufspiel 60", ruf, 60, 0, 0, false, 2, {-1, 1, -1, 1}, "Eichel-Rufspiel (verloren) 1"},
    {"Rufspiel 90", ruf, 90, 0, 0, false, 2, {1, -1, 1, -1}, "Eichel-Rufspiel (gewonnen) 1"},
    {"Rufspiel 91", ruf, 91, 0, 0, false, 2, {2, -2, 2, -2}, "Eichel-Rufspiel (gewonnen) 1 - Schneider 2"},
    {"Rufspiel lost with 30", ruf, 30, 0, 0, false, 2, {-1, 1, -1, 1}, "Eichel-Rufspiel (verloren) 1"},
    {"Rufspiel lost Schneider", ruf, 29, 0, 0, false, 2, {-2, 2, -2, 2}, "Eichel-Rufspiel (verloren) 1 - Schneider 2"},
    {"Rufspiel Schwarz", ruf, 120, 0, 0, false, 2, {3, -3, 3, -3}, "Eichel-Rufspiel (gewonnen) 1 - Schwarz 3"},
    {"Rufspiel lost Schwarz", ruf, 0, 0, 0, false, 2, {-3, 3, -3, 3}, "Eichel-Rufspiel (verloren) 1 - Schwarz 3"},
    {"silent Rufspiel", ruf, 61, 0, 0, true, 2, {3, -1, -1, -1}, "Eichel-Rufspiel (gewonnen) 1"},
    {"Rufspiel Kontra and Re", ruf, 61, 2, 0, false, 2, {4, -4, 4, -4}, "Eichel-Rufspiel (gewonnen) 1 - Kontra 2 - Re 4"},
    {"Solo 61", solo, 61, 0, 0, false, 2, {6, -2, -2, -2}, "Eichel-Solo (gewonnen) 2"},
    {"Solo 60", solo, 60, 0, 0, false, 2, {-6, 2, 2, 2}, "Eichel-Solo (verloren) 2"},
    {"Solo Kontra", solo, 61, 1, 0, false, 2, {12, -4, -4, -4}, "Eichel-Solo (gewonnen) 2 - Kontra 4"},
    {"Solo Kontra and Re", solo, 61, 2, 0, false, 2, {24, -8, -8, -8}, "Eichel-Solo (gewonnen) 2 - Kontra 4 - Re 8"},
    {"Solo Schneider, Kontra and Re", solo, 91, 2, 0, false, 2, {36, -12, -12, -12},
     "Eichel-Solo (gewonnen) 2 - Schneider 3 - Kontra 6 - Re 12"},
    // Laufende at each contract's threshold and one below it.
    {"Solo 2 Laufende", solo, 61, 0, 2, false, 2, {12, -4, -4, -4}, "Eichel-Solo (gewonnen) 2 - Laufende 4"},
    {"Solo 1 Laufender", solo, 61, 0, 1, false, 2, {6, -2, -2, -2}, "Eichel-Solo (gewonnen) 2"},
    {"Rufspiel 2 Laufende", ruf, 61, 0, 2, false, 2, {3, -3, 3, -3}, "Eichel-Rufspiel (gewonnen) 1 - Laufende 3"},
    {"Rufspiel 1 Laufender", ruf, 61, 0, 1, false, 2, {1, -1, 1, -1}, "Eichel-Rufspiel (gewonnen) 1"},
    {"Wenz 3 Laufende", {skfWenz, 0, 0}, 61, 0, 3, false, 2, {15, -5, -5, -5}, "Wenz (gewonnen) 2 - Laufende 5"},
    {"Wenz 2 Laufende", {skfWenz, 0, 0}, 61, 0, 2, false, 2, {6, -2, -2, -2}, "Wenz (gewonnen) 2"},
    {"Geier 3 Laufende", {skfGeier, 0, 0}, 61, 0, 3, false, 2, {15, -5, -5, -5}, "Geier (gewonnen) 2 - Laufende 5"},
    {"Geier 2 Laufende", {skfGeier, 0, 0}, 61, 0, 2, false, 2, {6, -2, -2, -2}, "Geier (gewonnen) 2"},
    {"Farbwenz 3 Laufende", {skfFarbwenz, 4, 0}, 61, 0, 3, false, 2, {15, -5, -5, -5},
     "Schellen-Wenz (gewonnen) 2 - Laufende 5"},
    {"Farbgeier 2 Laufende", {skfFarbgeier, 2, 0}, 61, 0, 2, false, 2, {6, -2, -2, -2}, "Grün-Geier (gewonnen) 2"},
    {"Farbgeier 3 Laufende", {skfFarbgeier, 2, 0}, 61, 0, 3, false, 2, {15, -5, -5, -5},
     "Grün-Geier (gewonnen) 2 - Laufende 5"},
    {"Sie 61", {skfSie, 0, 0}, 61, 0, 0, false, 2, {24, -8, -8, -8}, "Sie (gewonnen) 2 - Sie (x4) 8"},
    {"Sie Schwarz", {skfSie, 0, 0}, 120, 0, 0, false, 2, {48, -16, -16, -16}, "Sie (gewonnen) 2 - Schwarz 4 - Sie (x4) 16"},
    {"Sie with 8 Laufende", {skfSie, 0, 0}, 61, 0, 8, false, 2, {120, -40, -40, -40},
     "Sie (gewonnen) 2 - Laufende 10 - Sie (x4) 40"},
    // Tout: won only with every trick, never Schneider or Schwarz on top.
    {"Solo-Tout won", soloTout, 120, 0, 0, false, 2, {12, -4, -4, -4}, "Eichel-Solo-Tout (gewonnen) 2 - Tout 4"},
    {"Solo-Tout lost with 100", soloTout, 100, 0, 0, false, 2, {-12, 4, 4, 4}, "Eichel-Solo-Tout (verloren) 2 - Tout 4"},
    {"Wenz-Tout with 4 Laufende", {skfWenz, 0, 1}, 120, 0, 4, false, 2, {36, -12, -12, -12},
     "Wenz-Tout (gewonnen) 2 - Laufende 6 - Tout 12"},
    {"Solo-Tout Kontra", soloTout, 120, 1, 0, false, 2, {24, -8, -8, -8}, "Eichel-Solo-Tout (gewonnen) 2 - Tout 4 - Kontra 8"},
    // Bettel: won without a trick.
    {"Bettel won", {skfBettel, 0, 0}, 0, 0, 0, false, 2, {9, -3, -3, -3}, "Bettel 3"},
    {"Bettel lost", {skfBettel, 0, 0}, 10, 0, 0, false, 2, {-9, 3, 3, 3}, "Bettel 3"},
    {"Bettel lost, Kontra", {skfBettel, 0, 0}, 10, 1, 0, false, 2, {-18, 6, 6, 6}, "Bettel 3 - Kontra 6"},
    {"Bettel won, Kontra and Re", {skfBettel, 0, 0}, 0, 2, 0, false, 2, {36, -12, -12, -12}, "Bettel 3 - Kontra 6 - Re 12"},
    // The solo value option sets the start of Solo, Wenz, Geier and the Farb- forms only.
    {"Solo value 4", solo, 61, 0, 0, false, 4, {12, -4, -4, -4}, "Eichel-Solo (gewonnen) 4"},
    {"Solo value 5", solo, 61, 0, 0, false, 5, {15, -5, -5, -5}, "Eichel-Solo (gewonnen) 5"},
    {"Wenz value 5", {skfWenz, 0, 0}, 61, 0, 0, false, 5, {15, -5, -5, -5}, "Wenz (gewonnen) 5"},
    {"Geier value 4 lost", {skfGeier, 0, 0}, 60, 0, 0, false, 4, {-12, 4, 4, 4}, "Geier (verloren) 4"},
    {"Farbwenz value 4", {skfFarbwenz, 4, 0}, 61, 0, 0, false, 4, {12, -4, -4, -4}, "Schellen-Wenz (gewonnen) 4"},
    {"Farbgeier value 5", {skfFarbgeier, 2, 0}, 61, 0, 0, false, 5, {15, -5, -5, -5}, "Grün-Geier (gewonnen) 5"},
    {"Solo value 4, Schneider", solo, 91, 0, 0, false, 4, {15, -5, -5, -5}, "Eichel-Solo (gewonnen) 4 - Schneider 5"},
    {"Sie keeps 2", {skfSie, 0, 0}, 61, 0, 0, false, 5, {24, -8, -8, -8}, "Sie (gewonnen) 2 - Sie (x4) 8"},
    {"Rufspiel keeps 1", ruf, 61, 0, 0, false, 5, {1, -1, 1, -1}, "Eichel-Rufspiel (gewonnen) 1"},
    {"Bettel keeps 3", {skfBettel, 0, 0}, 0, 0, 0, false, 5, {9, -3, -3, -3}, "Bettel 3"},
};

TEST_F(SchafkopfScoringTest, ContractValues) {
  for (const ContractCase& c : contractCases) {
    SetUp();
    schafkopfArea->contract = c.contract;
    schafkopfBuildTrumpOrder();
    setParties(c.contract.type, c.silent);
    schafkopfArea->kontraLevel = c.kontraLevel;
    schafkopfArea->seats[1].laufende = c.laufende;
    schafkopfArea->options.soloValue = c.soloValue;
    splitPiles(c.augen, 1, 2);
    TGameResult r;
    schafkopfScoreGame(r);
    int32_t sum = 0;
    for (int s = 1; s <= 4; s++) {
      EXPECT_EQ(r.values[s], c.values[s - 1]) << c.what << ", seat " << s;
      sum += r.values[s];
    }
    EXPECT_EQ(sum, 0) << c.what;
    EXPECT_EQ(r.text, c.line) << c.what;
    EXPECT_EQ(bool(r.won), c.values[0] > 0) << c.what;
    EXPECT_EQ(r.mainSeat, 1) << c.what;
  }
}

TEST_F(SchafkopfScoringTest, LaufendeOptionOffCountsNone) {
  schafkopfArea->contract = solo;
  schafkopfBuildTrumpOrder();
  setParties(skfSolo, false);
  schafkopfArea->seats[1].laufende = 4;
  schafkopfArea->options.laufende = 0;
  splitPiles(61, 1, 2);
  TGameResult r;
  schafkopfScoreGame(r);
  EXPECT_EQ(r.values[1], 6);
  EXPECT_EQ(r.text, "Eichel-Solo (gewonnen) 2");
}

TEST_F(SchafkopfScoringTest, SentenceNamesWinnersOrTheLoneLoser) {
  struct Case {
    TContractRecord contract;
    int augen;
    const char* text;
  } cases[] = {
      {ruf, 61, "Anna und Carl gewinnen mit 61 Augen.\r\rEichel-Rufspiel (gewonnen) 1"},
      {ruf, 60, "Bert und Dora gewinnen mit 60 Augen.\r\rEichel-Rufspiel (verloren) 1"},
      {solo, 70, "Anna gewinnt mit 70 Augen.\r\rEichel-Solo (gewonnen) 2"},
      {solo, 44, "Anna verliert mit 44 Augen.\r\rEichel-Solo (verloren) 2"},
      {{skfBettel, 0, 0}, 0, "Anna gewinnt den Bettel.\r\rBettel 3"},
      {{skfBettel, 0, 0}, 11, "Anna verliert den Bettel.\r\rBettel 3"},
  };
  for (const Case& c : cases) {
    SetUp();
    schafkopfArea->contract = c.contract;
    schafkopfBuildTrumpOrder();
    setParties(c.contract.type, false);
    splitPiles(c.augen, 1, 2);
    TGameResult r;
    schafkopfScoreGame(r);
    EXPECT_EQ(r.longText, c.text);
    std::string shown;
    schafkopfResultText(r, shown);
    EXPECT_EQ(shown, c.text);
  }
}

TEST_F(SchafkopfScoringTest, RamschLoserHasMostAugenThenTricksTrumpsAndTopCard) {
  struct Case {
    const char* what;
    const char* piles[4];
    int loser;
    int augen;
  } cases[] = {
      {"most Augen", {"cA c10", "sA", "hA h10 hK", "c7 c8 c9 s7"}, 3, 25},
      {"equal Augen, more tricks", {"cA c10 c7 c8", "sA s10 s7 s8 s9 d7 d8 d9", "", ""}, 2, 21},
      {"equal tricks, more trumps", {"cA c10 c7 c8", "sA s10 h7 s8", "", ""}, 2, 21},
      {"equal trumps, higher top card", {"cA c10 h8 c8", "sA s10 h7 s8", "", ""}, 1, 21},
      {"the Unter outranks the Herz Ace", {"cA hA d9 c7", "s10 d10 dJ c9", "", ""}, 2, 22},
  };
  for (const Case& c : cases) {
    SetUp();
    schafkopfArea->contract = TContractRecord{skfRamsch, 0, 0};
    schafkopfBuildTrumpOrder();
    for (int s = 1; s <= 4; s++) setStack(schafkopfWonStack(s), c.piles[s - 1]);
    TGameResult r;
    schafkopfScoreGame(r);
    for (int s = 1; s <= 4; s++) EXPECT_EQ(r.values[s], s == c.loser ? -6 : 2) << c.what << ", seat " << s;
    EXPECT_EQ(r.text, "Ramsch " + std::to_string(c.augen)) << c.what;
    EXPECT_EQ(r.longText, cg.seatName(c.loser) + " verliert beim Ramsch mit " + std::to_string(c.augen) +
                              " Augen.\r\rRamsch " + std::to_string(c.augen))
        << c.what;
    EXPECT_FALSE(r.won) << c.what;
  }
}

TEST_F(SchafkopfScoringTest, NoGameWhileAllCardsAreInTheHands) {
  deal({});
  schafkopfArea->contract = TContractRecord{};
  TGameResult r;
  schafkopfScoreGame(r);
  for (int s = 1; s <= 4; s++) EXPECT_EQ(r.values[s], 0);
  EXPECT_EQ(r.text, "Kein Spiel");
  EXPECT_EQ(r.longText, "Niemand will spielen.\r\rKein Spiel");
  EXPECT_FALSE(r.won);
}

TEST_F(SchafkopfScoringTest, ListEndsByGamesOrByPoints) {
  struct Case {
    int32_t played, gameLimit, pointLimit;
    int32_t totals[4];
    bool over;
    const char* text;
  } cases[] = {
      {9, 10, 0, {5, -5, 3, -3}, false, "9 von 10 Runden gespielt, 5 von unbegrenzt max. Punkten erreicht"},
      {10, 10, 0, {5, -5, 3, -3}, true, "10 von 10 Runden gespielt, 5 von unbegrenzt max. Punkten erreicht"},
      {40, 99999, 0, {500, -500, 0, 0}, false, "40 von unbegrenzt Runden gespielt, 500 von unbegrenzt max. Punkten erreicht"},
      {4, 99999, 20, {19, -9, -9, -1}, false, "4 von unbegrenzt Runden gespielt, 19 von 20 max. Punkten erreicht"},
      {4, 99999, 20, {-20, -10, 10, 20}, true, "4 von unbegrenzt Runden gespielt, 20 von 20 max. Punkten erreicht"},
      {4, 50, 20, {-3, -1, -5, -7}, false, "4 von 50 Runden gespielt, -1 von 20 max. Punkten erreicht"},
  };
  for (const Case& c : cases) {
    cg.gs.gamesPlayed = c.played;
    schafkopfArea->options.gameLimit = c.gameLimit;
    schafkopfArea->options.pointLimit = c.pointLimit;
    for (int s = 1; s <= 4; s++) cg.gs.listTotals[s] = c.totals[s - 1];
    EXPECT_EQ(schafkopfIsListOver(), c.over) << c.text;
    std::string text;
    schafkopfListText(text);
    EXPECT_EQ(text, c.text);
  }
}

TEST_F(SchafkopfScoringTest, HighscoreEntryByListLength) {
  namespace fs = std::filesystem;
  std::string savedFolder = programFolder();
  setProgramFolder(SKAT_SOURCE_DIR);
  resetTextTables();
  loadFragments();
  char pattern[] = "/tmp/schafkopf_hs_XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  std::string folder = pattern;
  fs::create_directories(folder + "/data/settings");
  setProgramFolder(folder);
  struct Case {
    int32_t played, total;
    int table;
    bool entered;
  } cases[] = {{1, 1000, 1, true}, {10, 1000, 1, true}, {11, 1000, 2, true}, {25, 1000, 2, true},
               {26, 1000, 3, true}, {10, 0, 1, false}, {10, -4, 1, false}};
  for (const Case& c : cases) {
    resetAllHighscores(cg.highscores);
    cg.gs.gamesPlayed = c.played;
    cg.gs.listTotals[1] = c.total;
    EXPECT_EQ(schafkopfHighscoreTable(c.played), c.table);
    std::string text;
    schafkopfEnterHighscore(text);
    EXPECT_EQ(text, c.entered ? "Sie haben den 1. Platz in der Highscoreliste erreicht." : "") << c.played;
    EXPECT_EQ(cg.highscores[gidSchafkopf][c.table][1].points == c.total, c.entered) << c.played;
  }
  // A total equal to an entry goes above it.
  resetAllHighscores(cg.highscores);
  cg.gs.gamesPlayed = 5;
  cg.gs.listTotals[1] = cg.highscores[gidSchafkopf][1][3].points;
  std::string text;
  schafkopfEnterHighscore(text);
  EXPECT_EQ(text, "Sie haben den 3. Platz in der Highscoreliste erreicht.");
  fs::remove_all(folder);
  resetTextTables();
  setProgramFolder(savedFolder);
}

}  // namespace

namespace {

// The values the round hands to the core are what the list books, and they sum to zero.
TEST_F(SchafkopfScoringTest, RoundEndBooksTheValuesAndCountsTheGame) {
  struct Case {
    TContractRecord contract;
    int augen;
    int32_t* counter;
  } cases[] = {{solo, 61, &stat2}, {solo, 60, &stat3}, {soloTout, 120, &stat0}, {soloTout, 100, &stat1},
               {{skfRamsch, 0, 0}, 61, &stat4}};
  for (const Case& c : cases) {
    SetUp();
    schafkopfArea->contract = c.contract;
    schafkopfBuildTrumpOrder();
    setParties(c.contract.type, false);
    splitPiles(c.augen, 1, 2);
    TGameResult expected;
    schafkopfScoreGame(expected);
    int32_t before = *c.counter;
    schafkopfScoreRound();
    EXPECT_EQ(*c.counter, before + 1) << expected.text;
    EXPECT_EQ(cg.gs.gamesPlayed, 1) << expected.text;
    EXPECT_EQ(gameListRowText(1), expected.text);
    for (int s = 1; s <= 4; s++) {
      EXPECT_EQ(gameListValue(1, s), expected.values[s]) << expected.text << ", seat " << s;
      EXPECT_EQ(cg.gs.listTotals[s], expected.values[s]) << expected.text << ", seat " << s;
    }
  }
}

}  // namespace
