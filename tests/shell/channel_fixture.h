// Fixture of the event channel and frame handler tests: the driver's fixture (blank cg,
// engine model with the game dialogs, empty stacks, fake clock) plus the null window for the
// pointer, a recorder of the actions the core accepts and of the sounds played, and the
// channel's memory forgotten.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "core/game_callbacks.h"
#include "engine/engine_events.h"
#include "engine/engine_options.h"
#include "engine/frame_rate.h"
#include "engine/texts.h"
#include "engine/window_layout.h"
#include "platform/window.h"
#include "shell/channel_parts.h"
#include "shell/event_channel.h"
#include "shell/main_window.h"
#include "sound/sound_events.h"
#include "tests/core/driver_fixture.h"

struct TActionSeen {
  int kind;
  int32_t a, b;
  bool operator==(const TActionSeen&) const = default;
};

struct TSoundSeen {
  int32_t code, stack, index;
  bool operator==(const TSoundSeen&) const = default;
};

class ChannelTest : public DriverTest {
 protected:
  // A game without built-in rules, so every accepted action reaches the recorder.
  static constexpr TGameId testGame = gidDoppelkopf;

  void SetUp() override {
    DriverTest::SetUp();
    winSetBackend(WindowBackend::null);
    winNullReset();
    resetWindowLayout();
    resetChannelMemory();
    actions().clear();
    callbacks_.aiObserve = [](int kind, int32_t a, int32_t b) { actions().push_back({kind, a, b}); };
    registerGameCallbacks(testGame, &callbacks_);
    cg.gameId = testGame;
    for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
    setSoundEventListener([this](int32_t c, int32_t s, int32_t i) { sounds.push_back({c, s, i}); });
    setEngineEventHandler(Tglapp::FormMouseWheelDown);
    vtlInfo = TVTLInfo{};
    vtlInfo.fps = 60;
    textTables.fastMode = false;
    appopt.stencilTest = 1;
    finishedMoves.count = 0;
    hoveredCard = pickedPile = pickedPileIndex = prevPickedPile = prevPickedPileIndex = prevHoveredCard = 0;
  }
  void TearDown() override {
    setEngineEventHandler(nullptr);
    setSoundEventListener({});
    setEnterCallback({});
    elGameLB = elNetworkGamesJoin = elInternetTableList = elNetworkChatEdit = 0;
    dlgNetworkGames = dlgStartScreen = dlgSkatSortMenu = 0;
    resetChannelMemory();
    winNullReset();
    DriverTest::TearDown();
  }

  static std::vector<TActionSeen>& actions() {
    static std::vector<TActionSeen> seen;
    return seen;
  }
  // An event as the engine sends it.
  static void send(int32_t x, int32_t y) { Tglapp::FormMouseWheelDown(kEngineEventMark, x, y); }
  // Cards in slots 1..n of a stack, all at rest.
  static void deal(int32_t stack, int n) {
    sp[stack].count = n;
    for (int i = 1; i <= n; i++) sp[stack].slots[i].card.t = int8_t(i);
  }

  std::vector<TSoundSeen> sounds;

 private:
  TGameCallbacks callbacks_;
};
