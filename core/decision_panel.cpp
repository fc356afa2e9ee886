// The decision panel: TCG::openDecisionDialog, TCG::buildDecisionDialog,
// TCG::showDecisionDialog and TCG::updateDialogButtons, the option list helpers and the
// row layout of the panel's buttons.
//
// [SECTION] option list
// [SECTION] build and open
// [SECTION] row layout
// [SECTION] showDecisionDialog
// [SECTION] updateDialogButtons
#include "core/decision_panel.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/cg.h"
#include "core/core_messages.h"
#include "core/engine_switches.h"
#include "core/game_areas.h"
#include "table/table_globals.h"
#include "table/table_questions.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/relayout.h"
#include "engine/text_fit.h"
#include "engine/text_width.h"
#include "net/net_transport.h"
#include "platform/alert.h"
#include "platform/tick.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "table/stacks.h"

// [SECTION] option list

namespace {
TDecisionBlock& bl() { return cg.gs.bl; }

std::vector<TDecisionOption> goFishCollected;

int16_t optionValue16(int32_t v) {
  if (v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max()) return int16_t(v);
  showAlert("ACHTUNG! setDialogOptions: Wert außerhalb des Bereichs (" + std::to_string(v) + ")");
  return 0;
}
}  // namespace

void setDialogOptions(const std::vector<TDecisionOption>& options) {
  int count = 1;
  while (count < decisionOptionCapacity && count < int(options.size()) && !options[size_t(count)].caption.empty()) count++;
  bl().optionCount = count;
  for (int n = 1; n <= decisionOptionCapacity; n++) {
    bool given = n <= int(options.size());
    bl().optionTexts[n] = given ? std::string_view(options[size_t(n - 1)].caption) : std::string_view("");
    bl().optionValues[n] = given ? optionValue16(options[size_t(n - 1)].value) : int16_t(0);
  }
  bl().questionText = "";
  bl().showOptions = 1;
}

void removeDialogOption(int32_t n) {
  if (n < 1 || n > bl().optionCount || bl().optionCount > decisionOptionCapacity) return;
  bl().optionCount--;
  for (int j = n; j <= bl().optionCount; j++) {
    bl().optionTexts[j] = bl().optionTexts[j + 1];
    bl().optionValues[j] = bl().optionValues[j + 1];
  }
}

void addQuestionOption(const std::string& caption, int32_t value) {
  if (goFishCollected.size() < 16) goFishCollected.push_back({caption, value});
}

void goFishQuestionOptions() {
  goFishCollected.clear();
  for (int d = 1; d <= playerCount - 1; d++) {
    int32_t seat = gameAreas.goFishSeatFromCurrent(d);
    if (seat < 1 || seat > stackCount || sp[seat].count <= 0) continue;
    addQuestionOption("!" + coreLookupText("f_gofish_frage") + " " + cg.seatNameFit(seat, true), seat);
  }
  if (goFishCollected.size() > 6) goFishCollected.resize(6);
  setDialogOptions(goFishCollected);
}

// [SECTION] build and open

namespace {

// In a network game the user's decision must be reachable: the menus over the table close.
void clearWayToPanel() {
  bool needsUser = bl().cardsSelectable || bl().pilesSelectable || bl().showOptions;
  if (!isNetGame() || cg.gs.akspieler != 1 || dlgGameMenu == 0 || !dialogOf(dlgGameMenu).open || !needsUser) return;
  for (int32_t d : {dlgGameMenu, dlgDisplay, appopt.di_vtlgrafik, dlgHelp, dlgGameList})
    if (d != 0 && vtl.diags.valid(d)) closeDialog(d);
}

}  // namespace

void TCG::buildDecisionDialog(int32_t kind) {
  bl().pilesSelectable = 1;
  bl().cardsSelectable = 1;
  bl().tableSelectable = 0;
  bl().showOptions = 0;
  bl().pileA = 11;
  bl().pileB = 0;
  bl().meldingMode = 0;
  buildDecisionKind(kind);
  showSituationHelp();
  clearWayToPanel();
}

void TCG::openDecisionDialog(int32_t kind) {
  buildDecisionDialog(kind);
  gs.subState = 3;
  gs.awaitingAction = 2;
  showDecisionDialog(false, false);
}

// [SECTION] row layout

int32_t decisionRowOffset(TGameId game) {
  switch (game) {
    case gidBlackjack: return -23;
    case gidOldMaid: return -3;
    case gidHearts: return 81;
    case gidRomme: return gameAreas.variantFlag(gidGinRummy) && gameAreas.ginSecondFlag() ? 168 : 103;
    case gidCanasta: return gameAreas.canastaMeldView().cardsToLay > 0 ? 195 : 135;
    default: return 43;
  }
}

