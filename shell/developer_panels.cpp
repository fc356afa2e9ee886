// The developer panels' texts, rewritten every frame of a game: the frame rate, the pick's
// results, the table's input state and the games' statistic counters. The panels are shown
// only through the engine's developer toggle (showInfoPanels).
#include <string>

#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_form.h"
#include "engine/frame_rate.h"
#include "shell/channel_parts.h"
#include "shell/game_dialogs.h"
#include "table/table_globals.h"

std::string debugInfoText;

namespace {
const std::string kLfCr = "\n\r";

std::string num(int32_t v) { return std::to_string(v); }

std::string statisticsText() {
  const std::string played = num(cg.gs.gamesPlayed);
  switch (cg.gameId) {
    case gidCanasta:
      return "cg.gs.getBlender.res_i: " + num(cg.gs.getBlender.res_i) + kLfCr + "cg.gs.getBlender.res_ii: " +
             num(cg.gs.getBlender.res_ii) + kLfCr;
    case gidSkat:
      return played + kLfCr + "stat0(nullwin): " + num(stat0) + ", stat1(nullloose): " + num(stat1) + kLfCr +
             "stat2(won): " + num(stat2) + ", stat3(lost): " + num(stat3) + kLfCr + ">>" + played + "<<";
    case gidPoker:
      // Poker's counters and case memory come with poker.
      return "";
    default:
      return played + kLfCr + "stat0(rufwin): " + num(stat0) + ", stat1(rufloose): " + num(stat1) + kLfCr +
             "stat2(sowin): " + num(stat2) + ", stat3(soloose): " + num(stat3) + kLfCr +
             "stat4(keinspiel): " + num(stat4);
  }
}

std::string inputStateText() {
  if (inputState == 2) return "aStatus: asAnimation";
  if (inputState == 0) return "aStatus: asNone";
  return "TES: " + debugText;
}

void setText(int32_t dialog, int32_t element, const std::string& text) {
  if (dialog != 0 && element <= dialogOf(dialog).count) setElementText(dialog, element, text, 0);
}

}  // namespace

void fillDeveloperPanels() {
  debugInfoText = statisticsText();
  if (cg.gameId == gidPoker) keepDialogOpen(dlgClusterPanel, vtl.showInfoPanels);
  const std::string rate = "FPS: " + frameRateText(vtlInfo.fps) + kLfCr + "WIN1: " + "0";
  setText(dlgInfoPanel, 1, rate);
  setText(dlgFpsPanel, 1, rate);
  setText(dlgInfoPanel, 2, "Selcard:  " + num(hoveredCard));
  setText(dlgInfoPanel, 3, "Ziehcard: " + num(pickedPile) + "." + num(pickedPileIndex));
  setText(dlgInfoPanel, 4, inputStateText());
  setText(dlgInfoPanel, 5, "Info: " + debugInfoText);
}
