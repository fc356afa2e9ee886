// Skat lists played headless with random legal answers for all three seats: every branch of
// the game (Hand, pressing, Rum, Kontra up to Hirsch, Schieben and Ramsch, Bock, Null, Grand,
// overbid and "Kein Spiel") runs with no alert, every card is played once, the list books
// the settlement's values, and refused answers leave the decision open.
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/game_list.h"
#include "games/skat/skat_settlement.h"
#include "games/skat/skat_state.h"
#include "platform/random.h"
#include "table/stack_sync.h"
#include "tests/skat/skat_play_fixture.h"
#include "tests/support/cards.h"

namespace {

double rnd() { return randomReal(); }

// 2,000 games unless SKAT_PLAY_GAMES asks for another number (a longer run by hand).
int gamesToPlay() {
  const char* n = std::getenv("SKAT_PLAY_GAMES");
  return n && std::atoi(n) > 0 ? std::atoi(n) : 2000;
}

// [SECTION] random answers

// Slots of the seat's cards that skatIsLegalCard admits.
std::vector<int> legalSlots(int seat) {
  syncHandFromSlots(sp[seat]);
  std::vector<int> out;
  for (int i = 1; i <= stackUsed(sp[seat]); i++)
    if (skatIsLegalCard(sp[seat].slots[i].card)) out.push_back(i);
  return out;
}

int pick(const std::vector<int>& v) { return v[size_t(randomBelow(int32_t(v.size())))]; }

std::vector<int> offeredValues() {
  std::vector<int> out;
  for (int i = 1; i <= cg.gs.bl.optionCount; i++) out.push_back(cg.gs.bl.optionValues[i]);
  return out;
}

class SkatPlayTest : public SkatPlayFixture {
 protected:
  // A random legal answer of the seat to act; now and then a refused one first.
  void answer() {
    if (rnd() < 0.02) tryRefusedAnswer();
    int seat = cg.gs.akspieler;
    int kind = cg.gs.bl.decisionKind;
    if (kind == 58) return playCard(seat);
    if (kind == 54 || kind == 53) return press(seat, kind);
    std::vector<int> values = offeredValues();
    ASSERT_FALSE(values.empty()) << "decision " << kind << " offers nothing";
    int v = pick(values);
    if (kind == 48 && v == 41 && skatArea->skatBidIndex > skatArea->skatBidCount) v = 43;
    count("decision " + std::to_string(kind) + " answer " + std::to_string(v));
    cg.submitAction(2, 0, v);
  }

  void playCard(int seat) {
    std::vector<int> legal = legalSlots(seat);
    ASSERT_FALSE(legal.empty()) << "seat " << seat << " has no legal card";
    int slot = pick(legal);
    std::string c = cardText(sp[seat].slots[slot].card);
    cg.submitAction(0, 0, slot);
    ASSERT_EQ(cg.gs.awaitingAction, 0) << "a legal card was refused: " << c;
  }

  void press(int seat, int kind) {
    int inSkat = stackUsed(sp[11]);
    bool takeBack = inSkat > 0 && rnd() < (kind == 53 ? 0.15 : 0.2);
    if (takeBack) {
      count("took a card back");
      return cg.submitAction(3, 11, inSkat);
    }
    if (kind == 53) {
      count("pressed");
      return cg.submitAction(2, 1, 53);
    }
    std::vector<int> legal = legalSlots(seat);
    ASSERT_FALSE(legal.empty());
    cg.submitAction(0, 0, pick(legal));
  }

  // An answer the open decision does not take: it is refused and the decision stays open.
  void tryRefusedAnswer() {
    int kind = cg.gs.bl.decisionKind;
    int seat = cg.gs.akspieler;
    if (kind == 58) {
      syncHandFromSlots(sp[seat]);
      for (int i = 1; i <= stackUsed(sp[seat]); i++)
        if (!skatIsLegalCard(sp[seat].slots[i].card)) {
          cg.submitAction(0, 0, i);
          count("refused card");
          break;
        }
    } else if (cg.gs.bl.showOptions) {
      cg.submitAction(2, 0, 999);
      count("refused answer");
    }
    EXPECT_EQ(cg.gs.awaitingAction, 2) << "decision " << kind << " did not stay open";
  }

