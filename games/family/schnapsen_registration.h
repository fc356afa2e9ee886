// Schnapsen's table of calls (Sechsundsechzig runs as Schnapsen with the variant flag).
#pragma once

class TRecordIo;
struct TGameState;

// The fields of Schnapsen's area in the saved image.
void schnapsenAreaIo(TRecordIo& io, TGameState& gs);
void registerSchnapsenGame();
