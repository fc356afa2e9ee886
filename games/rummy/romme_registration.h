#pragma once

// Registers the table of calls of Rommé (game 3), which Gin Rummy (game 14) runs under.
void registerRommeGame();
