// Layout helpers that know the running card game: a few tables and lists are placed
// differently for Skat, Doppelkopf, Schafkopf, poker and Blackjack.
#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/engine_form.h"
#include "engine/range_check.h"
#include "engine/skins.h"
#include "engine/text_width.h"
#include "shell/game_dialogs.h"

namespace {

// The help dialog covers the table: while it is open on top, or still appearing or fading,
// the game's shifts stay off.
bool helpDialogInTheWay() {
  if (dlgHelp == 0 || !vtl.diags.valid(dlgHelp)) return false;
  const TVTLDialog& d = vtl.diags[dlgHelp];
  return (d.open != 0 && vtl.topDialog == dlgHelp) || d.showAnim.state != 0;
}

}  // namespace

int32_t helpDialogShift() {
  if (helpDialogInTheWay()) return 0;
  switch (cg.gameId) {
    case gidSkat:
    case gidDoppelkopf:
    case gidSchafkopf: return -roundEven(8 * aspectFactor());
    case gidPoker: return 200;
    case gidBlackjack: return 30;
    default: return 0;
  }
}

int32_t adjustForGameKind(int32_t& value, int32_t kind) {
  if (helpDialogInTheWay()) return kind;
  switch (cg.gameId) {
    case gidBlackjack:
      value = kind * 85 - 100;
      if (kind == 0) value -= 90;
      break;
    case gidSkat:
      if (kind == 5) value += 20;
      if (kind == 1) value += 15;
      break;
    case gidDoppelkopf:
    case gidSchafkopf:
      if (kind == 1) value += 12;
      break;
    default: break;
  }
  return kind;
}

bool isBlackjackListOpen() {
  if (cg.gameId != gidBlackjack || dlgGameList == 0 || !vtl.diags.valid(dlgGameList)) return false;
  return vtl.diags[dlgGameList].open != 0 && vtl.topDialog == dlgGameList;
}

void adjustGameListDialog() {
  if (cg.gameId != gidBlackjack || dlgGameList == 0 || !vtl.diags.valid(dlgGameList)) return;
  TVTLDialog& d = vtl.diags[dlgGameList];
  if (elGameListCaption >= 1 && elGameListCaption <= d.count) d.elements[elGameListCaption].y = 315;
  if (d.count >= 2) {
    TVTLElement& e = d.elements[2];
    e.y = 355;
    e.x = 140;
    e.savedX = 140;
  }
}
