// The menus' reactions to clicks and the main window's small menu operations
// (Tglapp.start_neuesspiel, CallEinzelspielDialog, isinga, getga, endis). A click reaches
// these handlers through the event channel's route table as (dialog, element); an element
// number no variable holds is ignored.
//
// [SECTION] element numbers
// [SECTION] Tglapp's menu operations
// [SECTION] menu bar
// [SECTION] "Game Menü", "Neues Spiel", "Extras", "Optionen"
// [SECTION] "Spielmenü"
// [SECTION] "Anzeige", the credits, the start screen
#include "shell/menus.h"

#include <string>

#include "core/card_ai.h"
#include "core/cg.h"
#include "core/seat_markers.h"
#include "engine/dialogs.h"
#include "engine/element_activation.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "games/casino/chips.h"
#include "games/rummy/meld_sides.h"
#include "games/skat/skat_options_io.h"
#include "net/net_transport.h"
#include "shell/channel_parts.h"
#include "shell/display_settings.h"
#include "shell/event_channel.h"
#include "shell/main_window.h"
#include "shell/options_frame.h"
#include "shell/screen_stand_ins.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/shell_state.h"
#include "sound/music_control.h"
#include "table/menu_cards.h"

// [SECTION] element numbers

int32_t elMainMenuBack = 0, elMainMenuNewGame = 0, elMainMenuLoad = 0, elMainMenuOptions = 0, elMainMenuExtras = 0;
int32_t elMainMenuHeadline1 = 0, elMainMenuHeadline2 = 0;
int32_t elNewGameBack = 0, elNewGameSingle = 0, elNewGameTournament = 0, elNewGameNetwork = 0, elNewGameInternet = 0;
int32_t elGameMenuBack = 0, elGameMenuEnd = 0, elGameMenuSettings = 0, elGameMenuHelp = 0, elGameMenuGameList = 0;
int32_t elGameMenuHeadline1 = 0, elGameMenuHeadline2 = 0;
int32_t elExtrasBack = 0, elExtrasTutorial = 0, elExtrasHelp = 0, elExtrasHighscore = 0, elExtrasCredits = 0;
int32_t elOptionsBack = 0, elOptionsGraphics = 0, elOptionsSound = 0, elOptionsDisplay = 0;
int32_t elCreditsBack = 0, elCreditsText = 0;
TGameElements elGameButtons{};
int32_t elStartScreenBlank = 0, elStartScreenEnd = 0, elStartScreenTitle = 0;
int32_t elDisplayBack = 0, elDisplayStyleLabel = 0, elDisplayFadeLabel = 0, elDisplayOrderLabel = 0;

void clearMenuElements() {
  for (int32_t* n :
       {&elMainMenuBack, &elMainMenuNewGame, &elMainMenuLoad, &elMainMenuOptions, &elMainMenuExtras,
        &elMainMenuHeadline1, &elMainMenuHeadline2, &elNewGameBack, &elNewGameSingle, &elNewGameTournament,
        &elNewGameNetwork, &elNewGameInternet, &elGameMenuBack, &elGameMenuEnd, &elGameMenuSettings, &elGameMenuHelp,
        &elGameMenuGameList, &elGameMenuHeadline1, &elGameMenuHeadline2, &elExtrasBack, &elExtrasTutorial,
        &elExtrasHelp, &elExtrasHighscore, &elExtrasCredits, &elOptionsBack, &elOptionsGraphics, &elOptionsSound,
        &elOptionsDisplay, &elCreditsBack, &elCreditsText, &elStartScreenBlank, &elStartScreenEnd,
        &elStartScreenTitle, &elDisplayBack, &elDisplayStyleLabel, &elDisplayFadeLabel, &elDisplayOrderLabel})
    *n = 0;
  for (int32_t& e : elGameButtons) e = 0;
}

