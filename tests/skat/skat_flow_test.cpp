// The order of Skat's decisions: the bidding rounds, three passes with and without Ramsch,
// Hand and announcements, Spitze, pressing, Rum, Kein Spiel, the Kontra round before the first
// card and after the first trick, and the Schieben round with Grand Hand, pushing and Jungfrau;
// each game played to its settlement with scripted answers.
#include <functional>
#include <string>
#include <vector>

#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "platform/random.h"
#include "table/stack_sync.h"
#include "tests/skat/skat_play_fixture.h"
#include "tests/support/cards.h"

namespace {

struct TAsked {
  int kind;
  int seat;
};

class SkatFlowTest : public SkatPlayFixture {
 protected:
  // The answer of the script for a decision; -1000 lets the default answer it.
  using Script = std::function<int(int kind, int seat)>;

  void startList(int dealer = 3) {
    skatGameArea().options.firstDealer = dealer;
    skatGameArea().options.listLength = 36;
    screenMode = 1;
    cg.startGame(gidSkat, 0);
    allSeatsAnsweredByTheTest();
  }

  bool play(const Script& script) {
    return playGame([&] {
      int kind = cg.gs.bl.decisionKind;
      int seat = cg.gs.akspieler;
      asked.push_back({kind, seat});
      int v = script(kind, seat);
      if (v != -1000) return cg.submitAction(kind == 58 || kind == 54 ? 0 : 2, 0, v);
      defaultAnswer(kind, seat);
    });
  }

  // First legal card; "fertig" when two cards lie in the Skat; the first option otherwise.
  static void defaultAnswer(int kind, int seat) {
    if (kind == 58 || kind == 54) {
      syncHandFromSlots(sp[seat]);
      for (int i = 1; i <= stackUsed(sp[seat]); i++)
        if (skatIsLegalCard(sp[seat].slots[i].card)) return cg.submitAction(0, 0, i);
    }
    cg.submitAction(2, 1, cg.gs.bl.optionValues[1]);
  }

  std::vector<TAsked> kindsAsked(int kind) const {
    std::vector<TAsked> out;
    for (const TAsked& a : asked)
      if (a.kind == kind) out.push_back(a);
    return out;
  }
  int firstIndexOf(int kind) const {
    for (size_t i = 0; i < asked.size(); i++)
      if (asked[i].kind == kind) return int(i);
    return -1;
  }
  std::string sequence() const {
    std::string s;
    for (const TAsked& a : asked) s += std::to_string(a.kind) + "@" + std::to_string(a.seat) + " ";
    return s;
  }