std::vector<TRowButton> decisionRowLayout(int32_t n, int32_t offset, bool oldMaid) {
  static constexpr double widths[8] = {0, 200, 170, 153, 141, 129, 122, 115};
  if (n < 1) return {};
  const double g = 6, o = offset;
  double w = n == 1 && oldMaid ? 185 : widths[std::min(n, 7)];
  if (400 + o + n * w / 2 + (n - 1) * g / 2 >= 800) {
    double w1 = (800 - 2.8 * o) / n;
    w = w1 * w1 / ((n - 1) * g / n + w1);
  }
  std::vector<TRowButton> row;
  for (int k = 0; k < n; k++)
    row.push_back({int32_t(std::nearbyint((2 * k - n) * w / 2 + (2 * k - n - 1) * g / 2 + o)), int32_t(std::nearbyint(w))});
  return row;
}

// [SECTION] showDecisionDialog

namespace {

// The buttons of a row by option count, in layout order (8: the option-8 button first).
std::vector<int32_t> rowFor(int count) {
  std::vector<int32_t> row;
  auto add = [&](const auto& a) { row.insert(row.end(), a.begin(), a.end()); };
  switch (std::clamp(count, 1, 8)) {
    case 1: row.push_back(elDecisionContinue); break;
    case 2: add(elDecisionRow2); break;
    case 3: add(elDecisionRow3); break;
    case 4: add(elDecisionRow4); break;
    case 5: add(elDecisionRow5); break;
    case 6: add(elDecisionRow6); break;
    case 7: add(elDecisionRow7); break;
    default: row.push_back(elDecisionOption8); add(elDecisionRow7); break;
  }
  return row;
}

// Option number of the k-th button of a row (the option-8 button answers 8).
int optionOfButton(const std::vector<int32_t>& row, size_t k) {
  if (row.size() == 8) return k == 0 ? 8 : int(k);
  return int(k) + 1;
}

void compactPanel() {
  TVTLDialog& d = dialogOf(dlgInGame);
  d.width = d.height = 0;
  d.y = 560;
  for (int e = 1; e <= d.count; e++)
    if (d.elements[e].y == 10) d.elements[e].y = 0;
}

void showRowButtons(const std::vector<int32_t>& row) {
  for (int e = 1; e <= dialogOf(dlgInGame).count; e++) setElementShown(dlgInGame, e, 0);
  for (size_t k = 0; k < row.size(); k++) {
    int option = optionOfButton(row, k);
    setElementShown(dlgInGame, row[k], 1);
    bool enabled = true;
    if (cg.gameId == gidPoker && bl().decisionKind == 98 && row.size() == 4 && option >= 2)
      enabled = gameAreas.pokerOptionEnabled(cg.gs.akspieler, option);
    setElementEnabled(dlgInGame, row[k], enabled ? 1 : 0);
    setElementText(dlgInGame, row[k], bl().optionTexts[option].view(), 0);
  }
}

// A decision without options shows none: the buttons of an earlier decision would otherwise
// stay visible and answer for it.
void hideOptionButtons() {
  for (int count = 1; count <= decisionOptionCapacity; count++)
    for (int32_t e : rowFor(count)) setElementShown(dlgInGame, e, 0);
}

// Buttons from the row's first element number to its last, laid out around the game's offset.
void layoutRow(const std::vector<int32_t>& row) {
  int32_t first = row.front(), last = row.back();
  int32_t n = last - first + 1;
  std::vector<TRowButton> places = decisionRowLayout(n, decisionRowOffset(cg.gameId), cg.gameId == gidOldMaid);
  for (int32_t k = 0; k < n; k++) {
    TVTLElement& el = elementOf(dlgInGame, first + k);
    el.savedX = places[size_t(k)].savedX;
    el.savedWidth = places[size_t(k)].savedWidth;
    el.width = el.savedWidth;
    el.x = int16_t(std::nearbyint(el.savedX * aspectFactor()));
    if (cg.gameId == gidCanasta) {
      el.savedX -= 130;
      el.x = int16_t(el.x - 130);
    }
    fitElementText(dlgInGame, first + k, 0, 1.22f, 0.7f);
  }
}

bool seatSeesPanel(const TCG& c) {
  int32_t s = c.gs.akspieler;
  uint8_t kind = s >= 1 && s <= seatRecordCount ? c.seatRecords[s].kind : uint8_t(seatKindComputer);
  return !engineFastMode() && kind == seatKindUser && !c.gs.tutorialMode;
}

void presentPanel(TCG& c, bool noShow, bool layoutOnly) {
  if (!layoutOnly) {
    vtl.focusDialog = dlgIPanel;
    vtl.focusElement = elActionButtons[1];
    inputState = 1;
  }
  if (bl().showOptions) {
    std::vector<int32_t> row = rowFor(bl().optionCount);
    if (!layoutOnly) showRowButtons(row);
    if (!layoutOnly && !bl().questionText.empty()) {
      setElementText(dlgInGame, elDecisionText, bl().questionText.view(), 0);
      setElementShown(dlgInGame, elDecisionText, 1);
      setElementEnabled(dlgInGame, elDecisionText, 1);
    }
    layoutRow(row);
  } else if (!layoutOnly) {
    hideOptionButtons();
  }
  dialogOf(dlgInGame).savedX = 400;
  relayoutDialogs(false, dlgInGame, false);
  // Poker's and Blackjack's stake buttons are placed by the chip games once they exist.
  bool betDecision = (bl().decisionKind == 98 || bl().decisionKind == 106) && c.gameId != gidSchnapsen;
  if (!betDecision && !layoutOnly)
    for (int32_t e : elBetButtons) setElementShown(dlgInGame, e, 0);
  if (!noShow && !layoutOnly) showDialog(dlgInGame);
}

}  // namespace

