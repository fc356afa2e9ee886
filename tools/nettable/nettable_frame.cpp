// The main loop's frame of nettable's games (apart: the card table names its own frame step).
#include "engine/frame_loop.h"
#include "tools/nettable/nettable_game.h"

void tableGameFrame() { frameStep(false); }
