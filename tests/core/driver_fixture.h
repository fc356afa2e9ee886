// Fixture of the driver tests: the game-state fixture plus the engine's dialog model with
// the main window's game dialogs built, empty stacks, neutral game areas, an empty card-AI
// registry, fixed computer delays and a fake clock.
#pragma once

#include "core/card_ai.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "engine/engine_form.h"
#include "platform/tick.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_state.h"
#include "table/move_queue.h"
#include "table/stacks.h"
#include "table/table_globals.h"
#include "tests/core/core_state_fixture.h"

class DriverTest : public CoreStateTest {
 protected:
  // Skat's values for display time "Normal", which every game start derives anew while
  // "Anzeige" has no display-time selector.
  static constexpr int32_t aiDelay = 756;
  static constexpr int32_t bubbleTime = 1710;

  void SetUp() override {
    CoreStateTest::SetUp();
    resetEngineModel();
    clearGameDialogNumbers();
    buildGameDialogs();
    fillGameNames();
    clearStacks();
    resetGameAreaQueries();
    aiRegistry.clear();
    envParam.aiDelay = aiDelay;
    envParam.bubbleTime = bubbleTime;
    screenMode = 0;
    inputState = 0;
    pendingMoveCount = 0;
    useFakeTick(100000);
  }
  void TearDown() override {
    for (int id = 0; id <= gidNone; id++) registerGameCallbacks(TGameId(id), nullptr);
    freeCardAIs();
    resetGameAreaQueries();
    clearGameDialogNumbers();
    resetEngineModel();
    clearStacks();
    envParam = TEnvParam{};
    screenMode = 0;
    useFakeTick(1000);
    CoreStateTest::TearDown();
  }

  static void clearStacks() {
    for (auto* stacks : {&sp, &spLayout})
      for (TSpieler& s : *stacks) s = TSpieler{};
  }
};
