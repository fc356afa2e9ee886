// The parts of Tglapp.diagcreate, each building one dialog (or a few neighbours) in its place
// of the fixed build order, and the small element helpers they share.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/game_id.h"

// [SECTION] helpers

// The menu column every menu dialog shares: a menu button is given the left value 70 and the
// width 196 and stands at x 30, 236 wide; row n lies at y 60 + 50 n, the back button at row 6.
constexpr int32_t menuLeft = 70;
constexpr int32_t menuWidth = 196;
constexpr int32_t menuTop = 60;
constexpr int32_t menuStep = 50;
constexpr int32_t menuBackRow = 6;
constexpr int32_t menuRow(int32_t row) { return menuTop + menuStep * row; }
// A menu button in row `row` of the menu column.
int32_t addMenuRowButton(int32_t row, std::string_view caption);

// The dialogs' background in the menu style, with the title at scale 1.8.
void setMenuStyle(int32_t dialog);
// A menu button: a plain button in the menu style, standing at left - 40, width + 40 wide.
int32_t addMenuButton(int32_t left, int32_t y, int32_t width, std::string_view caption);
// A picture button of text scale 1.3 sized to its caption.
int32_t addTextButton(int32_t x, int32_t y, std::string_view caption);
// A picture button in a picture style (its sub-kind), 34 x 34.
int32_t addStyledPicture(int32_t x, int32_t y, uint8_t style, std::string_view caption = {});

// [SECTION] panels (dialog_build_panels.cpp)

void buildFpsPanel();
// #ipanel; the textures are loaded between the panel and its elements.
void buildTablePanel();
// #helppanel, then the help texts of the engine's info dialog buttons and its text element.
void buildHelpPanel();
void buildTextPanel();
void buildButtonPanel();
void buildInfoPanel();
void buildChatPanel();
void buildMessageDialog();
void buildPokerPanel();
void buildClusterPanel();
// The engine's first panel filled as the menu bar and shown; nothing without that panel.
void buildMenuBar();

// [SECTION] menus and screens (dialog_build_menus.cpp)

// The graphics dialog of the engine put into the menu style.
void styleEngineGraphicsDialog();
void buildHelpDialog();
// "Game Menü"; the featured game's name and quit text come at the end of the start screen.
void buildMainMenu();
void buildGameMenu();
// The start screen, then the entrance: with a featured game selectGame opens "Game Menü" and
// the program is titled after the game; with all games the start screen opens.
void buildStartScreen();
void buildNewGameMenu();
void buildExtras();
// "Optionen" of the menus (the first "Optionen" of the build stays empty).
void buildOptionsMenu();
void buildSaveDialog();
void buildGameList();
void buildCredits();
void buildLobbyProgress();
void buildTutorialPanel();
// [SECTION] "Anzeige" (dialog_build_display.cpp)

void buildDisplayDialog();

// The options dialog of game g: title, start button and the common frame (Tglapp.maketabcon).
void buildOptionsDialog(TGameId g);
