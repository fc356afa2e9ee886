// The table overlay panels' reactions to clicks.
#include "shell/main_window.h"

void Tglapp::ktausch() {}
