// Doppelkopf's scoring: the targets of every pair of announcement levels, "Gegen die
// Alten", the level reached, Re/Kontra and Keine 90/60/30/Schwarz of winners and losers,
// Schwarz by tricks, Fuchs, Karlchen and Doppelkopf, nobody wins; every game's values sum
// to zero. Then the list's end, its text, the highscore entry and formatPercent.
#include <string>
#include <vector>

#include "core/highscores.h"
#include "games/skat/doppelkopf_party.h"
#include "games/skat/doppelkopf_scoring.h"
#include "tests/skat/doppelkopf_fixture.h"

namespace {

// The 48 cards without the Neunen, split into cards worth exactly `points` and the rest.
bool splitByPoints(int points, THand& mine, THand& rest) {
  const int values[] = {11, 10, 4, 3, 2};
  const int ranks[] = {rankAce, rankTen, rankKing, rankQueen, rankJack};
  int n[5];
  for (n[0] = 0; n[0] <= 8; n[0]++)
    for (n[1] = 0; n[1] <= 8; n[1]++)
      for (n[2] = 0; n[2] <= 8; n[2]++)
        for (n[3] = 0; n[3] <= 8; n[3]++)
          for (n[4] = 0; n[4] <= 8; n[4]++) {
            int sum = 0;
            for (int i = 0; i < 5; i++) sum += n[i] * values[i];
            if (sum != points) continue;
            mine = THand{};
            rest = THand{};
            for (int i = 0; i < 5; i++)
              for (int k = 0; k < 8; k++) handaddk(k < n[i] ? mine : rest, makeCard(ranks[i], 1 + k % 4));
            return true;
          }
  return false;
}

THand nines(int count) {
  THand h{};
  for (int k = 0; k < count; k++) handaddk(h, makeCard(rank9, 1 + k % 4));
  return h;
}

enum Tricks { splitNines, reAll, kontraAll };

class DoppelkopfScoringTest : public DoppelkopfFixture {
 protected:
  // Parties of the public view: "RKRK" and the like ("S" the silent soloist).
  static void setParties(const std::string& parties) {
    for (int s = 1; s <= 4; s++) {
      const char p = parties[s - 1];
      doppelkopfArea->views[0].party[s] = p == 'R' ? partyRe : p == 'K' ? partyKontra : partySilentSolo;
    }
  }
  // The Re party's won cards on the pile of its first seat, the Kontra party's on its first.
  static void setPiles(int rePoints, Tricks tricks) {
    THand re, kontra;
    ASSERT_TRUE(splitByPoints(rePoints, re, kontra)) << rePoints;
    THand n = nines(8);
    if (tricks == reAll) appendHand(re, n), appendHand(re, kontra), clearHand(kontra);
    if (tricks == kontraAll) appendHand(kontra, n), appendHand(kontra, re), clearHand(re);
    if (tricks == splitNines) appendHand(re, nines(4)), appendHand(kontra, nines(4));
    int reSeat = 0, kontraSeat = 0;
    for (int s = 4; s >= 1; s--)
      (doppelkopfPartyOf(s, 0) == partyKontra ? kontraSeat : reSeat) = s;
    setWonPile(reSeat, re);
    setWonPile(kontraSeat, kontra);
  }
  static void setLevels(int re, int kontra) {
    doppelkopfGameWide().doppelkopfReLevel = re;
    doppelkopfGameWide().doppelkopfKontraLevel = kontra;
  }
  static TGameResult score() {
    TGameResult r;
    doppelkopfScoreResult(r);
    int sum = 0;
    for (int s = 1; s <= 6; s++) sum += r.values[s];
    EXPECT_EQ(sum, 0) << "the values sum to zero: " << r.text;
    return r;
  }
  static std::string values(const TGameResult& r) {
    std::string out;
    for (int s = 1; s <= 4; s++) out += (s > 1 ? " " : "") + std::to_string(r.values[s]);
    return out;
  }
};

// [SECTION] targets

// Targets "tR/tK" by Re level (row) and Kontra level (column).
const char* const targets[6][6] = {
    {"121/120", "120/121", "90/151", "60/181", "30/211", "1/240"},
    {"121/120", "121/121", "121/151", "121/181", "121/211", "121/240"},
    {"151/90", "151/121", "151/151", "151/181", "151/211", "151/240"},
    {"181/60", "181/121", "181/151", "181/181", "181/211", "181/240"},
    {"211/30", "211/121", "211/151", "211/181", "211/211", "211/240"},
    {"240/1", "240/121", "240/151", "240/181", "240/211", "240/240"},
};

// Who wins at Re points R (by card points, both parties taking tricks).
char expectedWinner(int R, int tR, int tK) {
  if (tR < 240 && R >= tR) return 'R';
  if (tK > 1 && tK < 240 && 240 - R >= tK) return 'K';
  if (tK == 1) return 'K';  // Re's Schwarz failed: Kontra took a trick
  return '-';
}

char winnerOf(const TGameResult& r) {
  if (r.text.rfind("Unentschieden", 0) == 0) return '-';
  return r.values[1] > 0 ? 'R' : 'K';
}

TEST_F(DoppelkopfScoringTest, TargetsOfEveryPairOfLevels) {
  for (int re = 0; re <= 5; re++)
    for (int kontra = 0; kontra <= 5; kontra++) {
      const std::string t = targets[re][kontra];
      const int tR = std::stoi(t.substr(0, t.find('/'))), tK = std::stoi(t.substr(t.find('/') + 1));
      std::vector<int> probes;
      for (int R : {tR - 1, tR, 240 - tK, 241 - tK})
        if (R >= 2 && R <= 238) probes.push_back(R);  // 1 and 239 cannot be taken
      for (int R : probes) {
        freshGame();
        setParties("RKRK");
        setLevels(re, kontra);
        setPiles(R, splitNines);
        EXPECT_EQ(winnerOf(score()), expectedWinner(R, tR, tK))
            << "Re level " << re << ", Kontra level " << kontra << ", Re points " << R;
      }
    }
}

// [SECTION] the game value

struct ScoreCase {
  const char* what;
  int32_t soloType;   // the soloist is seat 1
  const char* parties;
  int reLevel, kontraLevel;
  int rePoints;
  Tricks tricks;
  const char* line;
  const char* values;
};

const ScoreCase scoreCases[] = {
    {"Re 121", 0, "RKRK", 0, 0, 121, splitNines, "Gewonnen 1", "1 -1 1 -1"},
    {"Re 120: against the old ones", 0, "RKRK", 0, 0, 120, splitNines, "Gewonnen 1 - Gegen die Alten 2", "-2 2 -2 2"},
    {"Re said, Re 121", 0, "RKRK", 1, 0, 121, splitNines, "Gewonnen 1 - Re gesagt 3", "3 -3 3 -3"},
    {"Re said, Kontra needs 120", 0, "RKRK", 1, 0, 120, splitNines,
     "Gewonnen 1 - Gegen die Alten 2 - Re gesagt 4", "-4 4 -4 4"},
    {"Re and Kontra said, Kontra 121", 0, "RKRK", 1, 1, 119, splitNines,
     "Gewonnen 1 - Gegen die Alten 2 - Kontra gesagt 4 - Re gesagt 6", "-6 6 -6 6"},
    {"Keine 90 reached", 0, "RKRK", 0, 0, 151, splitNines, "Gewonnen 1 - Keine 90 gespielt 2", "2 -2 2 -2"},
    {"150 is not Keine 90", 0, "RKRK", 0, 0, 150, splitNines, "Gewonnen 1", "1 -1 1 -1"},
    {"Keine 60 reached", 0, "RKRK", 0, 0, 181, splitNines, "Gewonnen 1 - Keine 60 gespielt 3", "3 -3 3 -3"},
    {"Keine 30 reached", 0, "RKRK", 0, 0, 211, splitNines, "Gewonnen 1 - Keine 30 gespielt 4", "4 -4 4 -4"},
    {"240 points, but Kontra took a trick of Neunen", 0, "RKRK", 0, 0, 240, splitNines,
     "Gewonnen 1 - Keine 30 gespielt 4", "4 -4 4 -4"},
    {"Schwarz reached", 0, "RKRK", 0, 0, 240, reAll, "Gewonnen 1 - Schwarz gespielt 5", "5 -5 5 -5"},
    {"Kontra Keine 90 reached", 0, "RKRK", 0, 0, 89, splitNines,
     "Gewonnen 1 - Gegen die Alten 2 - Keine 90 gespielt 3", "-3 3 -3 3"},
    {"Kontra plays Re schwarz", 0, "RKRK", 0, 0, 0, kontraAll,
     "Gewonnen 1 - Gegen die Alten 2 - Schwarz gespielt 6", "-6 6 -6 6"},
    {"Re said Keine 60 and made it", 0, "RKRK", 3, 0, 181, splitNines,
     "Gewonnen 1 - Keine 60 gespielt 3 - Re gesagt 5 - Keine 60 gesagt 7", "7 -7 7 -7"},
    {"Re said Keine 60 and missed it", 0, "RKRK", 3, 0, 180, splitNines,
     "Gewonnen 1 - Gegen die Alten 2 - Re gesagt 4 - Keine 60 gesagt 6", "-6 6 -6 6"},
    {"Re announced Schwarz, Kontra took only Neunen", 0, "RKRK", 5, 0, 240, splitNines,
     "Gewonnen 1 - Gegen die Alten 2 - Re gesagt 4 - Schwarz gesagt 8", "-8 8 -8 8"},
    {"Re announced Schwarz and made it", 0, "RKRK", 5, 0, 240, reAll,
     "Gewonnen 1 - Schwarz gespielt 5 - Re gesagt 7 - Schwarz gesagt 11", "11 -11 11 -11"},
    {"Kontra said Keine 30 and made it, Re said Keine 90", 0, "RKRK", 2, 4, 29, splitNines,
     "Gewonnen 1 - Gegen die Alten 2 - Keine 30 gespielt 5 - Kontra gesagt 7 - Keine 30 gesagt 10"
     " - Re gesagt 12 - Keine 90 gesagt 13",
     "-13 13 -13 13"},
    {"nobody wins", 0, "RKRK", 2, 1, 140, splitNines, "Unentschieden 0", "0 0 0 0"},
    {"Karo solo with 181", doppelkopfKaroSolo, "RKKK", 0, 0, 181, splitNines,
     "Karosolo gewonnen - Keine 60 gespielt 3", "9 -3 -3 -3"},
    {"Fleischlos lost", doppelkopfFleischlos, "RKKK", 0, 0, 120, splitNines, "Fleischloses Solo verloren", "-3 1 1 1"},
    {"silent wedding won", doppelkopfKaroSolo, "SKKK", 0, 0, 121, splitNines, "Karosolo gewonnen", "3 -1 -1 -1"},
};

TEST_F(DoppelkopfScoringTest, GameValues) {
  for (const ScoreCase& c : scoreCases) {
    freshGame();
    setType(c.soloType, c.soloType ? 1 : 0);
    setParties(c.parties);
    setLevels(c.reLevel, c.kontraLevel);
    setPiles(c.rePoints, c.tricks);
    const TGameResult r = score();
    EXPECT_EQ(r.text, c.line) << c.what;
    EXPECT_EQ(values(r), c.values) << c.what;
    EXPECT_EQ(r.won, 0) << c.what;
  }
}

TEST_F(DoppelkopfScoringTest, ResultTexts) {
  setParties("RKRK");
  setPiles(130, splitNines);
  TGameResult r = score();
  EXPECT_EQ(r.longText, "Anna und Carl gewinnen mit 130 Augen.\r\rGewonnen 1");
  std::string out;
  doppelkopfResultText(r, out);
  EXPECT_EQ(out, r.longText);

  freshGame();
  setType(doppelkopfHerzSolo, 1);
  setParties("RKKK");
  setPiles(100, splitNines);
  r = score();
  EXPECT_EQ(r.longText, "Bert, Carl und Dora gewinnen mit 140 Augen.\r\rHerzsolo verloren");
  EXPECT_EQ(r.mainSeat, 1);

  freshGame();
  setParties("RKRK");
  setLevels(2, 1);
  setPiles(140, splitNines);
  r = score();
  EXPECT_EQ(r.longText,
            "Keiner gewinnt das Spiel, weil beide Absagen nicht erreicht wurden. \rDie Re - Partei hat 140 Augen.\r"
            "Die Kontra - Partei hat 100 Augen.\r\rUnentschieden 0");
}

// [SECTION] trick specials

struct SpecialCase {
  const char* what;
  int rePoints;        // Re (seats 1 and 3) against Kontra (2 and 4)
  int fuchsCatcher, fuchsVictim;  // 0: none
  int doppelkopfSeat, doppelkopfCount;
  int karlchenSeat;
  int reLevel, kontraLevel;
  const char* line;
  const char* values;
};

const SpecialCase specialCases[] = {
    {"Fuchs of the winners", 130, 1, 2, 0, 0, 0, 0, 0, "Gewonnen 1 - Fuchs 2", "2 -2 2 -2"},
    {"Fuchs of the losers", 130, 4, 3, 0, 0, 0, 0, 0, "Gewonnen 1 - Fuchs (-) 0", "0 0 0 0"},
    {"Fuchs within one party counts nothing", 130, 3, 1, 0, 0, 0, 0, 0, "Gewonnen 1", "1 -1 1 -1"},
    {"Doppelkopf of a loser", 130, 0, 0, 2, 1, 0, 0, 0, "Gewonnen 1 - Doppelkopf (-) 0", "0 0 0 0"},
    {"two Doppelkopf tricks", 130, 0, 0, 3, 2, 0, 0, 0, "Gewonnen 1 - Doppelkopf 2x 3", "3 -3 3 -3"},
    {"two Doppelkopf tricks of a loser", 100, 0, 0, 3, 2, 0, 0, 0,
     "Gewonnen 1 - Gegen die Alten 2 - Doppelkopf 2x (-) 0", "0 0 0 0"},
    {"Karlchen", 130, 0, 0, 0, 0, 1, 0, 0, "Gewonnen 1 - Karlchen 2", "2 -2 2 -2"},
    {"nobody wins: Kontra's special takes the place", 140, 0, 0, 2, 1, 0, 2, 1, "Unentschieden 0 - Doppelkopf 1",
     "-1 1 -1 1"},
    {"nobody wins: equal specials leave Re the place", 140, 1, 2, 2, 1, 0, 2, 1,
     "Unentschieden 0 - Fuchs 1 - Doppelkopf (-) 0", "0 0 0 0"},
    {"nobody wins: Re's Fuchs", 140, 3, 4, 0, 0, 0, 2, 1, "Unentschieden 0 - Fuchs 1", "1 -1 1 -1"},
};

TEST_F(DoppelkopfScoringTest, TrickSpecials) {
  for (const SpecialCase& c : specialCases) {
    freshGame();
    setParties("RKRK");
    setLevels(c.reLevel, c.kontraLevel);
    setPiles(c.rePoints, splitNines);
    if (c.fuchsCatcher) {
      area.seats[c.fuchsCatcher].fuchs[1] = 1;
      area.seats[c.fuchsCatcher].fuchsVictim[1] = c.fuchsVictim;
    }
    if (c.doppelkopfSeat) {
      area.seats[c.doppelkopfSeat].doppelkopf = 1;
      area.seats[c.doppelkopfSeat].doppelkopfCount = c.doppelkopfCount;
    }
    if (c.karlchenSeat) area.seats[c.karlchenSeat].karlchen = 1;
    const TGameResult r = score();
    EXPECT_EQ(r.text, c.line) << c.what;
    EXPECT_EQ(values(r), c.values) << c.what;
  }
}

// [SECTION] the list

TEST_F(DoppelkopfScoringTest, ListEndsByGamesOrByPoints) {
  const struct { int32_t gameLimit, pointLimit, played, best; bool over; const char* text; } cases[] = {
      {12, 0, 11, 30, false, "11 von 12 Runden gespielt, 30 von unbegrenzt max. Punkten erreicht"},
      {12, 0, 12, 30, true, "12 von 12 Runden gespielt, 30 von unbegrenzt max. Punkten erreicht"},
      {doppelkopfNoGameLimit, 50, 200, 49, false, "200 von unbegrenzt Runden gespielt, 49 von 50 max. Punkten erreicht"},
      {doppelkopfNoGameLimit, 50, 3, 50, true, "3 von unbegrenzt Runden gespielt, 50 von 50 max. Punkten erreicht"},
      {doppelkopfNoGameLimit, 0, 5000, 900, false, "5000 von unbegrenzt Runden gespielt, 900 von unbegrenzt max. Punkten erreicht"},
  };
  for (const auto& c : cases) {
    area.options.gameLimit = c.gameLimit;
    area.options.pointLimit = c.pointLimit;
    cg.gs.gamesPlayed = c.played;
    cg.gs.listTotals[1] = -c.best;
    cg.gs.listTotals[3] = c.best;
    EXPECT_EQ(doppelkopfIsListOver(), c.over) << c.text;
    std::string text;
    doppelkopfListText(text);
    EXPECT_EQ(text, c.text);
  }
}

TEST_F(DoppelkopfScoringTest, HighscoreTableByListLength) {
  const struct { int32_t played; int table; } cases[] = {{10, 1}, {11, 2}, {25, 2}, {26, 3}};
  for (const auto& c : cases) {
    resetAllHighscores(cg.highscores);
    cg.gs.gamesPlayed = c.played;
    cg.gs.listTotals[1] = 100000;
    std::string out;
    doppelkopfEnterHighscore(out);
    EXPECT_EQ(out, "Sie haben den 1. Platz in der Highscoreliste erreicht.") << c.played;
    const THighscoreEntry& top = cg.highscores[gidDoppelkopf][c.table][1];
    EXPECT_EQ(top.points, 100000) << c.played;
    EXPECT_EQ(top.name.str(), "Anna") << c.played;
  }
  cg.gs.listTotals[1] = 0;
  std::string out;
  doppelkopfEnterHighscore(out);
  EXPECT_EQ(out, "") << "a total of 0 is never entered";
}

TEST_F(DoppelkopfScoringTest, FormatPercent) {
  const struct { int32_t part, whole, decimals; const char* text; } cases[] = {
      {0, 0, 2, "0.00%"}, {1, 3, 1, "33.3%"},  {2, 3, 2, "66.66%"}, {1, 3, 0, "33.0%"},
      {1, 3, 2, "33.33%"}, {1, 8, 2, "12.50%"}, {3, 3, 2, "100.00%"}, {5, 0, 1, "0.0%"},
      {1, 400, 2, "0.25%"}, {1, 1000, 2, "0.10%"},
  };
  for (const auto& c : cases) {
    std::string out;
    formatPercent(c.part, c.whole, c.decimals, out);
    EXPECT_EQ(out, c.text) << c.part << "/" << c.whole;
  }
}

}  // namespace