  void count(const std::string& what) { seen[what]++; }

  // [SECTION] options of each list

  void chooseOptions() {
    TSkatOptions& o = skatGameArea().options;
    o = skatDefaultOptions;
    o.listLength = rnd() < 0.5 ? 3 : 12;
    o.firstDealer = randomBelow(4);
    o.scoring = 1 + randomBelow(4);
    o.rum = rnd() < 0.4;
    o.spitze = rnd() < 0.5;
    o.grand20 = rnd() < 0.3;
    o.kontra = rnd() < 0.7;
    o.kontraLevels = {{0, 0, 0}};
    o.kontraLevels[1 + randomBelow(3)] = 1;
    o.kontraAfterAnnouncement = rnd() < 0.5;
    o.bockRamsch = rnd() < 0.7;
    o.bockRounds = 1 + randomBelow(5);
    o.ramschRounds = 1 + randomBelow(5);
    for (uint8_t TSkatOptions::*sw :
         {&TSkatOptions::bockAllPassed, &TSkatOptions::bockKontraLost, &TSkatOptions::bockGrandHandWon,
          &TSkatOptions::bockGrandHandLost, &TSkatOptions::bockSixtyAll, &TSkatOptions::bockOver100,
          &TSkatOptions::bockSchneider, &TSkatOptions::bockListEnd, &TSkatOptions::ramschIfNoBid,
          &TSkatOptions::jacksMayBePushed, &TSkatOptions::jungfrau, &TSkatOptions::grandHand,
          &TSkatOptions::durchmarsch, &TSkatOptions::skatToLoser})
      o.*sw = rnd() < 0.5;
    setHeadlessDisplay(rnd() < 0.5 ? 1 : 2);
  }

  // [SECTION] checks after each game

  // The 32 cards lie once each on the table's stacks (the seats' spare copies and pile 14 aside).
  void expectEveryCardOnce(const std::string& when) {
    std::map<std::string, int> where;
    for (int s = 1; s <= stackCount; s++) {
      if ((s >= 4 && s <= 6) || s == 14) continue;  // the seats' spare copies; the last card shown
      for (int i = 1; i <= stackUsed(sp[s]); i++) where[cardText(sp[s].slots[i].card)]++;
    }
    ASSERT_EQ(where.size(), 32u) << when << "\n" << stacksText();
    for (auto& [c, n] : where) ASSERT_EQ(n, 1) << when << ": " << c << "\n" << stacksText();
  }

  static std::string stacksText() {
    std::string out;
    for (int s = 1; s <= stackCount; s++) {
      if (stackUsed(sp[s]) == 0) continue;
      out += "stack " + std::to_string(s) + ":";
      for (int i = 1; i <= stackUsed(sp[s]); i++) out += " " + cardText(sp[s].slots[i].card);
      out += "\n";
    }
    return out;
  }

  // The cards that reached a trick, each once; the game's list of played cards holds them.
  void expectPlayedOnce() {
    int total = 0;
    for (auto& [c, n] : played) {
      EXPECT_EQ(n, 1) << "card " << c << " played " << n << " times";
      total += n;
    }
    EXPECT_EQ(total, handUsed(playedCards) + handUsed(trickCards));
    for (int i = 1; i <= handUsed(playedCards); i++)
      EXPECT_EQ(played.count(cardText(playedCards.k[i])), 1u) << cardText(playedCards.k[i]);
  }

  // Every card that arrives on the trick pile is counted as played.
  void notePlayedCards() {
    int n = handUsed(trickCards);
    if (n < seenInTrick) seenInTrick = 0;  // the trick was collected
    for (int i = seenInTrick + 1; i <= n; i++) played[cardText(trickCards.k[i])]++;
    seenInTrick = n;
  }

