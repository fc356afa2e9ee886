// Skat played without a screen, shared by the Skat tests and the self-play bench: a table and
// core reset to a fresh game state, and one frame as the main window runs it.
#pragma once

#include <cstdint>
#include <cstring>

#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/frame_rate.h"
#include "games/skat/skat_options.h"
#include "games/skat/skat_state.h"
#include "platform/tick.h"
#include "shell/display_settings.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "table/animation.h"
#include "table/move_queue.h"
#include "table/stacks.h"

// Every game start takes its settings from "Anzeige": a headless run shows the dealing it
// wants and the display time "Minimal" in developer mode, so computer seats never wait.
inline void setHeadlessDisplay(int32_t dealMode) {
  // The real "Anzeige" has the display time before the dealing; either order will do.
  const bool built = vtl.diags.valid(dlgDisplay) && elDisplayDealList != 0 && elDisplayTimeList != 0 &&
                     elSeatOrderList > elDisplayTimeList && elSeatOrderList > elDisplayDealList &&
                     dialogOf(dlgDisplay).count >= elSeatOrderList;
  if (!built) {
    dlgDisplay = createDialog(85, 38, 640, 530, false, "#anzeige", false, 0, 1.0f);
    elDisplayDealList = addElement(ekSelector, 161, 154, "", 160, 20, 0.0f, 1.0f);
    addItem(elDisplayDealList, "Alle auf einmal", 0);
    addItem(elDisplayDealList, "Einzeln", 0);
    elDisplayTimeList = addElement(ekSelector, 161, 116, "", 160, 20, 0.0f, 1.0f);
    for (const char* t : {"Sehr lange", "Lange", "Normal", "Kurz", "Sehr kurz", "Minimal"})
      addItem(elDisplayTimeList, t, 0);
    // The direction the game start reads; entry 0 leaves the turns clockwise.
    elSeatOrderList = addElement(ekSelector, 130, 275, "", 150, 20, 0.0f, 1.0f);
    addItem(elSeatOrderList, "Uhrzeigersinn", 0);
    addItem(elSeatOrderList, "Gegen Uhrzeigersinn", 0);
  }
  setTopIndex(dlgDisplay, elDisplayDealList, dealMode);
  setTopIndex(dlgDisplay, elDisplayTimeList, 6);
  vtl.developerMode = true;
  envParam.dealMode = dealMode;
}

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
  setHeadlessDisplay(dealMode);
  vtlInfo.fps = 1;
  screenMode = 1;
  skatGameArea() = TSkatArea{};
  skatGameArea().options = options;
}

// One frame as the main window runs it: the finished moves go to the core once nothing
// moves, the game ticks, the table animates. A frame takes a millisecond of the fake clock,
// so a speech bubble of the minimal display time ends at the next frame, as on screen.
inline void headlessFrame() {
  advanceFakeTick(1);
  while (finishedMoves.count > 0 && pendingMoveCount <= 0) {
    const TFinishedMove m = finishedMoves.moves[finishedMoves.count];
    finishedMoves.count--;
    cg.cardDone(m.srcStack, m.dstStack, m.srcIndex, m.dstIndex);
  }
  cg.gameTick();
  animationStep();
}

// Frames 50 ms apart until the game has ended or the limit is reached.
inline void playToGameEnd(int frameLimit) {
  for (int f = 0; f < frameLimit && cg.gs.phase != 5; f++) {
    headlessFrame();
    advanceFakeTick(50);
  }
}
