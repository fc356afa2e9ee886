// The sort menus of the table (Skat's suit-game column, the Mau-Mau and Rommé pair) and the
// suit panel "#farbpanel": built closed in their places of the dialog build; the frame
// handler opens and closes the sort menus with the game state.
#pragma once

#include <cstdint>

#include "platform/records.h"

// The Skat sort buttons by sort mode (Skat's game types: 1..4 trump suits, 10 Null,
// 11 Grand); the other entries stay 0.
extern LArray<int32_t, 1, 20> elSkatSortButtons;
extern int32_t elRommeSortBySuit;
extern int32_t elRommeSortByRank;
extern LArray<int32_t, 1, 4> elFarbPanelButtons;  // "Kreuz", "Pik", "Herz", "Karo"

void buildSkatSortMenu();
void buildRommeSortMenu();
void buildFarbPanel();
void clearSortMenuNumbers();

// A click on Skat's sort menu: the user's hand (stack 1) sorted for the button's mode.
void skatSortMenuClick(int32_t dialog, int32_t element);
// A click on the Mau-Mau and Rommé sort menu: the game's sort mode (1 by rank, 0 by suit).
void rommeSortMenuClick(int32_t dialog, int32_t element);
