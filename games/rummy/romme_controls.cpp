#include "games/rummy/romme_controls.h"

#include <algorithm>

#include "core/cg.h"
#include "core/core_messages.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "games/rummy/meld_table.h"
#include "games/rummy/romme_ai_search.h"
#include "games/rummy/romme_new_game.h"
#include "games/rummy/romme_rules.h"
#include "games/rummy/romme_step.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

TRommeControls controls;

bool seatOwnsMeld(int32_t seat) {
  THand list{};
  k12.meldsOfSeat(seat, list);
  return handUsed(list) > 0;
}

void enable(int16_t value, bool on) {
  for (int32_t i = 1; i <= controls.count; i++)
    if (controls.values[i] == value) controls.enabled[i] = on;
}

// The panel's button of option n of a row of `count` (the game's rows hold up to three).
int32_t buttonOf(int32_t count, int32_t n) {
  if (count == 1) return elDecisionContinue;
  if (count == 2) return elDecisionRow2[n];
  if (count == 3) return elDecisionRow3[n];
  return 0;
}

void showOnPanel() {
  if (dlgInGame == 0) return;
  for (int32_t i = 1; i <= controls.count; i++) {
    const int32_t e = buttonOf(controls.count, i);
    if (e != 0) setElementEnabled(dlgInGame, e, controls.enabled[i] ? 1 : 0);
  }
  if (elDecisionText == 0) return;
  setElementText(dlgInGame, elDecisionText, controls.text, 0);
  setElementVisible(dlgInGame, elDecisionText, controls.text.empty() ? 0 : 1);
  setElementEnabled(dlgInGame, elDecisionText, controls.textEnabled ? 1 : 0);
}

std::string num(int32_t v) { return std::to_string(v); }

}  // namespace

bool TRommeControls::optionEnabled(int16_t value) const {
  for (int32_t i = 1; i <= count; i++)
    if (values[i] == value) return enabled[i];
  return false;
}

const TRommeControls& rommeControls() { return controls; }

void rommeUpdateHumanControls() {
  if (cg.gs.akspieler != 1) return;
  TRommeArea& a = rommeArea();
  const bool gin = rommeIsGin();
  const int32_t seat = 1;
  syncHandFromSlots(sp[seat]);
  const THand hand = sp[seat].hand;
  a.userMeld = rommeArrangeMeld();
  const bool ok = rommeDiscardRuleOk(hand, a.userMeld);
  const TDecisionBlock& bl = cg.gs.bl;
  controls = TRommeControls{};
  controls.count = bl.showOptions ? std::clamp(bl.optionCount, 0, 8) : 0;
  for (int32_t i = 1; i <= controls.count; i++) {
    controls.values[i] = bl.optionValues[i];
    controls.enabled[i] = true;
  }
  const bool meldOk = rommeIsValidMeld(a.userMeld, 0, false, false) && ok;
  // The up card's two buttons stay enabled.
  if (!ginUpCardPhase()) {
    enable(rommeAnswerMeld, meldOk);
    enable(rommeAnswerDone, !meldOk);
  }
  if (gin && bl.decisionKind == rommeDecisionLayOut) enable(rommeAnswerRestart, seatOwnsMeld(seat));
  THand sel = a.userMeld;
  cg.submitAction(1, 0, 0, &sel, 0, true);
  const int32_t v = rommeIsValidMeld(a.userMeld, 0, false, true) ? rommeHandValue(a.userMeld) : 0;
  if (gin && !ginUpCardPhase()) {
    rommeAIDiscard(0);
    if (a.layOffStage) {
      const int32_t value = rommeHandValue(hand);
      controls.text = "!" + coreLookupText("f_ginrummy_punkte") + ": " + num(rommeMeldsPoints(seat)) + ",  " +
                      coreLookupText("f_ginrummy_restpunkte") + ": " + num(value);
      controls.textEnabled = true;
      // The knocker cannot finish above the limit.
      enable(rommeAnswerDone, !meldOk && (value <= a.knockLimit || a.knockerDone));
    } else if (!a.knocked) {
      const int32_t deadwood = rommeDeadwood(a.afterDiscard);
      enable(rommeAnswerKnock, deadwood <= a.knockLimit);
      controls.text = "!" + num(deadwood) + " " + coreLookupText("f_ginrummy_restpunktemöglich") + " " +
                      coreLookupText("f_ginrummy_needed", num(a.knockLimit));
      controls.textEnabled = true;
    }
  } else if (!gin && !seatOwnsMeld(seat) && a.options.firstMeldMinimum > 0) {
    const int32_t minimum = a.options.firstMeldMinimum;
    if (rommeIsValidMeld(a.userMeld, 0, false, true) && ok) {
      controls.text = "!" + num(v) + coreLookupText("f_dialog_von") + num(minimum) +
                      coreLookupText("f_romme_mindestpunktzahl");
      controls.textEnabled = true;
    } else {
      std::string t = coreLookupText("f_romme_mindestpunktzahl") + num(minimum);
      if (!t.empty() && t[0] == ' ') t.erase(0, 1);
      controls.text = "!" + t;
      controls.textEnabled = false;
    }
  }
  showOnPanel();
}

