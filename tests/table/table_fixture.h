// Fixture of the card-table tests: empty stacks and move lists, a blank cg, the normal
// view, an injected frame rate and helpers that run the animation frame by frame.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/cg.h"
#include "engine/frame_rate.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"
#include "table/animation.h"
#include "table/move_queue.h"
#include "table/stacks.h"
#include "table/table_globals.h"
#include "tests/support/cards.h"

struct TSoundHeard {
  int32_t code, stack, index;
};

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetTable();
    setSoundEventListener([this](int32_t c, int32_t s, int32_t i) { sounds.push_back({c, s, i}); });
  }
  void TearDown() override {
    setSoundEventListener({});
    resetTable();
  }

  static void resetTable() {
    static const TCG* blank = new TCG();
    cg = *blank;
    std::memset(static_cast<void*>(&sp), 0, sizeof sp);
    std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
    for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
    std::memset(static_cast<void*>(&pendingMoves), 0, sizeof pendingMoves);
    pendingMoveCount = 0;
    finishedMoves.count = 0;
    lastMove = TLastMove{};
    playerCount = 0;
    pileCount = 6;
    envParam = TEnvParam{};
    envParam.animSpeed = 10;
    inputState = hoveredCard = 0;
    pickedPile = pickedPileIndex = prevPickedPile = prevPickedPileIndex = prevHoveredCard = 0;
    drawPass = 0;
    wobblePhase = 0;
    vtlInfo.fps = 60;
  }

  static void setGame(TGameId id, int seats) {
    cg.gameId = id;
    playerCount = seats;
  }

  // Puts cards into slots 1..n of a stack ("cJ sA h10").
  static void fill(int stack, const std::string& cards) {
    THand h = handOf(cards);
    TSpieler& s = sp[stack];
    s.count = h.anz;
    for (int i = 1; i <= h.anz; i++) {
      s.slots[i].card = h.k[i];
      s.slots[i].card.hi = 0;
    }
  }
  static std::string stackText(int stack) {
    THand h{};
    for (int i = 1; i <= sp[stack].count; i++) handaddk(h, sp[stack].slots[i].card);
    for (int i = 1; i <= h.anz; i++) h.k[i].hi = 0;
    return handText(h);
  }

  // Runs frames until no move is pending; the number of frames it took (-1 past `limit`).
  static int runUntilIdle(int limit = 2000) {
    for (int frame = 1; frame <= limit; frame++) {
      animationStep();
      if (pendingMoveCount == 0) return frame;
    }
    return -1;
  }

  std::vector<TSoundHeard> sounds;
};
