// A Skat test's surroundings: the texts of the data folder, seat names, the core playing
// Skat, the Skat area of the game state with the standard options, and everything put back
// afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/card_names.h"
#include "core/cg.h"
#include "engine/texts.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "platform/paths.h"
#include "shell/shell_globals.h"

#ifndef SKAT_SOURCE_DIR
#error "SKAT_SOURCE_DIR names the repository for these tests"
#endif

// A test may call SetUp again to start a case afresh; what TearDown puts back is taken once.
class SkatFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!savedArea) {
      savedFolder = programFolder();
      savedGame = cg.gameId;
      savedArea = skatArea;
    }
    setProgramFolder(SKAT_SOURCE_DIR);
    resetTextTables();
    loadFragments();
    cg.gameId = gidSkat;
    playerCount = 3;
    cg.seatCount = 3;
    cg.seatNames[1] = "Anna";
    cg.seatNames[2] = "Bert";
    cg.seatNames[3] = "Carl";
    suitNameTable[1][1] = "Kreuz";
    suitNameTable[1][2] = "Pik";
    suitNameTable[1][3] = "Herz";
    suitNameTable[1][4] = "Karo";
    suitNameTable[1][10] = "Null";
    suitNameTable[1][11] = "Grand";
    suitNameTable[1][12] = "Ramsch";
    area = TSkatArea{};
    area.options = skatDefaultOptions;
    skatAttachArea(area);
    skatInitTables();
    clearLists();
    pendingSpecialGames = "";
  }
  void TearDown() override {
    clearLists();
    pendingSpecialGames = "";
    cg.gameId = savedGame;
    skatAttachArea(*savedArea);
    resetTextTables();
    setProgramFolder(savedFolder);
  }
  static void clearLists() {
    for (THand* h : {&trickBySeat, &trickCards, &lastTrick, &playedCards, &declarerTricks, &defenderTricks,
                     &pressedSkat, &dealtSkat})
      clearHand(*h);
    for (int s = 1; s <= 3; s++) {
      clearHand(wonCards[s]);
      clearHand(dealtHands[s]);
    }
    nullTrickTaken = 0;
  }
  static TSkatOptions& options() { return skatArea->options; }

  std::string savedFolder;
  TGameId savedGame = gidNone;
  TSkatArea area{};
  TSkatArea* savedArea = nullptr;
};
