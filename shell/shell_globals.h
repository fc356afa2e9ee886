// Program-wide values of the main window that the core, the card table and the games read.
#pragma once

#include <cstdint>

// Number of seats of the running game; copied from cg.seatCount at every new game.
extern int32_t playerCount;

// The main window's general message dialog; 0 until the main window builds it. The engine's
// text-dialog filler places that dialog's button differently.
extern int32_t dlgMessage;

// True while this machine hosts or has joined a network game. No network transport exists
// yet, so never.
bool isNetGame();
