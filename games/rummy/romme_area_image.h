#pragma once

class TRecordIo;
struct TGameState;

// The fields of the Rommé area in the saved image, at the area's place in the block.
void rommeAreaImageIo(TRecordIo& io, TGameState& gs);
