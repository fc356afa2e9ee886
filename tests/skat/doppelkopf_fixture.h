// A Doppelkopf test's surroundings: a program folder of its own (trace log, highscores), the
// core playing Doppelkopf with four named seats, a fresh Doppelkopf area with the default
// options and the normal game's trump order, empty stacks and trick lists; and the helpers
// that lay out hands, won piles and tricks. The texts come from the repository.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/card_names.h"
#include "core/cg.h"
#include "engine/texts.h"
#include "games/skat/doppelkopf_rules.h"
#include "games/skat/doppelkopf_state.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_state.h"
#include "platform/paths.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "tests/support/cards.h"

class DoppelkopfFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    savedFolder = programFolder();
    savedGame = cg.gameId;
    savedArea = doppelkopfArea;
    savedStyle = envParam.cardStyle;
    char pattern[] = "/tmp/doppelkopf_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    std::filesystem::create_directories(folder + "/data/settings");
    setProgramFolder(SKAT_SOURCE_DIR);  // the texts of the repository's data folder
    resetTextTables();
    loadFragments();
    setProgramFolder(folder);
    seatFourPlayers();
    freshGame();
  }
  void TearDown() override {
    clearTable();
    cg.gameId = savedGame;
    doppelkopfAttachArea(*savedArea);
    envParam.cardStyle = savedStyle;
    resetTextTables();
    setProgramFolder(savedFolder);
    std::filesystem::remove_all(folder);
  }

  // The core plays Doppelkopf with four named seats.
  static void seatFourPlayers() {
    cg.gameId = gidDoppelkopf;
    playerCount = 4;
    cg.seatCount = 4;
    const char* names[] = {"Anna", "Bert", "Carl", "Dora"};
    for (int s = 1; s <= 4; s++) cg.seatNames[s] = names[s - 1];
  }

  // A fresh area with the default options, the normal game's order, an empty table and
  // list; the French deck's names.
  void freshGame() {
    envParam.cardStyle = 1;
    const char* suits[] = {"Kreuz", "Pik", "Herz", "Karo"};
    for (int s = 1; s <= 4; s++) suitNameTable[1][s] = suits[s - 1];
    rankNameTable[1][rankJack] = "Bube";
    rankNameTable[1][rankQueen] = "Dame";
    area = TDoppelkopfArea{};
    area.options = doppelkopfDefaultOptions;
    doppelkopfAttachArea(area);
    cg.gs.phase = 4;
    cg.gs.subStep = 1;
    cg.gs.gamesPlayed = 0;
    for (int s = 1; s <= 6; s++) cg.gs.listTotals[s] = 0;
    clearTable();
    skatClearSaid();
    doppelkopfBuildTrumpOrder();
  }

  static void clearTable() {
    for (int s = 1; s <= 20; s++) {
      sp[s].count = 0;
      clearHand(sp[s].hand);
    }
    clearHand(trickBySeat);
    clearHand(trickCards);
  }

  // The game type in force, with its trump order.
  static void setType(int32_t type, int32_t soloist = 0) {
    doppelkopfArea->doppelkopfSoloType = type;
    doppelkopfArea->doppelkopfSoloist = soloist;
    doppelkopfBuildTrumpOrder();
  }

  // The stack's cards: slots and hand copy.
  static void setStack(int stack, const THand& cards) {
    TSpieler& s = sp[stack];
    for (int i = 1; i <= cards.anz; i++) s.slots[i].card = cards.k[i];
    s.count = cards.anz;
    syncHandFromSlots(s);
  }
  static void setHand(int seat, const std::string& cards) { setStack(seat, handOf(cards)); }
  static void setWonPile(int seat, const THand& cards) { setStack(6 + seat, cards); }

  // A trick of four cards in playing order, led by `leader`.
  static void setTrick(int leader, const std::string& cards) {
    THand played = handOf(cards);
    clearHand(trickBySeat);
    trickBySeat.anz = 4;
    for (int i = 1; i <= 4; i++) trickBySeat.k[i] = noCard();
    trickCards = played;
    for (int i = 1; i <= played.anz; i++) trickBySeat.k[doppelkopfSeatAfter(leader, i - 1)] = played.k[i];
  }

  std::string traceLog() const {
    std::ifstream in(folder + "/proto3.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  TDoppelkopfArea area{};
  std::string folder;

 private:
  std::string savedFolder;
  TGameId savedGame = gidNone;
  TDoppelkopfArea* savedArea = nullptr;
  int32_t savedStyle = 1;
};
