// Doppelkopf's registration with the core: its table of calls for game id 5.
#pragma once

// Registers Doppelkopf's table of calls; the program and the tests call it as they start,
// before any game.
void registerDoppelkopfGame();