namespace {

constexpr uint8_t kPhaseDealing = 1;
constexpr uint8_t kPhaseOver = 5;
constexpr int32_t kHiddenWidth = 777;  // endis hides elements of this width
const char* const kPokerDisplayName = "Texas Hold`em Poker";
const char* const kPokerHeadline = "Texas Hold`em";
const char* const kPokerTitle = "Poker";

bool tutorialRuns() { return cg.gs.tutorialMode != 0; }

// A click on a number no element holds (0: never built) matches nothing.
bool is(int32_t element, int32_t wanted) { return wanted != 0 && element == wanted; }

void openMenu(int32_t dialog) {
  if (dialog != 0) openDialog(dialog);
}
void closeMenu(int32_t dialog) { keepDialogOpen(dialog, false); }

// The first element of the dialog from which endis leaves everything as it is: the one just
// before the Rommé dialog's sort selector or the poker dialog's terms check box.
int32_t endisTail(int32_t dialog) {
  const TVTLDialog& d = dialogOf(dialog);
  const bool romme = dialog == dlgGameOptions[gidRomme];
  const bool poker = dialog == dlgGameOptions[gidPoker];
  if (!romme && !poker) return d.count + 1;
  for (int e = 1; e <= d.count; e++) {
    const TVTLElement& el = d.elements[e];
    if (romme && el.kind == ekSelector && getItem(dialog, e, 1) == "Kartenfarbe" &&
        getItem(dialog, e, 2) == "Kartenwert")
      return e - 1;
    if (poker && el.kind == ekCheckBox && getElementText(dialog, e) == "Offizielle Pokerbegriffe verwenden (Englisch)")
      return e - 1;
  }
  return d.count + 1;
}

}  // namespace

// [SECTION] Tglapp's menu operations

void Tglapp::start_neuesspiel(int32_t kind, bool force) {
  if (screenMode != 0 && !force) return;
  if (kind != 1 && kind != 3) return;
  loadenv(false);
  if (cg.gs.optionsGameId < gidNone) closeMenu(dlgGameOptions[cg.gs.optionsGameId]);
  cg.setMenuButtonCaption(1);
  cg.startGame(cg.gameId, 0);
}

void Tglapp::CallEinzelspielDialog() {
  cg.lobbyGame = 0;
  cg.internetMode = 0;
  const TGameId g = cg.gs.optionsGameId;
  switch (g) {
    case gidSkat: skatOptionsChanged(); break;
    case gidMauMau: logNotAvailable("maumauOptionsChanged"); break;
    case gidCanasta: logNotAvailable("canastaOptionsChanged"); break;
    case gidGoFish: logNotAvailable("goFishOptionsChanged"); break;
    case gidPoker: logNotAvailable("pokerOptionsChanged"); break;
    case gidBlackjack: logNotAvailable("blackjackOptionsChanged"); break;
    case gidJass: logNotAvailable("jassOptionsChanged"); break;
    default: break;
  }
  if (g >= gidNone || dlgGameOptions[g] == 0) return;
  if (elTabGroup[g] != 0) selectPage(dlgGameOptions[g], elTabGroup[g], 1);
  openDialog(dlgGameOptions[g]);
}

bool Tglapp::isinga(int32_t number, const TGameElements& table) {
  for (int32_t entry : table)
    if (entry == number) return true;
  return false;
}

TGameId Tglapp::getga(int32_t number, const TGameElements& table) {
  TGameId found = gidNone;
  for (TGameId g = 0; g <= gidNone; g++) {
    if (table[g] == number) return g;
    // Poker's variants sit on the two numbers after its own; a missing entry has none.
    if (g == gidPoker && table[g] != 0 && (number == table[g] + 1 || number == table[g] + 2)) found = gidPoker;
  }
  return found;
}

void Tglapp::endis(int32_t dialog, bool mode) {
  (void)mode;  // both modes enable the same elements
  if (dialog == 0) return;
  const int32_t count = dialogOf(dialog).count;
  if (count >= 1) setElementEnabled(dialog, 1, 1);
  const int32_t tail = endisTail(dialog);
  for (int32_t e = 2; e <= count; e++) {
    if (elementOf(dialog, e).width == kHiddenWidth) {
      setElementShown(dialog, e, 0);
      continue;
    }
    if (getElementText(dialog, e) == "Zurück" || e >= tail) continue;
    setElementEnabled(dialog, e, 1);
  }
}

// [SECTION] menu bar

