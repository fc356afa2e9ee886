// Tglapp.diagcreate: every dialog of the main window, in the fixed order. The engine numbers
// dialogs in creation order after its own, and the dialog-state and preset files are named
// by those numbers, so a dialog inserted anywhere here breaks every saved state after it.
#include "core/card_names.h"
#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/frames.h"
#include "engine/texts.h"
#include "engine/textures.h"
#include "shell/dialog_build.h"
#include "shell/display_settings.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "shell/menus.h"
#include "shell/shell_state.h"
#include "shell/skat_options_dialog.h"
#include "shell/sort_menus.h"

// [SECTION] helpers

void setMenuStyle(int32_t dialog) { setDialogScale(dialog, 10, "menu2.jpg", 1.8f, false); }

int32_t addMenuButton(int32_t left, int32_t y, int32_t width, std::string_view caption) {
  return addElementEx(ekButton, left, y, width, 45, 8, caption, 0, 40, 0, 0, 1.3f);
}

int32_t addTextButton(int32_t x, int32_t y, std::string_view caption) {
  const int32_t width = 30 + 14 * int32_t(caption.size());
  return addElement(ekPicture, x, y, caption, width, 40, 0.0f, 1.3f);
}

// Made with item slots, so that a help text longer than a record's text can be kept.
int32_t addStyledPicture(int32_t x, int32_t y, uint8_t style, std::string_view caption) {
  const int32_t e = addElement(ekPicture, x, y, caption, 34, 34, 0.0f, 1.0f);
  TVTLElement& el = elementOf(vtl.buildDialog, e);
  el.subKind = style;
  el.picture = style == skSymbol ? vtl.symbolButtonPicture : 0;
  return e;
}

// [SECTION] the build

namespace {

void buildOptionsDialogs(std::initializer_list<TGameId> games) {
  for (TGameId g : games) buildOptionsDialog(g);
}

void preamble() {
  editionGame = gidSkat;
  editionAllGames = 0;
  vtl.onHoverEnter = Tglapp::mouseover;
  vtl.onHoverLeave = Tglapp::mouseout;
  fillGameNames();
  fillCardNameTables();
  cg.setMenuButtonCaption(0);
  cg.gs.tutorialMode = 0;
}

}  // namespace

void Tglapp::diagcreate() {
  clearGameDialogNumbers();
  clearMenuElements();
  clearDisplayElements();
  preamble();
  dlgFirstOptions = createStandardDialog(3, "Optionen");
  styleEngineGraphicsDialog();
  buildMenuBar();
  buildFpsPanel();
  buildTablePanel();
  cg.gameId = gidSkat;
  setStandardTextureDetail();
  buildHelpPanel();
  buildMainMenu();
  dlgHighscore = createStandardDialog(1, "Highscore");
  buildHelpDialog();
  buildSkatSortMenu();
  buildKontraDialog();
  buildBockRamschDialog();
  buildMoneyDialog();
  buildOptionsDialogs({gidSkat, gidMauMau});
  buildDisplayDialog();
  buildOptionsMenu();
  buildGameMenu();
  buildStartScreen();
  buildFarbPanel();
  buildDecisionPanel();
  buildTextPanel();
  buildButtonPanel();
  buildInfoPanel();
  buildSaveDialog();
  dlgLoad = createStandardDialog(3, "Spiel laden");
  buildGameList();
  buildOptionsDialogs({gidSchwimmen, gidRomme, gidCanasta, gidDoppelkopf, gidSchafkopf, gidPoker});
  buildNewGameMenu();
  dlgNetwork = createStandardDialog(1, "Netzwerkspiel");
  dlgNetworkChoice = createStandardDialog(3, "Netzwerkspiel");
  dlgNetworkJoin = createStandardDialog(1, "Netzwerkspiel teilnehmen");
  buildChatPanel();
  buildMessageDialog();
  dlgNetworkGames = createStandardDialog(1, "Spiele im Netzwerk");
  buildLobbyProgress();
  dlgInternet = createStandardDialog(1, "Internetspiel");
  dlgNetworkCreate = createStandardDialog(1, "Netzwerkspiel einleiten");
  buildCredits();
  buildPokerPanel();
  buildRommeSortMenu();
  buildClusterPanel();
  buildOptionsDialogs({gidSchnapsen, gidBlackjack, gidSiebzehnUndVier, gidSechsundsechzig, gidJass, gidHearts,
                       gidGoFish, gidOldMaid, gidWar, gidGinRummy});
  buildExtras();
  buildTutorialPanel();
  dlgTutorial = createStandardDialog(3, lookupText("f_tutorialtitel"));
  if (dlgMenuBar != 0) setElementShown(dlgMenuBar, elHelpButton, 0);
  ziehrunter();
}
