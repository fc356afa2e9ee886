// Hearts' rules: hand order, trick winners, legal cards, passing targets, sun and moon, deal
// points, the list's end and the highscore.
#include <gtest/gtest.h>

#include "core/highscores.h"
#include "tests/family/hearts_fixture.h"

using HeartsRules = HeartsTable;

TEST_F(HeartsRules, HandLiesClubsDiamondsSpadesHeartsFromTheTwoUp) {
  setHand(1, heartsCards({"Ah", "2h", "Qs", "3c", "Kd", "2d", "Ac", "Ts", "9c"}));
  EXPECT_EQ(legalFor(1), "3c 9c Ac 2d Kd Ts Qs");  // leading before hearts are broken
  EXPECT_EQ(heartsCodes(sp[1].hand), "3c 9c Ac 2d Kd Ts Qs 2h Ah");
}

TEST_F(HeartsRules, TrickGoesToTheHighestCardOfTheLedSuit) {
  struct Case {
    int leader;
    THand trick;
    int winner;
  } cases[] = {
      {1, heartsCards({"5c", "Kc", "Ac", "2c"}), 3},
      {2, heartsCards({"5c", "Ah", "As", "Ad"}), 2},   // nothing follows: the lead wins
      {3, heartsCards({"Th", "Jh", "2c", "Qh"}), 2},   // 3 Th, 4 Jh, 1 2c, 2 Qh
      {4, heartsCards({"2s", "3s", "Qs", "9h"}), 2},
  };
  for (const Case& c : cases) {
    setTrick(c.leader, c.trick);
    EXPECT_EQ(heartsTrickWinningCard().hi, c.winner) << heartsCodes(c.trick);
  }
}

TEST_F(HeartsRules, LegalCardsByLeadFollowAndFirstTrick) {
  struct Case {
    const char* what;
    THand hand;
    THand trick;  // led by seat 2; seat 1 follows when not empty
    bool broken;
    const char* legal;
  } cases[] = {
      {"club 2 leads alone", heartsCards({"2c", "Ac", "3h", "Qs", "4d", "5d", "6d", "7d", "8d", "9d", "Td", "Jd", "Qd"}), {}, false, "2c"},
      {"no hearts before broken", heartsCards({"3c", "4h", "5s"}), {}, false, "3c 5s"},
      {"hearts once broken", heartsCards({"3c", "4h", "5s"}), {}, true, "3c 5s 4h"},
      {"only hearts may lead a heart", heartsCards({"4h", "9h"}), {}, false, "4h 9h"},
      {"follows suit", heartsCards({"3c", "Kc", "4h", "5s"}), heartsCards({"Tc"}), false, "3c Kc"},
      {"void: any card", heartsCards({"4h", "5s", "Qs"}), heartsCards({"Tc"}), false, "5s Qs 4h"},
      {"first trick with clubs", heartsCards({"3c", "Kc", "4h", "Qs", "5d", "6d", "7d", "8d", "9d", "Td", "Jd", "Qd", "Kd"}), heartsCards({"2c"}), false, "3c Kc"},
      {"first trick void: no points", heartsCards({"2h", "3h", "Qs", "5d", "6d", "7d", "8d", "9d", "Td", "Jd", "Qd", "Kd", "Ad"}), heartsCards({"2c"}), false, "5d 6d 7d 8d 9d Td Jd Qd Kd Ad"},
      {"first trick only hearts and queen", heartsCards({"Qs", "2h", "3h", "4h", "5h", "6h", "7h", "8h", "9h", "Th", "Jh", "Qh", "Kh"}), heartsCards({"2c"}), false, "2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh"},
  };
  for (const Case& c : cases) {
    setHand(1, c.hand);
    setTrick(2, c.trick);
    heartsArea().heartsBroken = c.broken;
    EXPECT_EQ(legalFor(1), c.legal) << c.what;
  }
}