namespace {

// Poker is known by its display name; every other game shows its name as the title.
void setGameMenuHeadlines() {
  const std::string name = cg.gameId < gidNone ? gameNames[cg.gameId] : std::string();
  const bool poker = name == kPokerDisplayName;
  setElementText(dlgGameMenu, elGameMenuHeadline1, poker ? kPokerHeadline : "", 0);
  setElementText(dlgGameMenu, 1, poker ? kPokerTitle : name, 0);
  setElementText(dlgGameMenu, elGameMenuHeadline2, "", 0);
}

int32_t firstChipStackCount() {
  TChipSnapshot snapshot{};
  countChipStacks(snapshot);
  int32_t chips = 0;
  for (int16_t n : snapshot.stacks[1].chips) chips += n;
  return chips;
}

// The menu button while a game is on: prepares "Spielmenü" and opens it.
void openGameMenuDuringGame() {
  if (canastaMarkerFlag != 0 && isDialogOpen(vtl.boxDialog)) {
    activateElement(vtl.boxDialog, vtl.boxTextElement);
    cg.gs.gameValue = -1;
  }
  if (!isNetGame()) cg.setMenuButtonCaption(2);
  if (isDialogOpen(dlgChatPanel)) closeChatWindow();
  if (tutorialRuns()) closeMenu(dlgTutorialPanel);
  setGameMenuHeadlines();
  setElementEnabled(dlgGameMenu, elGameMenuGameList, cg.gs.gamesPlayed >= 1 || cg.gameId == gidPoker ? 1 : 0);
  setElementShown(dlgGameMenu, elGameMenuGameList, tutorialRuns() ? 0 : 1);
  setElementShown(dlgGameMenu, elGameMenuHeadline2, tutorialRuns() ? 0 : 1);
  // "Speichern" opens the save screen, which is not built yet: the button stays disabled
  // until that screen plugs in here.
  constexpr bool saveScreenBuilt = false;
  const bool allowed = gameMenuSaveAllowed(cg.gameId, firstChipStackCount(), cg.gs.phase);
  setElementEnabled(dlgGameMenu, elGameMenuSave, saveScreenBuilt && allowed ? 1 : 0);
  openMenu(dlgGameMenu);
}

void toggleChat() {
  if (isDialogOpen(dlgChatPanel)) {
    closeChatWindow();
    return;
  }
  openMenu(dlgChatPanel);
  openChatInput();
}

}  // namespace

bool gameMenuSaveAllowed(TGameId game, int32_t firstChipStack, int32_t phase) {
  if (phase == kPhaseDealing) return false;
  return !(game == gidPoker && firstChipStack <= 0);
}

void menuBarClick(int32_t, int32_t element) {
  if (element == elMenuButton) {
    if (screenMode == 0)
      formClose();  // the close query decides
    else
      openGameMenuDuringGame();
  } else if (is(element, elHelpButton)) {
    Tglapp::showinnerhelp();
  } else if (is(element, elNameButton)) {
    showSeatNames = showSeatNames == 0 ? 1 : 0;
  } else if (is(element, elChatButton)) {
    toggleChat();
  }
}

// [SECTION] "Game Menü", "Neues Spiel", "Extras", "Optionen"

void mainMenuClick(int32_t, int32_t element) {
  if (screenMode != 0) return;  // the menu waits while a game is on
  if (is(element, elMainMenuLoad)) {
    logNotAvailable("Tglapp.showladen");
  } else if (is(element, elMainMenuBack)) {
    if (editionGame != gidNone)
      formClose();
    else
      closeMenu(dlgMainMenu);
  } else if (is(element, elMainMenuExtras)) {
    setElementEnabled(dlgExtras, elExtrasTutorial, 1);
    openMenu(dlgExtras);
  } else if (is(element, elMainMenuOptions)) {
    openMenu(dlgOptions);
  } else if (is(element, elMainMenuNewGame)) {
    openMenu(dlgNewGame);
  }
}

void newGameClick(int32_t, int32_t element) {
  if (is(element, elNewGameBack))
    closeMenu(dlgNewGame);
  else if (is(element, elNewGameSingle))
    Tglapp::CallEinzelspielDialog();
  else if (is(element, elNewGameNetwork))
    logNotAvailable("the network dialogs");
  else if (is(element, elNewGameInternet))
    logNotAvailable("the internet lobby");
}

