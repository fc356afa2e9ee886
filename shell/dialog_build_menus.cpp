// The menus and screens of the dialog build: each made at its place in the order with its
// title and kind, and with the elements that code already refers to.
#include <string>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/frames.h"
#include "engine/texts.h"
#include "shell/dialog_build.h"
#include "shell/game_dialogs.h"
#include "shell/table_textures.h"

namespace {

constexpr int32_t menuLeft = 70;    // a menu button stands at 70 - 40 = 30
constexpr int32_t menuWidth = 196;  // and is 196 + 40 wide
constexpr int32_t menuTop = 60;
constexpr int32_t menuStep = 50;

int32_t menuRow(int32_t row) { return menuTop + menuStep * row; }

// A list's caption and place; the engine adds its arrows and scroll bar behind it.
int32_t addList(int32_t x, int32_t y, const char* caption, int32_t width, int32_t height) {
  return addElement(ekListBox, x, y, caption, width, height, 0.0f, 1.0f);
}

}  // namespace

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

void buildGameMenu() {
  dlgGameMenu = createStandardDialog(3, "Spielmenü");
  addMenuButton(menuLeft, menuRow(6), menuWidth, lookupText("f_Zurück2"));
  addMenuButton(menuLeft, menuRow(0), menuWidth, lookupText("f_spielbeenden"));
  elGameMenuSave = addMenuButton(menuLeft, menuRow(1), menuWidth, "Speichern");
}

void buildStartScreen() {
  dlgStartScreen = createStandardDialog(3, vtl.applicationTitle);
  TVTLDialog& d = dialogOf(dlgStartScreen);
  d.y = int16_t(d.y - 20);
  d.height = int16_t(d.height + 40);
  d.width = 500;
  d.x = (810 - 500) / 2;
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

void buildDisplayDialog() {
  dlgDisplay = createStandardDialog(1, "Anzeige");
  // The direction of play; hidden, the core reads it.
  elSeatOrderList = addElement(ekSelector, 20, 60, "", 200, 30, 0.0f, 1.0f);
  addItem(elSeatOrderList, "Im Uhrzeigersinn", 0);
  addItem(elSeatOrderList, "Gegen den Uhrzeigersinn", 0);
  setTopIndex(dlgDisplay, elSeatOrderList, 1);
  setElementShown(dlgDisplay, elSeatOrderList, 0);
}

void buildCredits() {
  dlgCredits = createStandardDialog(1, " ");
  TVTLDialog& d = dialogOf(dlgCredits);
  d.x = int16_t(d.x + 50);
  d.width = int16_t(d.width - 100);
  setMenuStyle(dlgCredits);
  setCurrentDialog(dlgCredits);
  addMenuButton(145 + 40, 445, 236 - 40, "Zurück");
  addElement(ekTextBox, 105, 0, "", 350, 460, 0.0f, 1.0f);
  for (int k = 1; k <= 3; k++) {
    elCreditsLogos[k] = addTextElement(ekPicture, 105 + 120 * (k - 1), 470, 100, 50, skFreePicture, "");
    setElementPicture(dlgCredits, elCreditsLogos[k], texCreditsLogos[k]);
  }
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
