// The table overlay panels' reactions to clicks.
#include "shell/panels.h"

#include "shell/main_window.h"

bool panelClick(int32_t dialog, int32_t element) {
  (void)dialog;
  (void)element;
  return false;
}

void Tglapp::ktausch() {}
