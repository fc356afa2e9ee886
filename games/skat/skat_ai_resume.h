// The computer player's per-seat data after a saved game was loaded: the file keeps the
// cards of every stack but not the extras of their hand copies, nor the module's profiles.
#pragma once

// Brings back the seats' profiles from the game state, rates every seat's hand again as it
// was dealt and puts the declared game back into the declarer's rating. The game and bid
// records come out unchanged.
void skatRestoreAIState();