TEST_F(HeartsRules, PassesGoLeftRightAcrossOrNotByGamesPlayed) {
  // offset by games played mod 4, then the target of each seat 1..4.
  struct Case {
    int games;
    int offset;
    int targets[4];
  } cases[] = {
      {0, -1, {2, 3, 4, 1}}, {1, 1, {4, 1, 2, 3}}, {2, 2, {3, 4, 1, 2}}, {7, 0, {1, 2, 3, 4}}, {8, -1, {2, 3, 4, 1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(heartsPassOffsetFor(c.games), c.offset) << c.games;
    cg.gs.gamesPlayed = c.games;
    EXPECT_EQ(heartsNoPass(), c.offset == 0);
    for (int seat = 1; seat <= 4; seat++)
      EXPECT_EQ(heartsPassTargetOf(seat, c.offset), c.targets[seat - 1]) << "games " << c.games << " seat " << seat;
  }
}

TEST_F(HeartsRules, DealPointsWithMoonSunAndSunOff) {
  THand all{}, hearts{}, rest{};
  for (int s = 1; s <= 4; s++)
    for (int r : {int(rank2), int(rank3), int(rank4), int(rank5), int(rank6), int(rank7), int(rank8), int(rank9),
                  int(rankTen), int(rankJack), int(rankQueen), int(rankKing), int(rankAce)}) {
      handaddk(all, makeCard(r, s));
      handaddk(s == suitHearts || (s == suitSpades && r == rankQueen) ? hearts : rest, makeCard(r, s));
    }
  struct Case {
    const char* what;
    bool sonne;
    int pileOf2;     // seat 2 takes everything (0) or the 26 points (1) or half the hearts (2)
    int points[4];
  } cases[] = {
      {"sun", true, 0, {52, 0, 52, 52}},
      {"sun off: a moon", false, 0, {26, 0, 26, 26}},
      {"moon", true, 1, {26, 0, 26, 26}},
      {"plain", true, 2, {0, 19, 7, 0}},
  };
  for (const Case& c : cases) {
    for (int s = 1; s <= 4; s++) setPile(s + heartsPileOffset, {}), setHand(s, {});
    if (c.pileOf2 == 0) setPile(8, all);
    if (c.pileOf2 == 1) setPile(8, hearts), setPile(7, rest);
    if (c.pileOf2 == 2) {
      THand half = heartsCards({"2h", "3h", "4h", "5h", "6h", "7h"});
      handaddk(half, heartsCard("Qs"));
      setPile(8, half);
      setPile(9, heartsCards({"8h", "9h", "Th", "Jh", "Qh", "Kh", "Ah"}));
    }
    heartsArea().sonneRule = c.sonne;
    heartsArea().sunShooter = heartsSunShooter();
    heartsArea().moonShooter = heartsMoonShooter();
    int sum = 0;
    for (int s = 1; s <= 4; s++) {
      EXPECT_EQ(heartsRoundPoints(s), c.points[s - 1]) << c.what << " seat " << s;
      sum += heartsRoundPoints(s);
    }
    EXPECT_EQ(sum, c.pileOf2 == 2 ? 26 : c.pileOf2 == 1 || !c.sonne ? 78 : 156) << c.what;
  }
}

TEST_F(HeartsRules, ListEndsByRoundsOrPoints) {
  struct Case {
    const char* rounds;
    const char* points;
    bool roundsTicked;
    int games;
    int highest;
    bool over;
  } cases[] = {
      {"1 Runde", "100 Punkte", true, 1, 0, true},
      {"3 Runden", "100 Punkte", true, 2, 150, false},
      {"3 Runden", "100 Punkte", false, 9, 99, false},
      {"3 Runden", "100 Punkte", false, 2, 100, true},
      {"Keine Grenze", "Keine Grenze", true, 500, 9000, false},
      {"Keine Grenze", "Keine Grenze", false, 500, 9000, false},
  };
  for (const Case& c : cases) {
    heartsSetLimits(c.rounds, c.points, c.roundsTicked);
    cg.gs.gamesPlayed = c.games;
    for (int s = 1; s <= 4; s++) cg.gs.listTotals[s] = s == 3 ? c.highest : 0;
    EXPECT_EQ(heartsIsListOver(), c.over) << c.rounds << " / " << c.points << " ticked " << c.roundsTicked;
  }
  EXPECT_EQ(parseLimitItem("250 Punkte"), 250);
  EXPECT_EQ(parseLimitItem("Keine Grenze"), heartsNoRoundLimit);
}

TEST_F(HeartsRules, HighscoreLowerIsBetterTiesGoFirstNegativesStayOut) {
  struct Case {
    int total;
    int place;  // 0: not entered
  } cases[] = {{-1, 0}, {0, 1}, {50, 3}};
  for (const Case& c : cases) {
    resetHighscoreTable(cg.highscores, gidHearts, 1);
    THighscoreTable& t = cg.highscores[gidHearts][1];
    for (int s = 1; s <= 10; s++) t[s].points = 25 * (s - 1), t[s].empty = 0;  // 0, 25, 50, ...
    cg.gs.matchScore[1] = c.total;
    std::string text;
    heartsEnterHighscore(text);
    for (int s = 1; s <= 10 && c.place == 0; s++) EXPECT_EQ(t[s].points, 25 * (s - 1)) << "unchanged";
    if (c.place) {
      EXPECT_EQ(t[c.place].points, c.total);
      EXPECT_EQ(t[c.place + 1].points, 25 * (c.place - 1)) << "the equal entry moved down";
    }
  }
}
