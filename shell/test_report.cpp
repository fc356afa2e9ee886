// The window tests' report: lines written when their subject changes.
//   SCREEN <screenMode> <topDialog> <phase> <box 0/1>, then while the engine's box shows:
//   BOX <title>|<text> and BOXBUTTON <x> <y> for each of its buttons
//   DECISION <kind> <count> <the table waits for the user's card 0/1>, then the options shown:
//   OPTION <i> <value> <x> <y> <caption>
//   HAND <count>, then CARD <slot> <rank> <suit> <x> <y>                 (the user's cards at rest)
//   SEAT <seat>, then what shows at it:
//   BUBBLE <seat> <x> <y> <text>      a seat's speech bubble shows; the corner its panel grows from
//   MARK <seat> <picture> <x> <y>     a seat's mark shows; the seat plate it rises from
//   GAMELIST <0/1>                    the game list is open
#include "shell/test_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/window_layout.h"
#include "platform/window.h"
#include "shell/decision_panel_input.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "table/card_window_points.h"
#include "table/move_queue.h"
#include "table/seat_plates.h"
#include "table/stacks.h"
#include "table/table_globals.h"

namespace {

constexpr int32_t kUserSeat = 1;
constexpr int32_t kSkatSeats = 3;

std::map<std::string, std::string> lastBlock;  // by subject: the text written last

std::string reportPath() {
  const char* path = std::getenv("SKAT_TEST_REPORT");
  return path ? path : "";
}

// Appends the block when it differs from the subject's last one.
void reportBlock(const std::string& path, const std::string& subject, const std::string& block) {
  std::string& last = lastBlock[subject];
  if (last == block) return;
  last = block;
  if (std::FILE* f = std::fopen(path.c_str(), "ab")) {
    std::fputs(block.c_str(), f);
    std::fclose(f);
  }
}

std::string point(card_window::TPoint p) {
  return std::to_string(std::lround(p.x)) + " " + std::to_string(std::lround(p.y));
}

bool elementShown(int32_t dialog, int32_t element) {
  return dialog != 0 && element != 0 && dialogOf(dialog).open && elementOf(dialog, element).visible;
}

// The centre of an element in window pixels, as the pointer's hit test counts.
std::string elementCentre(int32_t dialog, int32_t element) {
  const TVTLDialog& d = dialogOf(dialog);
  const TVTLElement& el = d.elements[element];
  const int x = int((d.x + el.x + el.width / 2.0) * windowLayout.viewWidth / 807.0);
  const int y = int((d.y + el.y + el.height / 2.0) * windowLayout.viewHeight / 607.0);
  return std::to_string(x) + " " + std::to_string(y);
}

// The box (the game's result or an alert) with its title, text and shown buttons.
std::string boxLines() {
  if (vtl.boxDialog == 0 || !dialogOf(vtl.boxDialog).open) return {};
  const TVTLDialog& d = dialogOf(vtl.boxDialog);
  std::string lines =
      "BOX " + getElementText(vtl.boxDialog, 1) + "|" + getElementText(vtl.boxDialog, vtl.boxTextElement) + "\n";
  for (int32_t e = 1; e <= d.count; e++)
    if ((e == vtl.boxOkButton || e == vtl.boxYesButton || e == vtl.boxNoButton) && d.elements[e].visible)
      lines += "BOXBUTTON " + elementCentre(vtl.boxDialog, e) + "\n";
  return lines;
}

std::string screenBlock() {
  const bool box = vtl.boxDialog != 0 && dialogOf(vtl.boxDialog).open;
  return "SCREEN " + std::to_string(screenMode) + " " + std::to_string(vtl.topDialog) + " " +
         std::to_string(cg.gs.phase) + " " + std::to_string(box ? 1 : 0) + "\n" + boxLines();
}

// The option buttons the panel shows, with their centres as the pointer's hit test counts.
std::string decisionBlock() {
  const std::string waits = inputState == 1 ? " 1\n" : " 0\n";
  if (dlgInGame == 0 || !dialogOf(dlgInGame).open || !cg.gs.bl.showOptions)
    return "DECISION " + std::to_string(cg.gs.bl.decisionKind) + " 0" + waits;
  const TVTLDialog& d = dialogOf(dlgInGame);
  std::string options;
  for (int32_t e = 1; e <= d.count; e++) {
    const int32_t i = decisionOptionOf(e);
    if (i < 1 || i > cg.gs.bl.optionCount || !d.elements[e].visible) continue;
    options += "OPTION " + std::to_string(i) + " " + std::to_string(cg.gs.bl.optionValues[i]) + " " +
               elementCentre(dlgInGame, e) + " " + getElementText(dlgInGame, e) + "\n";
  }
  return "DECISION " + std::to_string(cg.gs.bl.decisionKind) + " " + std::to_string(cg.gs.bl.optionCount) + waits +
         options;
}

// A card's point to click: the spot of its face deepest inside the window and the card, and
// least covered by the cards lying on it.
card_window::TPoint uncoveredPoint(int32_t index, int32_t count) {
  int32_t width = 0, height = 0;
  winClientSize(width, height);
  const card_window::TQuad own = card_window::cardQuad(kUserSeat, index);
  card_window::TPoint best{-1, -1};
  double bestMargin = -1e9;
  for (double v = 0.1; v < 0.95; v += 0.1)
    for (double u = 0.1; u < 0.95; u += 0.1) {
      const card_window::TPoint p = card_window::cardPoint(kUserSeat, index, u, v);
      double margin = std::min({p.x, p.y, width - 1 - p.x, height - 1 - p.y, card_window::depthInside(own, p)});
      for (int32_t k = index + 1; k <= count; k++)
        margin = std::min(margin, -card_window::depthInside(card_window::cardQuad(kUserSeat, k), p));
      if (margin > bestMargin) bestMargin = margin, best = p;
    }
  return best;
}

// Only cards at rest, and only when the hand changed: a card raised under the pointer keeps
// its place in the fan.
std::string handBlock() {
  const TSpieler& s = sp[kUserSeat];
  const std::string& last = lastBlock["hand"];
  if (s.gliding || pendingMoveCount > 0) return last;
  const int32_t count = stackUsed(s);
  std::string cards = "HAND " + std::to_string(count) + "\n";
  for (int32_t i = 1; i <= count; i++) {
    const TCardSlot& slot = s.slots[i];
    if (slot.moving && slot.animType != 1) return last;
    cards += std::to_string(slot.card.t) + " " + std::to_string(slot.card.f) + ";";
  }
  static std::string lastCards;
  if (cards == lastCards) return last;
  lastCards = cards;
  std::string block = "HAND " + std::to_string(count) + "\n";
  for (int32_t i = 1; i <= count; i++) {
    const TCard& c = s.slots[i].card;
    block += "CARD " + std::to_string(i) + " " + std::to_string(c.t) + " " + std::to_string(c.f) + " " +
             point(uncoveredPoint(i, count)) + "\n";
  }
  return block;
}

// The plate matrix is read outside the scene's passes: the mirror pass's side effect stays out.
TMatrix16 plateMatrix(int32_t seat) {
  const int32_t pass = drawPass;
  drawPass = 0;
  const TMatrix16 m = seatPlateMatrix(seat);
  drawPass = pass;
  return m;
}

std::string seatBlock(int32_t seat) {
  if (dlgIPanel == 0) return {};
  std::string block = "SEAT " + std::to_string(seat) + "\n";
  const int32_t bubble = elSpeechBubble[seat];
  const std::string text = bubble != 0 ? getElementText(dlgIPanel, bubble) : "";
  if (elementShown(dlgIPanel, bubble) && text.size() > 1) {
    TMatrix16 m = plateMatrix(seat);
    matTranslate(m, 0.08, seat == kUserSeat ? 0.75 : 0.72, -0.1);
    block += "BUBBLE " + std::to_string(seat) + " " + point(card_window::windowPoint(m, 0, 0, 0)) + " " + text + "\n";
  }
  const int32_t mark = elTurnMarker[seat];
  if (elementShown(dlgIPanel, mark) && elementOf(dlgIPanel, mark).picture != 0)
    block += "MARK " + std::to_string(seat) + " " + std::to_string(elementOf(dlgIPanel, mark).picture) + " " +
             point(card_window::windowPoint(plateMatrix(seat), 0, 0, 0)) + "\n";
  return block;
}

}  // namespace

void testReportFrame() {
  static const std::string path = reportPath();
  if (path.empty()) return;
  reportBlock(path, "screen", screenBlock());
  reportBlock(path, "decision", decisionBlock());
  reportBlock(path, "gamelist",
              std::string("GAMELIST ") + (dlgGameList != 0 && dialogOf(dlgGameList).open ? "1" : "0") + "\n");
  if (screenMode == 0 || cg.gameId != gidSkat) return;
  reportBlock(path, "hand", handBlock());
  for (int32_t seat = 1; seat <= kSkatSeats; seat++) reportBlock(path, "seat" + std::to_string(seat), seatBlock(seat));
}