void extrasClick(int32_t, int32_t element) {
  if (is(element, elExtrasBack)) {
    closeMenu(dlgExtras);
  } else if (is(element, elExtrasHelp)) {
    logNotAvailable("Tglapp.buildhelp");
  } else if (is(element, elExtrasCredits)) {
    if (dlgCredits == 0) return;
    elementOf(dlgCredits, elCreditsText).scrollOffset = -100.0f;
    openMenu(dlgCredits);
  } else if (is(element, elExtrasHighscore)) {
    logNotAvailable("Tglapp.buildhighscore");
  } else if (is(element, elExtrasTutorial)) {
    logNotAvailable("tutLoadScript");
  }
}

void optionsMenuClick(int32_t, int32_t element) {
  if (is(element, elOptionsBack))
    closeMenu(dlgOptions);
  else if (is(element, elOptionsGraphics))
    showGraphicsOptions();
  else if (is(element, elOptionsSound))
    showSoundOptions();
  else if (is(element, elOptionsDisplay))
    openMenu(dlgDisplay);
}

// [SECTION] "Spielmenü"

namespace {

void endGameFromMenu() {
  freeCardAIs();
  cg.setMenuButtonCaption(0);
  if (tutorialRuns()) tutShowEndDialog();
  leaveNetGame();
  if (dlgMenuBar != 0 && elHelpButton != 0) setElementShown(dlgMenuBar, elHelpButton, 0);
  closeMenu(dlgHelpPanel);
  closeMenu(dlgTutorialPanel);
  closeMenu(dlgGameMenu);
  // The table's panels close now, before the menu opens: closed by the next frame instead,
  // each would hand the top of the dialog stack back to what lay below it, and the main menu
  // would no longer take clicks.
  for (int32_t d : {dlgInGame, dlgIPanel, dlgSkatSortMenu, dlgRommeSortMenu}) closeMenu(d);
  if (dlgStartScreen != 0) showDialog(dlgStartScreen);
  openMenu(dlgMainMenu);
  initMenuCards();
  resetGameNames();
}

void showGameListFromMenu() {
  if (cg.gs.phase == kPhaseOver) {
    closeMenu(dlgGameMenu);
    return;
  }
  cg.showStandings();
  if (dlgGameList == 0) return;
  setElementText(dlgGameList, elGameListContinue, "*Zurück", 0);
  openMenu(dlgGameList);
}

}  // namespace

void gameMenuClick(int32_t, int32_t element) {
  if (is(element, elGameMenuHelp)) {
    logNotAvailable("Tglapp.buildhelp");
  } else if (is(element, elGameMenuBack)) {
    if (screenMode == 2) cg.setMenuButtonCaption(1);
    closeMenu(dlgGameMenu);
    if (tutorialRuns() && !isDialogOpen(vtl.boxDialog)) openMenu(dlgTutorialPanel);
  } else if (is(element, elGameMenuSave)) {
    logNotAvailable("Tglapp.showspeichern");
  } else if (is(element, elGameMenuSettings)) {
    openMenu(dlgOptions);
  } else if (is(element, elGameMenuGameList)) {
    showGameListFromMenu();
  } else if (is(element, elGameMenuEnd)) {
    endGameFromMenu();
  }
}

// [SECTION] "Anzeige", the credits, the start screen

void displayClick(int32_t, int32_t element) {
  if (is(element, elDisplayBack)) {
    loadenv(false);
    closeMenu(dlgDisplay);
    return;
  }
  anzactualize(element);
}

void creditsClick(int32_t, int32_t element) {
  if (!is(element, elCreditsBack)) return;
  applyMusicChoice(false);
  closeMenu(dlgCredits);
}

void startScreenClick(int32_t, int32_t element) {
  if (element != 0 && Tglapp::isinga(element, elGameButtons)) {
    selectGame(Tglapp::getga(element, elGameButtons), element);
  } else if (is(element, elStartScreenEnd)) {
    formClose();  // the close query decides
  }
}