void TCG::showDecisionDialog(bool noShow, bool layoutOnly) {
  decisionShownTick = getTickCount();
  // Without a panel (no screen) the seats still get their copy of the decision.
  if (dlgInGame != 0 && gameId != gidPoker) compactPanel();
  if (seatSeesPanel(*this)) {
    if (dlgInGame != 0) presentPanel(*this, noShow, layoutOnly);
  } else if (!layoutOnly) {
    gs.savedBl = gs.bl;
    gs.savedBlSeat = gs.akspieler;
    gs.getBlender.res_ii = 0;
  }
  if (!layoutOnly) updateDialogButtons();
}

// [SECTION] updateDialogButtons

namespace {

void showButton(int i, bool shown, bool enabled) {
  setElementVisible(dlgIPanel, elActionButtons[i], shown ? 1 : 0);
  setElementEnabled(dlgIPanel, elActionButtons[i], enabled ? 1 : 0);
}

bool pileOffered(int32_t pile) { return bl().pileA == pile || bl().pileB == pile; }

void updatePileHotspots(bool userActs) {
  bool piles = userActs && bl().pilesSelectable;
  showButton(49, piles && pileOffered(11) && sp[11].count > 0, true);
  showButton(50, false, true);
  for (int i = 51; i <= 54; i++) showButton(i, piles && pileOffered(12) && sp[12].count > 0, true);
}

void updateHandHotspots(bool userActs) {
  bool meldGame = cg.gameId == gidRomme || cg.gameId == gidCanasta;
  int n = stackUsed(sp[1]);
  for (int i = 1; i <= 48; i++) {
    if (!userActs || !bl().cardsSelectable || meldGame)
      showButton(i, !cg.gs.tutorialMode, false);
    else
      showButton(i, i <= n && isLegalCard(sp[1].slots[i].card), true);
  }
}

bool focusFirst(int32_t d, const std::vector<int32_t>& elements) {
  for (int32_t e : elements)
    if (elementOf(d, e).visible && elementOf(d, e).enabled) {
      vtl.focusDialog = d;
      vtl.focusElement = e;
      return true;
    }
  return false;
}

void moveKeyboardFocus(bool userActs) {
  bool meldGame = cg.gameId == gidRomme || cg.gameId == gidCanasta;
  if (!vtl.focusShown || !userActs || meldGame) return;
  if (bl().cardsSelectable || bl().pilesSelectable) {
    focusFirst(dlgIPanel, std::vector<int32_t>(elActionButtons.begin() + 1, elActionButtons.begin() + 25));
  } else if (bl().showOptions && dlgInGame != 0) {
    std::vector<int32_t> all;
    for (int e = elDecisionContinue; e <= elDecisionRow6[6]; e++) all.push_back(e);
    focusFirst(dlgInGame, all);
  }
}

}  // namespace

void TCG::updateDialogButtons() {
  if (dlgIPanel == 0) return;
  if (gameId == gidPoker) {
    for (int i = 1; i <= std::min<int>(playerCount, 6); i++)
      if (!gameAreas.pokerSeatOut(i)) setElementVisible(dlgIPanel, elActionButtons[i], 1);
    return;
  }
  bool userActs = gs.akspieler == 1;
  updatePileHotspots(userActs);
  updateHandHotspots(userActs);
  moveKeyboardFocus(userActs);
}
