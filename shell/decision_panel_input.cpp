// The decision panel's clicks and hover preview.
#include "shell/decision_panel_input.h"

#include "shell/main_window.h"

void decisionPanelClick(int32_t element) { (void)element; }

void Tglapp::mouseover(int32_t, int32_t) {}

void Tglapp::mouseout(int32_t, int32_t) {}
