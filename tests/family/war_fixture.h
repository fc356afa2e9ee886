// Family games played headless for the tests (War's own part below): a fresh core and table, the texts of the repository,
// a program folder of its own for highscores and saved games, positions built card by card,
// and the check that every card of the deck lies in exactly one stack.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "core/cg.h"
#include "engine/error_log.h"
#include "engine/texts.h"
#include "games/family/war_game.h"
#include "games/family/war_rules.h"
#include "platform/paths.h"
#include "table/animation.h"
#include "table/stack_sync.h"
#include "tests/support/cards.h"
#include "tests/support/headless_skat.h"

// The surroundings every headless family-game test needs.
class FamilyTableFixture : public ::testing::Test {
 public:
  void SetUp() override {
    savedFolder = programFolder();
    char pattern[] = "/tmp/family_test_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    std::filesystem::create_directories(folder + "/data/settings");
    std::filesystem::create_directories(folder + "/save");
    setProgramFolder(FAMILY_SOURCE_DIR);
    resetTextTables();
    loadFragments();
    setProgramFolder(folder);
    setErrorLogFile(folder + "/errors.txt");
    resetTable();
  }
  void TearDown() override {
    resetTable();
    resetErrorLog();
    resetTextTables();
    setProgramFolder(savedFolder);
    std::filesystem::remove_all(folder);
  }

  static void resetTable(int32_t seats = 2) {
    resetHeadlessSkat(1, skatDefaultOptions);
    tableLandsAtOnce = true;
    playerCount = seats;
    cg.seatCount = seats;
  }

  // The cards of a stack, bottom first, written into its slots and hand copy.
  static void put(int32_t stack, const std::string& cards) {
    THand h = handOf(cards);
    TSpieler& s = sp[stack];
    s.count = handUsed(h);
    for (int i = 1; i <= handUsed(h); i++) s.slots[i].card = h.k[i];
    syncHandFromSlots(s);
  }
  static std::string cardsOf(int32_t stack) {
    syncHandFromSlots(sp[stack]);
    return handText(sp[stack].hand);
  }

  // Frames until the condition holds (checked before each frame); false after the limit.
  template <class Done>
  static bool runUntil(Done done, int limit = 5000) {
    for (int f = 0; f < limit; f++) {
      if (done()) return true;
      headlessFrame();
    }
    return done();
  }

  // Every card lies in exactly one of the stacks; the count of cards in them is the deck's.
  static std::string misplacedCards(std::initializer_list<int32_t> stacks, int32_t deckSize) {
    std::map<std::pair<int, int>, int> seen;
    int total = 0;
    for (int32_t s : stacks)
      for (int i = 1; i <= stackUsed(sp[s]); i++) {
        const TCard& c = sp[s].slots[i].card;
        if (c.t == 0) continue;
        seen[{c.t, c.f}]++;
        total++;
      }
    std::string out;
    for (const auto& [card, n] : seen)
      if (n != 1) out += cardText(makeCard(card.first, card.second)) + " x" + std::to_string(n) + " ";
    if (total != deckSize) out += "total " + std::to_string(total);
    return out;
  }

  std::string folder;
  std::string savedFolder;
};

class WarFixture : public FamilyTableFixture {
 public:

  // A new list with these options; both seats played by the computer.
  static void newList(int32_t gameLimit, int32_t pointsLimit, bool jokers, int32_t warsToWin) {
    TWarArea& a = warArea();
    a.gameLimit = gameLimit;
    a.pointsLimit = pointsLimit;
    a.jokerWars = jokers ? 1 : 0;
    a.warsToWin = warsToWin;
    startGame(true);
  }
  static void startGame(bool list) {
    screenMode = 1;
    playerCount = 2;
    cg.startGame(gidWar, list ? 0 : 1);
    for (int s = 1; s <= 2; s++) cg.seatRecords[s].kind = seatKindComputer;
  }

  // A position in the play: game id, phase 4, rank values, the given stacks and turn state.
  static void position(const std::string& hand1, const std::string& hand2, const std::string& pot1,
                       const std::string& pot2, int32_t turnState, int32_t seat, int32_t step = 0) {
    cg.gameId = gidWar;
    warRankValueTable();
    warArea().warSeatOrder = 1;
    std::fill(warArea().warsWon.begin(), warArea().warsWon.end(), 0);
    for (auto& row : warArea().potFaceUp) std::fill(row.begin(), row.end(), uint8_t(1));
    for (int s = 1; s <= stackCount; s++) put(s, "");
    put(1, hand1);
    put(2, hand2);
    put(15, pot1);
    put(16, pot2);
    for (int s = 1; s <= 2; s++) cg.seatRecords[s].kind = seatKindComputer;
    cg.gs.phase = 4;
    cg.gs.subState = uint8_t(turnState);
    cg.gs.akspieler = seat;
    cg.gs.step = step;
    screenMode = 1;
  }

  // Every card of the deck lies in exactly one of War's stacks.
  static std::string misplacedCards(int32_t deckSize) {
    return FamilyTableFixture::misplacedCards({1, 2, 7, 8, 11, 15, 16}, deckSize);
  }
};
