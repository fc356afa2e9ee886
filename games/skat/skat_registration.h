// Skat's registration with the core: its table of calls for game id 1.
#pragma once

// Registers Skat's table of calls; the program and the tests call it as they start, before
// any game.
void registerSkatGame();
