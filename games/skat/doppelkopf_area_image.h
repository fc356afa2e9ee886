// Doppelkopf's area in a saved game: its fields in the image, and the shared trick lists
// copied into the area before saving and back after loading.
#pragma once

struct TGameState;
class TRecordIo;

// The Doppelkopf area, with its two saved trick lists, at its place in the game-state image.
void doppelkopfAreaImageIo(TRecordIo& io, TGameState& gs);
// trickBySeat and trickCards into the game state's area, and back (the latter also points
// the module at the loaded area).
void doppelkopfListsToArea();
void doppelkopfListsFromArea();
