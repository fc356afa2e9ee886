// Jass's registration with the core: its table of calls for game id 12.
#pragma once

#include "core/record_io.h"
#include "games/family/jass_state.h"

// Registers Jass's table of calls; the program and the tests call it as they start, before
// any game.
void registerJassGame();
// The area's fields in the saved image, in order.
void jassAreaIo(TRecordIo& io, TJassState& a);