  // The list's new row holds what the settlement worked out.
  void expectBookedValues() {
    const TSkatGameRecord& g = skatGameArea().game;
    LArray<int32_t, 1, 6> expected{};
    if (g.gameType == skatTypeRamsch)
      expected[g.declarer] = g.gameValue;
    else if (g.gameType != skatTypeAllPassed)
      skatSeatValues(skatGameArea().options.scoring, g.declarer, g.gameValue, expected);
    int n = cg.gs.gamesPlayed;
    for (int s = 1; s <= 3; s++)
      EXPECT_EQ(gameListValue(n, s), expected[s]) << "game " << n << " seat " << s << " type " << g.gameType
                                                  << " value " << g.gameValue;
  }

  void noteBranches() {
    const TSkatGameRecord& g = skatGameArea().game;
    if (g.handGame) count("Hand");
    if (g.rumGame) count("Rum");
    if (g.spitzeAnnounced) count("Spitze");
    if (g.kontraLevel == 4) count("Hirsch");
    if (g.ramschGame && g.schiebenRound) count("Schieben");
    if (g.gameType == skatTypeRamsch) count("Ramsch");
    if (g.pushCount > 0) count("pushed on");
    if (g.jungfrauLoser) count("Jungfrau broken");
    if (g.gameType == skatTypeRamsch && g.won) count("Durchmarsch");
    if (g.bockGame) count("Bock");
    if (g.gameType == skatTypeAllPassed) count("all passed");
    if (g.gameType == skatTypeNone && g.overbidGameType != 0 && g.gameValue < 0) count("overbid or no game");
    if (g.gameType == skatTypeNull) count("Null");
    if (g.gameType == skatTypeGrand) count("Grand");
    if (g.level == skatLevelSchwarz) count("Schwarz");
    if (nullTrickTaken) count("ended early");
  }

  void playLists(int games, bool computersPlay = false) {
    int gamesDone = 0;
    bool newList = true;
    while (gamesDone < games) {
      if (newList) chooseOptions();
      screenMode = 1;
      cg.startGame(gidSkat, newList ? 0 : 1);
      if (!computersPlay) allSeatsAnsweredByTheTest();
      played.clear();
      seenInTrick = 0;
      ASSERT_TRUE(playGame(
          [this, computersPlay, gamesDone] {
            // At every decision the cards lie where they belong, none twice.
            if (pendingMoveCount == 0) expectEveryCardOnce("a decision of game " + std::to_string(gamesDone));
            if (!computersPlay || cg.gs.akspieler == 1) answer();
          },
          [this] { notePlayedCards(); })) << "game " << gamesDone << " stalled in phase " << int(cg.gs.phase)
                                                  << " step " << cg.gs.step << " awaiting (" << int(cg.gs.pendingMove)
                                                  << ", " << cg.gs.pendingStack << ", " << cg.gs.pendingSlot
                                                  << ") moves " << pendingMoveCount << " action "
                                                  << int(cg.gs.awaitingAction) << "\n"
                                                  << stacksText() << traceLog();
      if (HasFatalFailure()) return;
      expectEveryCardOnce("game " + std::to_string(gamesDone));
      expectPlayedOnce();
      expectBookedValues();
      noteBranches();
      gamesDone++;
      newList = cg.gs.listOver != 0;
      if (newList) {
        count("list over");
        cg.enterHighscore();
      }
    }
  }

  std::map<std::string, int> played;
  std::map<std::string, int> seen;
  int seenInTrick = 0;
};

TEST_F(SkatPlayTest, ComputerSeatsAgainstRandomAnswers) {
  randomSeed(4711);
  playLists(300, true);
  EXPECT_GT(seen["list over"], 0);
}

TEST_F(SkatPlayTest, RandomAnswersThroughEveryBranch) {
  randomSeed(2024);
  playLists(gamesToPlay());
  const char* branches[] = {"Hand", "Rum", "Spitze", "Hirsch", "Schieben", "Ramsch", "pushed on", "Bock",
                            "all passed", "overbid or no game", "Null", "Grand", "pressed", "took a card back",
                            "refused card", "refused answer", "list over", "Jungfrau broken", "Schwarz"};
  for (const char* b : branches) EXPECT_GT(seen[b], 0) << "never reached: " << b;
  for (auto& [what, n] : seen) std::printf("%6d  %s\n", n, what.c_str());
}

}  // namespace
