// Hearts' registration with the core: its table of calls for game id 13 and its card-AI
// factory.
#pragma once

#include "core/record_io.h"
#include "games/family/hearts_state.h"

// Registers Hearts' table of calls and createHeartsAI; the program and the tests call it as
// they start, before any game.
void registerHeartsGame();
// The area's fields in the saved image, in order.
void heartsAreaIo(TRecordIo& io, THeartsState& a);
