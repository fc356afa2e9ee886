// Poker's registration with the core: its table of calls for game id 8.
#pragma once

// Registers poker's table of calls; the program and the tests call it as they start.
void registerPokerGame();
