// Canasta's area in the saved game's image, field by field, at its place among the areas.
#pragma once

class TRecordIo;
struct TGameState;

void canastaAreaImageIo(TRecordIo& io, TGameState& gs);
