// Tglapp.diagcreate: every dialog of the main window, in the fixed order.
#include "shell/game_dialogs.h"
#include "shell/main_window.h"

void Tglapp::diagcreate() { buildGameDialogs(); }