// [SECTION] the options dialog

int32_t rommeDealerEntryAfterChange(int32_t entry, int32_t players, bool backwards) {
  int32_t m = entry;
  for (int32_t guard = 0; m > 1 && m > players + 1 && guard < 8; guard++) {
    m += backwards ? -1 : 1;
    if (m < 1 || m > 6) m = 1;
  }
  return m;
}

int32_t rommePackEntryAfterChange(int32_t entry, int32_t players) { return players >= 4 && entry == 1 ? 2 : entry; }

namespace {

// The dialog's selector whose first two entries are these; 0 when it has none.
int32_t selectorWith(int32_t d, const char* first, const char* second) {
  if (d == 0) return 0;
  for (int32_t e = 1; e <= dialogOf(d).count; e++)
    if (getItem(d, e, 1) == first && getItem(d, e, 2) == second) return e;
  return 0;
}

bool ginDialog() { return cg.gameId == gidGinRummy || cg.gs.optionsGameId == gidGinRummy || rommeIsGin(); }
int32_t variantDialog() { return dlgGameOptions[ginDialog() ? gidGinRummy : gidRomme]; }

}  // namespace

void rommeShowSortMode(bool byValue) {
  const int32_t d = variantDialog();
  const int32_t sort = selectorWith(d, "Kartenfarbe", "Kartenwert");
  if (sort != 0) setTopIndex(d, sort, byValue ? 2 : 1);
}

void rommeOptionsChanged(int32_t element, int32_t backwards) {
  const int32_t d = variantDialog();
  const bool gin = ginDialog();
  const int32_t sort = selectorWith(d, "Kartenfarbe", "Kartenwert");
  if (sort != 0) {
    rommeSetSortMode(getTopIndex(d, sort) == 2);
  } else {
    logNotAvailable("rommeOptionsChanged: \"Sortieren nach\"");
  }
  if (gin) return;
  const int32_t players = elPlayerCountList[gidRomme];
  const int32_t dealer = selectorWith(d, "Zufall", "Spieler 1");
  const int32_t packs = selectorWith(d, "1 Satz (52+3)", "2 Sätze (104+6)");
  if (players == 0 || dealer == 0 || packs == 0) {
    logNotAvailable("rommeOptionsChanged: \"1. Kartengeber\", \"Kartenblatt\"");
    return;
  }
  const int32_t count = getTopIndex(d, players) + 1;
  if (element == dealer || element == players)
    setTopIndex(d, dealer, rommeDealerEntryAfterChange(getTopIndex(d, dealer), count, backwards != 0));
  if (element == packs || element == players)
    setTopIndex(d, packs, rommePackEntryAfterChange(getTopIndex(d, packs), count));
}
