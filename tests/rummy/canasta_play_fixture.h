// Canasta played headless through the core's tick: a fresh core and table in a program folder
// of its own, a list started with chosen options, a random player that answers every seat
// through submitAction, and the checks that every card lies in one place and that k12 and
// stack 12's slots describe the same melds.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "core/cg.h"
#include "core/seat_record.h"
#include "engine/error_log.h"
#include "engine/texts.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/canasta_scoring.h"
#include "games/rummy/canasta_step.h"
#include "games/rummy/meld_table.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "table/animation.h"
#include "table/stack_sync.h"
#include "tests/support/cards.h"
#include "tests/support/headless_skat.h"

class CanastaPlayFixture : public ::testing::Test {
 public:
  void SetUp() override {
    savedFolder = programFolder();
    char pattern[] = "/tmp/canasta_test_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    std::filesystem::create_directories(folder + "/data/settings");
    std::filesystem::create_directories(folder + "/save");
    setProgramFolder(SKAT_SOURCE_DIR);
    resetTextTables();
    loadFragments();
    setProgramFolder(folder);
    setErrorLogFile(folder + "/errors.txt");
    resetTable(4);
  }
  void TearDown() override {
    resetTable(4);
    k12 = Tk12Container{};
    resetErrorLog();
    resetTextTables();
    setProgramFolder(savedFolder);
    std::filesystem::remove_all(folder);
  }

  static void resetTable(int32_t seats) {
    resetHeadlessSkat(1, skatDefaultOptions);
    tableLandsAtOnce = true;
    playerCount = cg.seatCount = seats;
    k12 = Tk12Container{};
  }

  // The published values; the caller changes what it tests.
  static TCanastaOptions publishedOptions() {
    TCanastaOptions o{};
    o.firstDealer = 1;
    o.nextDealer = 5;
    o.listLength = 2;
    o.packs = 2;
    o.goingOutBonus = 100;
    o.concealedBonus = 200;
    o.mixedCanastaBonus = 300;
    o.naturalCanastaBonus = 500;
    o.wildCanastaBonus = 1000;
    o.redThreeBonus = 100;
    o.fourRedThreesBonus = 800;
    o.jokerValue = 50;
    o.drawCount = 1;
    return o;
  }

  // Every seat is answered by the test.
  static void startGame(bool newList) {
    screenMode = 1;
    cg.startGame(gidCanasta, newList ? 0 : 1);
    for (int s = 1; s <= 8; s++) cg.seatRecords[s].kind = seatKindUser;
  }

  static int32_t deckSize() { return 54 * canastaArea().options.packs; }

  // Every card of the deck lies in exactly one of the seats, the stock, the pile and the meld
  // table: each rank and suit as often as the packs hold it.
  static std::string misplacedCards() {
    std::map<std::pair<int, int>, int> seen;
    int total = 0;
    for (int32_t s : {1, 2, 3, 4, 5, 6, 11, 12, 13}) {
      if (s <= 6 && s > playerCount) continue;
      for (int i = 1; i <= stackUsed(sp[s]); i++) {
        const TCard& c = sp[s].slots[i].card;
        seen[{c.t, c.f}]++;
        total++;
      }
    }
    const int packs = canastaArea().options.packs;
    std::string out;
    for (const auto& [card, n] : seen) {
      const bool real = card.first >= 1 && card.first <= 14 && card.second >= 1 && card.second <= 4 &&
                        !(card.first == 14 && card.second >= 3);
      if (!real || n != packs) out += cardText(makeCard(card.first, card.second)) + " x" + std::to_string(n) + " ";
    }
    if (total != deckSize()) out += "total " + std::to_string(total);
    return out;
  }

  // The melds of k12 name exactly stack 12's cards, each slot at the place its meld gives it.
  static std::string meldTableMismatch() {
    int32_t cards = 0;
    for (int32_t n = 1; n <= 60; n++) {
      if (!k12.inUse(n)) continue;
      if (k12.melds[n].anz == 0) return "empty meld " + std::to_string(n);
      for (int32_t p = 1; p <= k12.melds[n].anz; p++) {
        const int32_t s = k12.melds[n].k[p].hi;
        if (s < 1 || s > sp[12].count) return "meld " + std::to_string(n) + " names slot " + std::to_string(s);
        if (sp[12].slots[s].meldNo != n || sp[12].slots[s].meldPos != p)
          return "slot " + std::to_string(s) + " is not at " + std::to_string(n) + "," + std::to_string(p);
        cards++;
      }
    }
    return cards == sp[12].count ? "" : "stack 12 holds cards outside the melds";
  }

  std::string folder;
  std::string savedFolder;
};
