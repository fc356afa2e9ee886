// Schafkopf's registration with the core: its table of calls for game id 6, and its area in
// the saved game.
#pragma once

class TRecordIo;
struct TGameState;

// Registers Schafkopf's table of calls; the program and the tests call it as they start,
// beside Skat's.
void registerSchafkopfGame();

// The Schafkopf area and the two trick lists saved beside it, at their place in the image.
// The trump list is left out: the resume builds it again from the applied contract.
void schafkopfAreaImageIo(TRecordIo& io, TGameState& gs);
// The shared trick lists into the game state's copy before saving, and back after loading.
void schafkopfListsToArea();
void schafkopfListsFromArea();
