// The menus and screens of the dialog build: each made at its place in the order with its
// title and kind, and with the elements that code refers to. The menus' buttons stand in the
// menu column of shell/dialog_build.h; their numbers are kept in shell/menus.h.
#include <string>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/frames.h"
#include "engine/texts.h"
#include "shell/dialog_build.h"
#include "shell/game_dialogs.h"
#include "shell/menus.h"

namespace {

// A list's caption and place; the engine adds its arrows and scroll bar behind it.
int32_t addList(int32_t x, int32_t y, const char* caption, int32_t width, int32_t height) {
  return addElement(ekListBox, x, y, caption, width, height, 0.0f, 1.0f);
}

// An empty label 200 x 32 above or below a menu's title, written by the game choice.
int32_t addHeadline(int32_t y, float textScale) { return addElement(ekLabel, 0, y, "", 200, 32, 0.0f, textScale); }

}  // namespace

int32_t addMenuRowButton(int32_t row, std::string_view caption) {
  return addMenuButton(menuLeft, menuRow(row), menuWidth, caption);
}

void styleEngineGraphicsDialog() {
  if (appopt.di_vtlgrafik > 0) setMenuStyle(appopt.di_vtlgrafik);
}

void buildHelpDialog() {
  dlgHelp = createStandardDialog(1, "Hilfe");
  setMenuStyle(dlgHelp);
  TVTLDialog& d = dialogOf(dlgHelp);
  d.x = 25;
  d.y = 10;
  d.width = 747;
  d.height = 580;
  elementOf(dlgHelp, 1).y = 5;
  setCurrentDialog(dlgHelp);
  addTextButton(305, 505, "Zurück");
  addElement(ekLabel, 199, 22, "Hilfethemen", -1, -1, 0.0f, 1.4f);
  addElement(ekLabel, 529, 22, "Suchen", -1, -1, 0.0f, 1.4f);
  addList(75, 58, "Contentliste", 280, 125);
  elHelpSearchEdit = addElement(ekEdit, 425, 98, "..", 210, ifAny, 28.0f, 1.0f);
}

void buildMainMenu() {
  dlgMainMenu = createStandardDialog(3, "Game Menü");
  elMainMenuBack = addMenuRowButton(menuBackRow, "Zurück");
  elMainMenuNewGame = addMenuRowButton(0, "Neues Spiel");
  elMainMenuLoad = addMenuRowButton(1, "Spiel laden");
  elMainMenuOptions = addMenuRowButton(2, "Optionen");
  elMainMenuExtras = addMenuRowButton(3, "Extras");
  elMainMenuHeadline1 = addHeadline(-34, 1.9f);
  elMainMenuHeadline2 = addHeadline(41, 1.14f);
}

void buildGameMenu() {
  dlgGameMenu = createStandardDialog(3, "Spielmenü");
  elGameMenuBack = addMenuRowButton(menuBackRow, lookupText("f_Zurück2"));
  elGameMenuEnd = addMenuRowButton(0, lookupText("f_spielbeenden"));
  elGameMenuSave = addMenuRowButton(1, "Speichern");
  elGameMenuSettings = addMenuRowButton(2, "Einstellungen");
  elGameMenuHelp = addMenuRowButton(4, "Hilfe");
  elGameMenuGameList = addMenuRowButton(3, "Spielliste");
  elGameMenuHeadline1 = addHeadline(-34, 1.9f);
  elGameMenuHeadline2 = addHeadline(41, 1.235f);
}

void buildSaveDialog() {
  dlgSave = createStandardDialog(3, "Speichern");
  addTextButton(menuLeft, 345, "Zurück");
  addList(30, 50, "Dateiname", 234, 147);
  addElement(ekLabel, 16, 203, "Name", 180, -1, 0.0f, 1.0f);
  elSaveName = addElement(ekEdit, 81, 208, "Spiel", 183, ifFileName, 24.0f, 1.0f);
}

void buildGameList() {
  dlgGameList = createStandardDialog(1, "Spielliste");
  dialogOf(dlgGameList).stayOpen = 1;
  addElement(ekPicture, 242, 440, "Weiter", 196, 40, 0.0f, 1.3f);  // element 2
  elGameList1 = addElement(ekTable, 20, 100, "Spielliste", 580, 180, 0.0f, 1.0f);
  elGameList2 = addElement(ekTable, 20, 325, "Spielliste", 580, 60, 0.0f, 1.0f);
  elGameListCaption = addElement(ekLabel, 16, 401, "", 600, 28, 0.0f, 1.0f);
}

void buildNewGameMenu() {
  dlgNewGame = createStandardDialog(3, "Neues Spiel");
  elNewGameBack = addMenuRowButton(menuBackRow, "Zurück");
  elNewGameSingle = addMenuRowButton(0, "Einzelspiel");
  // "Turnier" shares its row with "Netzwerkspiel" and is never shown.
  elNewGameTournament = addMenuRowButton(1, "Turnier");
  elNewGameNetwork = addMenuRowButton(1, "Netzwerkspiel");
  elNewGameInternet = addMenuRowButton(2, "Internetspiel");
  setElementShown(dlgNewGame, elNewGameTournament, 0);
}

void buildExtras() {
  dlgExtras = createStandardDialog(3, "Extras");
  elExtrasBack = addMenuRowButton(menuBackRow, "Zurück");
  elExtrasTutorial = addMenuRowButton(0, lookupText("f_tutorialtitel"));
  elExtrasHelp = addMenuRowButton(1, "Hilfe");
  elExtrasHighscore = addMenuRowButton(2, "Bestenliste");
  elExtrasCredits = addMenuRowButton(3, "Mitwirkende");
}

void buildOptionsMenu() {
  dlgOptions = createStandardDialog(3, "Optionen");
  elOptionsBack = addMenuRowButton(menuBackRow, "Zurück");
  elOptionsGraphics = addMenuRowButton(1, "Grafik");
  elOptionsSound = addMenuRowButton(2, "Sound");
  elOptionsDisplay = addMenuRowButton(0, "Anzeige");
}

void buildLobbyProgress() {
  dlgLobbyProgress = createDialog(90, 240, 620, 120, false, std::string(1, '\0') + "Internetspiel", false, 0, 1.5f);
  elementOf(dlgLobbyProgress, 1).textScale = 1.8f;
  addSimpleElement(ekLabel, 60, 40, "Info");
}

void buildTutorialPanel() {
  dlgTutorialPanel = createDialog(40, 442, 720, 163, false, "#TutorialPanel", true, 0, 1.0f);
  setMenuStyle(dlgTutorialPanel);
}
