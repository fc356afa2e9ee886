// The frame every game's options dialog shares: its tab pages, the shared rows, the reactions
// to its buttons, the refresh calls into the games' options code, and the game selection
// that comes before a dialog is opened. Tglapp.maketabcon, makeAmericanSettings and ziehrunter
// are members of Tglapp (main_window.h) and live in options_frame.cpp.
#pragma once

#include <cstdint>
#include <string>

#include "core/game_id.h"

// Makes g the current and the options game, titles the game menu after it, fills the
// computer players' names and opens the game menu. `element` is the pressed game button of
// the start screen (0 at start-up); it chooses poker's variant.
void selectGame(TGameId g, int32_t element);

// [SECTION] pages

constexpr int32_t pageGeneral = 1;  // "Allgemein"
constexpr int32_t pageRules = 2;    // "Regeln"
constexpr int32_t pageScoring = 3;  // "Abrechnung" (only Canasta has its button)

// The selector shows entry `value`; it and the element before it (its label) go on page 3.
void presetChoice(int32_t dialog, int32_t element, int32_t value);
// The check box's state, and the box on page 3.
void presetCheck(int32_t dialog, int32_t element, uint8_t checked);
void setElementPage2(int32_t dialog, int32_t element);

// How far the dialog build's last step (Tglapp.ziehrunter) moves the elements of dialog d
// down: 18 or 8 for a tall dialog without a "#" title, else 0.
int32_t finalShift(int32_t dialog);

// [SECTION] reactions

// The game whose options dialog d is; gidNone for any other dialog.
TGameId optionsGameOf(int32_t dialog);
// An element of an options dialog was activated (the event channel's route).
void optionsDialogClick(int32_t dialog, int32_t element);
// An element of "Kontra", "Bock und Ramsch" or "Um Geld spielen": element 2 closes it.
void skatSubDialogClick(int32_t dialog, int32_t element);
// "\data\settings\di_" + dialog + suffix, below the program folder.
std::string presetFileName(int32_t dialog, const char* suffix);

// A game's refresh operation: (changed element or 0 on opening, 1 after a selector's left
// arrow). Games register theirs here; a game in the refresh list without one is reported as
// not available. Skat's is called directly.
using TOptionsRefresh = void (*)(int32_t element, int32_t decrement);
void setOptionsRefresh(TGameId g, TOptionsRefresh refresh);
