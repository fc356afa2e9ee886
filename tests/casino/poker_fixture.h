// The surroundings of the headless poker tests: poker as the current game, its card
// values, and the text tables of the repository for the hand names.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/card_names.h"
#include "core/cg.h"
#include "engine/texts.h"
#include "games/casino/poker_eval.h"
#include "platform/paths.h"
#include "tests/support/cards.h"

class PokerEvalFixture : public ::testing::Test {
 public:
  static void SetUpTestSuite() {
    std::string saved = programFolder();
    setProgramFolder(CASINO_SOURCE_DIR);
    resetTextTables();
    loadFragments();
    fillCardNameTables();
    setProgramFolder(saved);
  }
  static void TearDownTestSuite() { resetTextTables(); }
  void SetUp() override {
    cg.gameId = gidPoker;
    pokerInitCardTable();
  }
};

// Poker values of the ranks.
enum : int32_t { v2 = 9, v3, v4, v5, v6, v7, v8, v9, v10, vJ, vQ, vK, vA };
