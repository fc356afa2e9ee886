// The card table's trick questions answered by Jass's and Hearts's tables of calls (the
// position of the next trick card, Hearts's deals that pass across) and Jass's mode picture.
#include <gtest/gtest.h>

#include "games/family/jass_rules.h"
#include "games/family/jass_state.h"
#include "table/table_game_hooks.h"
#include "tests/family/hearts_fixture.h"
#include "tests/family/jass_fixture.h"

using TrickTableHooks = HeartsTable;

TEST_F(TrickTableHooks, NextTrickPositionComesFromTheCurrentGamesArea) {
  jassArea().trickPosition = 3;
  heartsArea().trickPosition = 2;
  struct { TGameId game; int32_t position; } cases[] = {{gidJass, 3}, {gidHearts, 2}, {gidSkat, 0}};
  for (auto c : cases) {
    cg.gameId = c.game;
    EXPECT_EQ(gameTrickPosition(), c.position) << int(c.game);
  }
}

TEST_F(TrickTableHooks, OnlyEveryFourthHeartsDealFromTheThirdPassesAcross) {
  for (int32_t played = 0; played < 8; played++) {
    cg.gs.gamesPlayed = played;
    EXPECT_EQ(gamePassesAcross(), played % 4 == 2) << played;
  }
  cg.gameId = gidJass;
  cg.gs.gamesPlayed = 2;
  EXPECT_FALSE(gamePassesAcross());
}

// Jass's overlay answers: the suit icon for a trump suit, the mode picture for the others.
using JassOverlay = JassTable;

TEST_F(JassOverlay, ModesWithoutTrumpShowTheirPictureOnTheFirstIcon) {
  struct { int32_t mode, icon, picture; } cases[] = {
      {2, 2, 0}, {jassObenabe, jassObenabe, 1}, {jassUndenufe, jassUndenufe, 2},
      {jassSlalomObenabe, jassSlalomObenabe, 3}, {jassSlalomUndenufe, jassSlalomUndenufe, 4}};
  cg.gs.phase = jassPhaseTricks;
  for (auto c : cases) {
    setMode(c.mode);
    jassUpdateButtons();
    EXPECT_EQ(jassModeIcon(), c.icon) << c.mode;
    EXPECT_EQ(jassModePicture(), c.picture) << c.mode;
  }
  cg.gs.phase = jassPhaseMode;
  jassUpdateButtons();
  EXPECT_EQ(jassModePicture(), 0) << "no mode chosen yet";
}