  std::vector<TAsked> asked;
};

// With dealer 3: Vorhand 1, Mittelhand 2, Hinterhand 3.
constexpr int vorhand = 1, mittelhand = 2, hinterhand = 3;

int passAll(int kind, int) { return kind == 48 || kind == 49 ? 43 : -1000; }

TEST_F(SkatFlowTest, ThreePassesAreSettledAsAllPassed) {
  startList();
  ASSERT_TRUE(play(passAll)) << sequence();
  EXPECT_EQ(skatGame->gameType, skatTypeAllPassed);
  EXPECT_EQ(firstIndexOf(58), -1) << sequence();
  EXPECT_EQ(cg.gs.gameListValues[1][cg.gs.gamesPlayed] + cg.gs.gameListValues[2][cg.gs.gamesPlayed], 0);
  // Mittelhand against Vorhand, then Hinterhand, then Vorhand alone.
  std::vector<TAsked> bids = kindsAsked(48);
  ASSERT_EQ(bids.size(), 3u) << sequence();
  EXPECT_EQ(bids[0].seat, mittelhand);
  EXPECT_EQ(bids[1].seat, hinterhand);
  EXPECT_EQ(bids[2].seat, vorhand);
}

TEST_F(SkatFlowTest, ThreePassesWithRamschOptionsPlayRamschWithoutSchieben) {
  skatGameArea().options.bockRamsch = 1;
  skatGameArea().options.ramschIfNoBid = 1;
  startList();
  ASSERT_TRUE(play(passAll)) << sequence();
  EXPECT_EQ(skatGame->gameType, skatTypeRamsch);
  EXPECT_EQ(skatGame->schiebenRound, 0);
  EXPECT_EQ(firstIndexOf(66), -1);
  EXPECT_EQ(firstIndexOf(67), -1);
  ASSERT_GE(firstIndexOf(58), 0) << sequence();
  EXPECT_EQ(asked[firstIndexOf(58)].seat, vorhand) << "Vorhand leads";
}

TEST_F(SkatFlowTest, MittelhandPassesAtOnceAndVorhandBidsAlone) {
  startList();
  ASSERT_TRUE(play([](int kind, int seat) {
    if (kind == 48) return seat == vorhand ? 41 : 43;
    if (kind == 49) return 43;
    return -1000;
  })) << sequence();
  std::vector<TAsked> bids = kindsAsked(48);
  ASSERT_GE(bids.size(), 3u);
  EXPECT_EQ(bids[1].seat, hinterhand);
  EXPECT_EQ(bids[2].seat, vorhand);
  EXPECT_EQ(skatGame->declarer, vorhand);
  EXPECT_EQ(skatGame->seatBid[vorhand], 18);
  EXPECT_EQ(asked[firstIndexOf(50)].seat, vorhand);
}

TEST_F(SkatFlowTest, HandGameGoesStraightToTheGameAndItsAnnouncement) {
  startList();
  skatGameArea().options.spitze = 1;
  ASSERT_TRUE(play([](int kind, int seat) {
    if (kind == 48) return seat == mittelhand ? 41 : 43;
    if (kind == 49) return 43;
    if (kind == 50) return 45;  // Hand
    if (kind == 55) return 1;   // Kreuz
    if (kind == 56) return 2;   // Schneider announced
    if (kind == 59) return 62;
    return -1000;
  })) << sequence();
  int i50 = firstIndexOf(50);
  ASSERT_GE(i50, 0);
  EXPECT_EQ(asked[size_t(i50) + 1].kind, 55) << sequence();
  EXPECT_EQ(firstIndexOf(53), -1);
  EXPECT_EQ(firstIndexOf(54), -1);
  EXPECT_LT(firstIndexOf(56), firstIndexOf(59)) << sequence();
  EXPECT_EQ(skatGame->handGame, 1);
}

TEST_F(SkatFlowTest, GrandAndNullAreNeverAskedSpitze) {
  for (int game : {11, 10}) {
    SetUp();
    skatGameArea().options.spitze = 1;
    startList();
    asked.clear();
    ASSERT_TRUE(play([game](int kind, int seat) {
      if (kind == 48) return seat == mittelhand ? 41 : 43;
      if (kind == 49) return 43;
      if (kind == 50) return 45;
      if (kind == 55) return game;
      return -1000;
    })) << sequence();
    EXPECT_EQ(firstIndexOf(59), -1) << "game " << game << ": " << sequence();
    EXPECT_GE(firstIndexOf(game == 10 ? 57 : 56), 0) << sequence();
  }
}

TEST_F(SkatFlowTest, PressingOffersFertigOnlyWithTwoCardsInTheSkat) {
  startList();
  int takenBack = 0;
  ASSERT_TRUE(playGame([&] {
    int kind = cg.gs.bl.decisionKind;
    int seat = cg.gs.akspieler;
    asked.push_back({kind, seat});
    if (kind == 53 || kind == 54) {
      EXPECT_EQ(kind == 53, stackUsed(sp[11]) == 2) << "Skat of " << stackUsed(sp[11]);
      if (kind == 53 && takenBack == 0) {
        takenBack++;
        cg.submitAction(3, 11, 2);
        EXPECT_EQ(cg.gs.awaitingAction, 0);
        return;
      }
    }
    if (kind == 48) return cg.submitAction(2, 0, seat == mittelhand ? 41 : 43);
    if (kind == 49) return cg.submitAction(2, 0, 43);
    if (kind == 50) return cg.submitAction(2, 0, 51);
    defaultAnswer(kind, seat);
  })) << sequence();
  EXPECT_EQ(takenBack, 1);
  // Taking the top card back asked 54 again, with one card in the Skat.
  EXPECT_GE(kindsAsked(54).size(), 3u) << sequence();
  EXPECT_EQ(handUsed(pressedSkat), 2);
}

TEST_F(SkatFlowTest, KontraAfterTheFirstTrick) {
  TSkatOptions& o = skatGameArea().options;
  o.kontra = 1;
  o.kontraLevels = {{0, 0, 1}};
  o.kontraAfterAnnouncement = 0;
  startList();
  int firstTrickWinner = 0;
  ASSERT_TRUE(play([&](int kind, int seat) {
    if (kind == 48) return seat == mittelhand ? 41 : 43;
    if (kind == 49) return 43;
    if (kind == 50) return 45;
    if (kind == 55) return 11;
    if (kind == 56) return 1;
    if (kind == 44 && firstTrickWinner == 0) firstTrickWinner = skatArea->trickLeader;
    if (kind == 44) return 1;
    if (kind == 63) return 2;
    if (kind == 64) return 3;
    if (kind == 65) return 4;
    return -1000;
  })) << sequence();
  int k = firstIndexOf(44);
  ASSERT_GE(k, 3);
  for (int i = 1; i <= 3; i++) EXPECT_EQ(asked[size_t(k - i)].kind, 58) << sequence();
  EXPECT_EQ(asked[size_t(k)].seat, skatNextPlayer(mittelhand)) << "the defender after the declarer";
  EXPECT_EQ(asked[size_t(k) + 1].kind, 63);
  EXPECT_EQ(asked[size_t(k) + 1].seat, mittelhand);
  EXPECT_EQ(skatGame->kontraLevel, 4);
  EXPECT_EQ(asked[size_t(k) + 4].kind, 58);
  EXPECT_EQ(asked[size_t(k) + 4].seat, firstTrickWinner) << "the first trick's winner leads";
  EXPECT_EQ(asked[size_t(k) - 3].seat, vorhand) << "Vorhand led the first trick";
}

// Kontra before the first card: who is asked what, as far as the chosen levels go. Mittelhand
// (2) plays a Grand Hand; the defenders are 3 (the seat after the declarer) and 1.
TEST_F(SkatFlowTest, KontraRoundBeforeTheFirstCard) {
  struct Case {
    const char* what;
    int levelOption;                    // 1 "Mit Kontra", 2 "Mit Kontra und Re", 3 up to Hirsch
    std::vector<std::pair<std::string, int>> answers;  // "kind@seat" -> answer; -1 otherwise
    std::string expected;               // the questions between the announcement and the first card
    int level;
  } cases[] = {
      {"both defenders decline", 1, {}, "44@3 44@1 ", 0},
      {"Kontra without Re", 1, {{"44@3", 1}}, "44@3 ", 1},
      {"the second defender's Kontra, Re declined", 2, {{"44@1", 1}}, "44@3 44@1 63@2 ", 1},
      {"Re, no Sup with Kontra und Re", 2, {{"44@3", 1}, {"63@2", 2}}, "44@3 63@2 ", 2},
      {"Sup declined by the first defender goes to the second", 3, {{"44@3", 1}, {"63@2", 2}, {"64@1", 3}},
       "44@3 63@2 64@3 64@1 65@2 ", 3},
  };
  for (const Case& c : cases) {
    SetUp();
    asked.clear();
    TSkatOptions& o = skatGameArea().options;
    o.kontra = 1;
    o.kontraLevels = {{0, 0, 0}};
    o.kontraLevels[c.levelOption] = 1;
    o.kontraAfterAnnouncement = 1;
    startList();
    ASSERT_TRUE(play([&](int kind, int seat) {
      if (kind == 48) return seat == mittelhand ? 41 : 43;
      if (kind == 49) return 43;
      if (kind == 50) return 45;
      if (kind == 55) return 11;
      if ((kind >= 63 && kind <= 65) || kind == 44) {
        std::string key = std::to_string(kind) + "@" + std::to_string(seat);
        for (const auto& [k, v] : c.answers)
          if (k == key) return v;
        return -1;
      }
      return -1000;
    })) << c.what << ": " << sequence();
    int from = firstIndexOf(56), to = firstIndexOf(58);
    ASSERT_TRUE(from >= 0 && to > from) << c.what << ": " << sequence();
    std::string between;
    for (int i = from + 1; i < to; i++)
      between += std::to_string(asked[size_t(i)].kind) + "@" + std::to_string(asked[size_t(i)].seat) + " ";
    EXPECT_EQ(between, c.expected) << c.what << ": expected " << c.expected << ", got " << between;
    EXPECT_EQ(skatGame->kontraLevel, c.level) << c.what;
    EXPECT_EQ(asked[size_t(to)].seat, vorhand) << c.what << ": Vorhand leads";
  }
}

// Rum: the Skat is shown in the centre, then taken up; the declarer presses from an empty Skat.
TEST_F(SkatFlowTest, RumShowsTheSkatThenTheDeclarerPresses) {
  skatGameArea().options.rum = 1;
  startList();
  THand skatAsDealt;
  bool seenInTheCentre = false;
  ASSERT_TRUE(playGame(
      [&] {
        int kind = cg.gs.bl.decisionKind;
        int seat = cg.gs.akspieler;
        asked.push_back({kind, seat});
        if (kind == 48) return cg.submitAction(2, 0, seat == mittelhand ? 41 : 43);
        if (kind == 49) return cg.submitAction(2, 0, 43);
        if (kind == 60) {
          skatAsDealt = sp[11].hand;
          return cg.submitAction(2, 0, 46);
        }
        if (kind == 55) return cg.submitAction(2, 0, 11);
        defaultAnswer(kind, seat);
      },
      [&] {
        if (cg.gs.phase == 7 && cg.gs.step == 5 && stackUsed(sp[12]) == 2) seenInTheCentre = true;
      }))
      << sequence();
  EXPECT_TRUE(seenInTheCentre);
  int i60 = firstIndexOf(60);
  ASSERT_GE(i60, 0) << sequence();
  EXPECT_EQ(firstIndexOf(50), -1);
  EXPECT_EQ(asked[size_t(i60) + 1].kind, 54) << "the Skat lies in the declarer's hand: " << sequence();
  EXPECT_EQ(skatGame->rumGame, 1);
  EXPECT_EQ(skatGame->handGame, 0);
  EXPECT_EQ(handUsed(pressedSkat), 2);
  EXPECT_EQ(handUsed(skatAsDealt), 2);
  // The next game of the list starts without the Rum mark, the next seat deals, and the
  // Grand just played is kept for an overbid valuation.
  screenMode = 1;
  cg.startGame(gidSkat, 1);
  EXPECT_EQ(skatGame->rumGame, 0);
  EXPECT_EQ(skatGame->overbidGameType, skatTypeGrand);
  EXPECT_EQ(skatGame->gameType, skatTypeNone);
  EXPECT_EQ(skatArea->skatDealerSeat, 1);
  for (int s = 1; s <= 3; s++) EXPECT_EQ(skatGame->noTrickYet[s], 1) << "seat " << s;
}

TEST_F(SkatFlowTest, RefusedAnswersKeepTheDecisionOpenAndGoToTheTraceLog) {
  startList();
  for (int f = 0; f < 2000 && cg.gs.awaitingAction != 2; f++) frame();
  ASSERT_EQ(cg.gs.bl.decisionKind, 48);
  struct Case {
    int kind, a, b;
    const char* why;
  } cases[] = {
      {2, 0, 999, "steht nicht zur Wahl"},  // not an offered answer
      {0, 0, 1, ""},                        // a card while bidding: the panel takes none
      {4, 1, 0, "gehört nicht zu Skat"},    // a trick notice
  };
  for (const Case& c : cases) {
    cg.submitAction(c.kind, c.a, c.b);
    EXPECT_EQ(cg.gs.awaitingAction, 2) << c.why;
    EXPECT_EQ(cg.gs.bl.decisionKind, 48);
    EXPECT_NE(traceLog().find(c.why), std::string::npos) << c.why << " not in " << traceLog();
  }
  // No value is left above the highest bid: only passing is taken.
  skatArea->currentBid = 264;
  skatArea->skatBidIndex = skatArea->skatBidCount + 1;
  cg.submitAction(2, 1, 41);
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  cg.submitAction(2, 2, 43);
  EXPECT_EQ(cg.gs.awaitingAction, 0);
}

TEST_F(SkatFlowTest, SchiebenRoundAsksEachSeatInTurn) {
  TSkatOptions& o = skatGameArea().options;
  o.bockRamsch = 1;
  o.grandHand = 1;
  o.jungfrau = 1;
  o.jacksMayBePushed = 1;
  pendingSpecialGames = "R";
  startList();
  pendingSpecialGames = "R";  // the new list emptied the queue; the next game is Ramsch
  ASSERT_TRUE(play(passAll));  // an all-passed game first
  asked.clear();
  screenMode = 1;
  cg.startGame(gidSkat, 1);
  allSeatsAnsweredByTheTest();
  ASSERT_EQ(skatGameArea().specialGameMarker.str(), "R");
  ASSERT_TRUE(play([](int kind, int) {
    if (kind == 66) return 66;  // gesund
    if (kind == 67) return 45;  // push on
    if (kind == 68) return 0;
    return -1000;
  })) << sequence();
  std::vector<TAsked> grandHand = kindsAsked(66), skatQuestions = kindsAsked(67);
  ASSERT_EQ(grandHand.size(), 3u) << sequence();
  ASSERT_EQ(skatQuestions.size(), 3u) << sequence();
  for (int i = 0; i < 3; i++) EXPECT_EQ(skatQuestions[size_t(i)].seat, grandHand[size_t(i)].seat);
  EXPECT_EQ(skatGame->pushCount, 3);
  EXPECT_EQ(skatGame->gameType, skatTypeRamsch);
  EXPECT_EQ(skatGame->schiebenRound, 1);
  EXPECT_LT(firstIndexOf(67), firstIndexOf(58));
}

// The Schieben round's other branches: a seat that declares Grand Hand plays it at once, held
// to the lowest Grand Hand; a seat that takes the Skat presses two cards and may say Jungfrau.
TEST_F(SkatFlowTest, SchiebenRoundGrandHandAndTakingTheSkat) {
  for (int grandHandSeat : {vorhand, 0}) {
    SetUp();
    asked.clear();
    TSkatOptions& o = skatGameArea().options;
    o.bockRamsch = 1;
    o.grandHand = 1;
    o.jungfrau = 1;
    o.jacksMayBePushed = 0;
    pendingSpecialGames = "R";
    startList();
    pendingSpecialGames = "R";
    ASSERT_TRUE(play(passAll));
    asked.clear();
    screenMode = 1;
    cg.startGame(gidSkat, 1);
    allSeatsAnsweredByTheTest();
    ASSERT_EQ(skatGameArea().specialGameMarker.str(), "R");
    int takes = 0;
    ASSERT_TRUE(playGame([&] {
      int kind = cg.gs.bl.decisionKind;
      int seat = cg.gs.akspieler;
      asked.push_back({kind, seat});
      if (kind == 66) return cg.submitAction(2, 0, seat == grandHandSeat ? 84 : 66);
      if (kind == 67) return cg.submitAction(2, 0, seat == hinterhand ? 51 : 45);
      if (kind == 68) return cg.submitAction(2, 0, seat == hinterhand ? 68 : 0);
      if (kind == 54) {
        // No Jack goes into the Skat.
        syncHandFromSlots(sp[seat]);
        takes++;
        for (int i = 1; i <= stackUsed(sp[seat]); i++)
          if (sp[seat].slots[i].card.t != rankJack) return cg.submitAction(0, 0, i);
      }
      defaultAnswer(kind, seat);
    })) << sequence();
    if (grandHandSeat != 0) {
      EXPECT_EQ(firstIndexOf(67), -1) << sequence();
      int i56 = firstIndexOf(56);
      ASSERT_GE(i56, 0) << sequence();
      EXPECT_EQ(asked[size_t(i56)].seat, grandHandSeat);
      EXPECT_EQ(skatGame->gameType, skatTypeGrand);
      EXPECT_EQ(skatGame->handGame, 1);
      EXPECT_EQ(skatGame->declarer, grandHandSeat);
      EXPECT_EQ(skatGame->bidReached, 72);
      EXPECT_EQ(skatGame->ramschGame, 0);
      continue;
    }
    EXPECT_EQ(skatGame->gameType, skatTypeRamsch);
    EXPECT_EQ(takes, 2) << "two cards pressed: " << sequence();
    EXPECT_EQ(skatGame->pushCount, 2);
    EXPECT_EQ(skatGame->jungfrauAnnounced[hinterhand], 1);
    for (int i = 1; i <= 2; i++) EXPECT_NE(pressedSkat.k[i].t, rankJack);
    EXPECT_EQ(kindsAsked(68).size(), 3u) << sequence();
  }
}

// "Kein Spiel" after pressing: the game is settled at once, no card is played.
TEST_F(SkatFlowTest, NoGameChosenIsSettledAtOnce) {
  startList();
  ASSERT_TRUE(play([](int kind, int seat) {
    if (kind == 48) return seat == mittelhand ? 41 : 43;
    if (kind == 49) return 43;
    if (kind == 50) return 51;
    if (kind == 55) return 14;
    return -1000;
  })) << sequence();
  EXPECT_EQ(firstIndexOf(58), -1) << sequence();
  EXPECT_EQ(firstIndexOf(56), -1) << sequence();
  EXPECT_EQ(skatGame->gameType, skatTypeNone);
  EXPECT_EQ(skatBid->gameType, skatTypeNone);
  EXPECT_EQ(handUsed(pressedSkat), 2);
  EXPECT_EQ(skatGame->declarer, mittelhand);
}

// The bidding rounds: who is asked, the value offered or to hold, and who becomes declarer
// at which bid. With dealer 3: Vorhand 1, Mittelhand 2, Hinterhand 3.
TEST_F(SkatFlowTest, BiddingRoundsOfferTheNextValueAboveTheBid) {
  struct Case {
    const char* what;
    std::vector<int> answers;  // to the bid and hold questions in turn
    std::string expected;      // kind@seat:value of each question
    int declarer, bid;
  } cases[] = {
      {"Mittelhand drops out against Vorhand, Hinterhand goes on", {41, 42, 43, 41, 43},
       "48@2:18 49@1:18 48@2:20 48@3:20 49@1:20 ", hinterhand, 20},
      {"Mittelhand passes at once", {43, 41, 42, 43}, "48@2:18 48@3:18 49@1:18 48@3:20 ", vorhand, 18},
      {"Vorhand drops out, Hinterhand passes against Mittelhand", {41, 43, 43},
       "48@2:18 49@1:18 48@3:20 ", mittelhand, 18},
  };
  for (const Case& c : cases) {
    SetUp();
    startList();
    size_t next = 0;
    std::string got;
    ASSERT_TRUE(play([&](int kind, int seat) {
      if (kind != 48 && kind != 49) return -1000;
      const TSkatArea& a = *skatArea;
      int value = kind == 48 ? a.skatBidList[a.skatBidIndex] : a.currentBid;
      got += std::to_string(kind) + "@" + std::to_string(seat) + ":" + std::to_string(value) + " ";
      return next < c.answers.size() ? c.answers[next++] : 43;
    })) << c.what << ": " << sequence();
    EXPECT_EQ(got, c.expected) << c.what;
    EXPECT_EQ(skatGame->declarer, c.declarer) << c.what;
    EXPECT_EQ(skatGame->bidReached, c.bid) << c.what;
  }
}

}  // namespace
