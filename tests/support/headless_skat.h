// Skat played without a screen, shared by the Skat tests and the self-play bench: a table and
// core reset to a fresh game state, and one frame as the main window runs it.
#pragma once

#include <cstdint>
#include <cstring>

#include "core/cg.h"
#include "engine/frame_rate.h"
#include "games/skat/skat_options.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "table/animation.h"
#include "table/move_queue.h"
#include "table/stacks.h"

// Empties the core, the stacks and the move lists; cards move ten times a normal frame's
// progress (fps 1) so that they land in few frames.
inline void resetHeadlessSkat(int32_t dealMode, const TSkatOptions& options) {
  static const TCG* blank = new TCG();
  cg = *blank;
  std::memset(static_cast<void*>(&sp), 0, sizeof sp);
  std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
  for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
  pendingMoveCount = 0;
  finishedMoves.count = 0;
  envParam = TEnvParam{};
  envParam.animSpeed = 10;
  envParam.dealMode = dealMode;
  vtlInfo.fps = 1;
  screenMode = 1;
  cg.gs.skat = TSkatArea{};
  cg.gs.skat.options = options;
}

// One frame as the main window runs it: the finished moves go to the core once nothing
// moves, the game ticks, the table animates.
inline void headlessFrame() {
  while (finishedMoves.count > 0 && pendingMoveCount <= 0) {
    const TFinishedMove m = finishedMoves.moves[finishedMoves.count];
    finishedMoves.count--;
    cg.cardDone(m.srcStack, m.dstStack, m.srcIndex, m.dstIndex);
  }
  cg.gameTick();
  animationStep();
}
