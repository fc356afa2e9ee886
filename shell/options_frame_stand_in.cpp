// Stand-in for the game options dialog frame until it is built: says so and changes nothing.
#include "engine/engine_services.h"
#include "shell/options_frame.h"

void selectGame(TGameId, int32_t) { logNotAvailable("selectGame"); }
