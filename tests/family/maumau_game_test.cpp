// Mau-Mau as whole games: the deal and the card turned up, the result in both scorings,
// the list's end and text, highscores, and self-play with random offered answers and with
// the computer player on every seat.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "core/card_order.h"
#include "core/core_messages.h"
#include "games/family/maumau_ai.h"
#include "games/family/maumau_results.h"
#include "platform/random.h"
#include "tests/family/maumau_fixture.h"

namespace {

// A new list of `seats` with every seat played by the test; `upCard`, when given, is put
// where the deal leaves the stock's top card.
void startList(int seats, const TMaumauState& state, const char* upCard = nullptr, int32_t dealMode = 1) {
  resetHeadlessMaumau(seats, state, dealMode);
  cg.startGame(gidMauMau, 0);
  for (int s = 1; s <= 8; s++) cg.seatRecords[s].kind = seatKindUser;
  if (!upCard) return;
  TSpieler& stock = sp[maumauStock];
  int32_t at = stackUsed(stock) - seats * maumauArea().startCards;
  for (int i = 1; i <= stackUsed(stock); i++)
    if (cardsEqual(stock.slots[i].card, card(upCard))) {
      swapCards(stock.slots[i].card, stock.slots[at].card);
      break;
    }
}

TEST(MaumauDeal, RandomDealerIsNeverTheUser) {
  for (uint64_t seed = 1; seed <= 40; seed++) {
    randomSeed(seed);
    startList(3, maumauDefaultState());
    EXPECT_GE(cg.gs.dealer, 2) << "seed " << seed;
    EXPECT_LE(cg.gs.dealer, 3) << "seed " << seed;
  }
}

TEST(MaumauDeal, ChosenDealerBeyondTheTableIsTheHighestSeat) {
  struct { int seats, option, dealer; } cases[] = {{3, 2, 1}, {3, 4, 3}, {3, 7, 3}, {6, 7, 6}, {2, 5, 2}};
  for (auto c : cases) {
    TMaumauState s = maumauDefaultState();
    s.dealerOption = c.option;
    startList(c.seats, s);
    EXPECT_EQ(cg.gs.dealer, c.dealer) << c.seats << " seats, option " << c.option;
    ASSERT_TRUE(runToDecision());
    for (int seat = 1; seat <= c.seats; seat++) EXPECT_EQ(stackUsed(sp[seat]), 5) << "seat " << seat;
  }
}

TEST(MaumauDeal, BothDealStylesGiveEverySeatItsCards) {
  for (int32_t style : {1, 2})
    for (int seats : {2, 6}) {
      TMaumauState s = maumauDefaultState();
      s.startCards = 7;
      s.deckCopies = 2;
      startList(seats, s, nullptr, style);
      ASSERT_TRUE(runToDecision());
      for (int seat = 1; seat <= seats; seat++) EXPECT_EQ(stackUsed(sp[seat]), 7) << style << "/" << seat;
      EXPECT_EQ(cardsOnTable(), 84);
    }
}

// The card turned up acts as if the dealer had played it.
TEST(MaumauDeal, CardTurnedUpActsOnTheFirstTurn) {
  struct { const char* up; int seatFromDealer; int kind; int direction; } cases[] = {
      {"h8", 0, 33, 1},  // the dealer wishes
      {"h9", -1, 37, 2}, // reverse: the seat before the dealer begins
      {"h7", 1, 31, 1},  // draw-two hits the first player
      {"hA", 1, 32, 1},  // skip too
      {"hQ", 0, 37, 1},  // play-again: the dealer has a normal first turn
      {"hK", 1, 37, 1},
  };
  for (auto c : cases) {
    TMaumauState s = maumauDefaultState();
    s.dealerOption = 3;  // seat 2 deals
    s.roleRank[maumauPlayAgain] = rankQueen;
    startList(4, s, c.up);
    ASSERT_TRUE(runToDecision());
    EXPECT_TRUE(cardsEqual(maumauTopCard(), card(c.up))) << c.up;
    EXPECT_EQ(cg.gs.akspieler, 2 + c.seatFromDealer) << c.up;
    EXPECT_EQ(cg.gs.bl.decisionKind, c.kind) << c.up;
    EXPECT_EQ(maumauArea().turnDirection, c.direction) << c.up;
  }
}

TEST(MaumauResult, BothScoringsAndTheBlockedGame) {
  struct {
    bool positive;
    int passes;
    std::vector<int> values;
    int mainSeat;
  } cases[] = {
      {true, 0, {50 + 9 + 17, 0, 0}, 1},
      {false, 0, {0, -59, -17}, 1},
      {true, 3, {0, 0, 0}, 0},
  };
  for (auto c : cases) {
    TMaumauState s = maumauDefaultState();
    s.positiveScoring = c.positive;
    layPosition({"", "c8 h9", "d7 d10"}, "h9", "", 1, s);
    cg.gs.subStep = c.passes;
    TGameResult r = maumauBuildResult();
    EXPECT_EQ(r.mainSeat, c.mainSeat);
    for (int seat = 1; seat <= 3; seat++) EXPECT_EQ(r.values[seat], c.values[seat - 1]) << "seat " << seat;
  }
}

TEST(MaumauResult, TextListsOnlyWinnersUnderPositiveScoring) {
  for (bool positive : {true, false}) {
    TMaumauState s = maumauDefaultState();
    s.positiveScoring = positive;
    layPosition({"", "c8", "d7"}, "h9", "", 1, s);
    for (int i = 1; i <= 3; i++) cg.seatNames[i] = "P" + std::to_string(i);
    std::string t = maumauResultText(maumauBuildResult());
    EXPECT_EQ(t.find("P2:") != std::string::npos, !positive) << t;
    EXPECT_EQ(t.find("P1:") != std::string::npos, true) << t;
  }
  layPosition({"c9", "c8"}, "h9", "", 1, maumauDefaultState());
  cg.gs.subStep = 2;
  EXPECT_EQ(maumauResultText(maumauBuildResult()), coreLookupText("f_crazyeights_nowingame"));
}

TEST(MaumauList, EndsByRoundsOrPoints) {
  struct {
    int32_t roundLimit, pointsLimit;
    bool positive;
    int played;
    int32_t total;
    bool over;
  } cases[] = {
      {3, 0, true, 2, 500, false},       {3, 0, true, 3, 0, true},
      {99999, 200, true, 9, 199, false}, {99999, 200, true, 9, 200, true},
      {99999, 200, false, 9, -200, true}, {99999, 200, false, 9, 200, false},
      {99999, 0, true, 500, 9000, false}, {99999, 99999, true, 500, 9000, false},
  };
  for (auto c : cases) {
    TMaumauState s = maumauDefaultState();
    s.roundLimit = c.roundLimit;
    s.pointsLimit = c.pointsLimit;
    s.positiveScoring = c.positive;
    resetHeadlessMaumau(3, s);
    cg.gs.gamesPlayed = c.played;
    cg.gs.listTotals[2] = c.total;
    EXPECT_EQ(maumauIsListOver(), c.over) << c.roundLimit << "/" << c.pointsLimit << "/" << c.total;
  }
}

TEST(MaumauList, TextNamesTheLimitInForce) {
  TMaumauState s = maumauDefaultState();
  resetHeadlessMaumau(3, s);
  cg.gs.gamesPlayed = 1;
  EXPECT_EQ(maumauListText(), "1" + coreLookupText("f_dialog_spielgespielt"));
  cg.gs.gamesPlayed = 4;
  EXPECT_EQ(maumauListText(), "4" + coreLookupText("f_dialog_spielegespielt"));
  maumauArea().roundLimit = 10;
  EXPECT_EQ(maumauListText(), coreLookupText("f_dialog_spiellisterunden1", "4", "10"));
  maumauArea().roundLimit = 99999;
  maumauArea().pointsLimit = 300;
  cg.gs.listTotals[3] = 120;
  EXPECT_EQ(maumauListText(), coreLookupText("f_dialog_spiellistepunkte", "120", "300"));
}

TEST(MaumauHighscore, TableByGamesPlayedAndOnlyAboveZero) {
  struct { int played; int32_t score; int table; bool entered; } cases[] = {
      {10, 5000, 1, true}, {11, 5000, 2, true}, {5, 0, 1, false}, {5, -40, 1, false},
  };
  for (auto c : cases) {
    resetHeadlessMaumau(3, maumauDefaultState());
    cg.resetHighscores(false);
    cg.seatNames[1] = "Ute";
    cg.gs.gamesPlayed = c.played;
    cg.gs.matchScore[1] = c.score;
    maumauEnterHighscore();
    EXPECT_EQ(cg.highscores[gidMauMau][c.table][1].points == c.score, c.entered) << c.played << "/" << c.score;
    if (c.entered) {
      EXPECT_EQ(cg.highscores[gidMauMau][c.table][1].points, c.score);
      EXPECT_EQ(cg.highscores[gidMauMau][c.table][1].name.str(), "Ute");
    }
  }
}

// [SECTION] self-play

// Every offered answer of the open decision: its options, its legal cards, the stock.
std::vector<std::pair<int, int32_t>> offeredAnswers() {
  std::vector<std::pair<int, int32_t>> out;
  const TDecisionBlock& b = cg.gs.bl;
  if (b.showOptions)
    for (int i = 1; i <= b.optionCount; i++) out.push_back({2, b.optionValues[i]});
  int32_t seat = cg.gs.akspieler;
  for (int i = 1; i <= stackUsed(sp[seat]); i++)
    if (maumauIsLegalCard(sp[seat].slots[i].card)) out.push_back({0, i});
  // Drawing while a card could be played is offered, but taken rarely, so games end.
  bool cardPlayable = out.size() > (b.showOptions ? size_t(b.optionCount) : 0);
  if (b.pilesSelectable && stackUsed(sp[maumauStock]) > 0 && (!cardPlayable || randomBelow(10) == 0))
    out.push_back({3, 0});
  return out;
}

struct TSelfPlayRun {
  int games = 0, stalls = 0, decisions = 0;
};

// One list of `games` games; random answers, or the computer on every seat.
void selfPlayList(int seats, const TMaumauState& s, int games, bool computer, TSelfPlayRun& run) {
  for (int g = 0; g < games; g++) {
    if (g == 0) resetHeadlessMaumau(seats, s, 1 + g % 2);
    screenMode = 1;  // the finished game left the table idle
    cg.startGame(gidMauMau, g == 0 ? 0 : 1);
    for (int seat = 1; seat <= 8; seat++) cg.seatRecords[seat].kind = computer ? seatKindComputer : seatKindUser;
    for (int seat = 1; seat <= 6; seat++) cg.gs.seatProfiles[seat].strength = 1 + seat % 3;
    int32_t deck = maumauDeckSize(maumauArea().deckCopies);
    std::array<int32_t, 7> before{};
    for (int seat = 1; seat <= seats; seat++) before[seat] = cg.gs.listTotals[seat];
    // A stall: no decision opens for many frames. Random players may also draw for a long
    // time, so a game that is merely long ends the list without counting as one.
    int idle = 0, decisionsThisGame = 0;
    while (cg.gs.phase != 5 && idle < 400 && decisionsThisGame < 3000) {
      idle++;
      if (cg.gs.awaitingAction == 2 && cg.gs.subState == 3) {
        idle = 0;
        decisionsThisGame++;
        if (!computer) {
          auto answers = offeredAnswers();
          ASSERT_FALSE(answers.empty()) << "a decision without an answer";
          auto [kind, b] = answers[randomBelow(int32_t(answers.size()))];
          run.decisions++;
          cg.submitAction(kind, 0, b);
        }
      }
      headlessFrame();
      advanceFakeTick(50);
      ASSERT_GE(maumauArea().penaltyCount, 0);
      if (pendingMoveCount == 0 && cg.gs.phase >= 4) {
        ASSERT_EQ(cardsOnTable(), deck) << "game " << g;
      }
    }
    if (decisionsThisGame >= 3000) return;
    if (cg.gs.phase != 5) {
      ADD_FAILURE() << "stall: phase " << int(cg.gs.phase) << " step " << cg.gs.step << " sub " << int(cg.gs.subState)
                    << " await " << int(cg.gs.awaitingAction) << " pending " << int(cg.gs.pendingMove) << " "
                    << cg.gs.pendingStack << "/" << cg.gs.pendingSlot << " moves " << pendingMoveCount << " seat "
                    << cg.gs.akspieler << " kind " << cg.gs.bl.decisionKind << " options " << optionValues()
                    << " bubble " << int(cg.gs.anyBubble) << " voice " << int(cg.gs.voicePlaying) << " screen " << int(screenMode) << " stock " << stackText(11) << " pile " << stackText(12) << " aside "
                    << stackText(13) << " countdown " << cg.gs.warCollectDelay << " hand " << stackText(cg.gs.akspieler)
                    << " top " << cardText(maumauTopCard()) << " wished " << maumauArea().wishedSuit << " cards " << cardsOnTable();
      run.stalls++;
      return;
    }
    run.games++;
    TGameResult r = maumauBuildResult();
    for (int seat = 1; seat <= seats; seat++)
      ASSERT_EQ(cg.gs.listTotals[seat] - before[seat], r.values[seat]) << "booked values";
    if (cg.gs.listOver) return;
  }
}

int selfPlayScale() {
  const char* v = std::getenv("MAUMAU_SELFPLAY_SCALE");
  return v ? std::max(1, std::atoi(v)) : 1;
}

TEST(MaumauSelfPlay, RandomOfferedAnswersOnEverySeat) {
  TSelfPlayRun run;
  int lists = 0;
  for (int rep = 0; rep < 100 * selfPlayScale(); rep++)
    for (int seats = 2; seats <= 6; seats++) {
      randomSeed(1000 + 10 * rep + seats);
      TMaumauState s = maumauDefaultState();
      bool on = (rep + seats) % 2 == 0;
      s.deckCopies = 1 + rep % 2;
      s.startCards = 3 + (rep + seats) % 5;
      s.stackDrawTwo = s.stackSkip = s.wishOnWish = s.announceRule = on;
      s.reshuffle = rep % 3 != 2;
      s.positiveScoring = rep % 2 == 0;
      s.roleRank[maumauPlayAgain] = on ? rankQueen : -1;
      s.roundLimit = 10;
      selfPlayList(seats, s, 10, false, run);
      lists++;
    }
  EXPECT_EQ(run.stalls, 0);
  EXPECT_GE(run.games, lists * 9);
}

TEST(MaumauSelfPlay, ComputerOnEverySeat) {
  TSelfPlayRun run;
  for (int seats = 2; seats <= 6; seats++) {
    randomSeed(77 + seats);
    TMaumauState s = maumauDefaultState();
    s.announceRule = s.stackDrawTwo = seats % 2 == 0;
    s.deckCopies = seats >= 5 ? 2 : 1;
    s.roundLimit = 60;
    selfPlayList(seats, s, 60, true, run);
  }
  EXPECT_EQ(run.stalls, 0);
  EXPECT_EQ(run.games, 5 * 60);
}

}  // namespace
