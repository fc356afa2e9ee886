// The main window's program-wide values that the core reads and writes beside the dialog
// numbers: the screen mode, the user's gender flag and the name tables of the games.
#pragma once

#include <cstdint>
#include <string>

#include "core/game_id.h"
#include "platform/records.h"

// 0 start screen or menu; 1 a game was started or is about to start; 2 the running game is
// over or the table is idle. No game step runs while it is 2. Written by the shell and by
// TCG::setMenuButtonCaption.
extern uint8_t screenMode;
// The user's name is a woman's name; the game start takes it from the options dialog.
extern uint8_t femaleFlag;
// The featured game the program is built around (18: every game offered on the start
// screen), and whether the start screen's grid holds every game. Set by the dialog build.
extern TGameId editionGame;
extern uint8_t editionAllGames;

// Display names, file-name keys and saved-game codes by game id, at most gameNameMax
// characters each. The game start copies a
// variant's row into its base row; resetGameNames puts the base rows back.
extern LArray<std::string, 0, gidNone - 1> gameNames;
extern LArray<std::string, 0, gidNone - 1> gameKeys;
extern LArray<std::string, 0, gidNone - 1> gameCodes;
constexpr size_t gameNameMax = 50;

// Fills the three tables (names of some games come from the text table).
void fillGameNames();
// Tglapp.resetGameNames: the rows of Schnapsen, Blackjack and Rommé back to their own, and
// a variant that ran under its base game (flag set) becomes the current and options game.
void resetGameNames();
