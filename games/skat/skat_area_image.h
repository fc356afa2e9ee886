// Skat's area in a saved game: its fields in the image, and the module-level lists copied
// into the game state before saving and back after loading.
#pragma once

struct TGameState;
class TRecordIo;

// The Skat area and its saved lists, at their place in the game-state image.
void skatAreaImageIo(TRecordIo& io, TGameState& gs);
// The module-level lists, flag and text into the game state's copy, and back (the latter
// also points skatGame and skatBid into the loaded area).
void skatListsToArea();
void skatListsFromArea();
