// The menus outside the card table: their element numbers and their reactions to clicks.
// "Game Menü", "Neues Spiel", "Spielmenü", "Extras", "Optionen", "Anzeige", the credits, the
// start screen and the menu bar; the dialogs are built in shell/dialog_build_menus.cpp and
// shell/dialog_build_display.cpp, the reactions live in shell/menus.cpp.
//
// [SECTION] element numbers
// [SECTION] reactions
#pragma once

#include <cstdint>

#include "shell/game_dialogs.h"

// [SECTION] element numbers (0 until the dialog build made them; cleared by clearMenuElements)

// "Game Menü"
extern int32_t elMainMenuBack;       // "Zurück", with the featured game "f_menu_quitgame"
extern int32_t elMainMenuNewGame;    // "Neues Spiel"
extern int32_t elMainMenuLoad;       // "Spiel laden"
extern int32_t elMainMenuOptions;    // "Optionen"
extern int32_t elMainMenuExtras;     // "Extras"
extern int32_t elMainMenuHeadline1;  // empty but for poker; written by selectGame
extern int32_t elMainMenuHeadline2;
// "Neues Spiel"
extern int32_t elNewGameBack;
extern int32_t elNewGameSingle;      // "Einzelspiel"
extern int32_t elNewGameTournament;  // "Turnier": hidden, no reaction
extern int32_t elNewGameNetwork;     // "Netzwerkspiel"
extern int32_t elNewGameInternet;    // "Internetspiel"
// "Spielmenü" (its "Speichern" is elGameMenuSave of game_dialogs.h)
extern int32_t elGameMenuBack;       // text of "f_Zurück2"
extern int32_t elGameMenuEnd;        // text of "f_spielbeenden"
extern int32_t elGameMenuSettings;   // "Einstellungen"
extern int32_t elGameMenuHelp;       // "Hilfe"
extern int32_t elGameMenuGameList;   // "Spielliste"
extern int32_t elGameMenuHeadline1;
extern int32_t elGameMenuHeadline2;
// "Extras"
extern int32_t elExtrasBack;
extern int32_t elExtrasTutorial;     // text of "f_tutorialtitel"
extern int32_t elExtrasHelp;         // "Hilfe"
extern int32_t elExtrasHighscore;    // "Bestenliste"
extern int32_t elExtrasCredits;      // "Mitwirkende"
// "Optionen"
extern int32_t elOptionsBack;
extern int32_t elOptionsGraphics;    // "Grafik"
extern int32_t elOptionsSound;       // "Sound"
extern int32_t elOptionsDisplay;     // "Anzeige"
// the credits
extern int32_t elCreditsBack;
extern int32_t elCreditsText;        // the text box of the credits
// the start screen: a button per game id (0 where the grid has no cell), "Ende", the title
extern TGameElements elGameButtons;
extern int32_t elStartScreenBlank;   // an empty label; no reaction
extern int32_t elStartScreenEnd;     // "Ende"
extern int32_t elStartScreenTitle;   // the title picture, hidden
// "Anzeige": labels of the rows the start-up shows or hides (the selectors are in
// shell/display_settings.h)
extern int32_t elDisplayBack;        // "Zurück" (element 2)
extern int32_t elDisplayStyleLabel;  // "Kartenbild"
extern int32_t elDisplayFadeLabel;   // "Ausblenden"
extern int32_t elDisplayOrderLabel;  // "Richtung"

void clearMenuElements();

// [SECTION] reactions (one per dialog; the event channel routes the clicks here)

void menuBarClick(int32_t dialog, int32_t element);
void mainMenuClick(int32_t dialog, int32_t element);
void newGameClick(int32_t dialog, int32_t element);
void gameMenuClick(int32_t dialog, int32_t element);
void extrasClick(int32_t dialog, int32_t element);
void optionsMenuClick(int32_t dialog, int32_t element);
void displayClick(int32_t dialog, int32_t element);
void creditsClick(int32_t dialog, int32_t element);
void startScreenClick(int32_t dialog, int32_t element);

// "Speichern" of "Spielmenü" may be offered: not while dealing (phase 1), nor in poker when
// the user's first chip stack is empty.
bool gameMenuSaveAllowed(TGameId game, int32_t firstChipStack, int32_t phase);

// "Anzeige" as the start-up leaves it: the card face row shown and usable, the fading and
// direction rows hidden.
void displayStartState();
// The card face row ("Kartenbild" and its selector with the selector's parts) shown and
// enabled; selectGame does it for every game but poker.
void showCardFaceRow();
