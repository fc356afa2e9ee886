// The start screen's flying cards. Not drawn yet: each routine says so once in the trace.
#include "table/menu_cards.h"

#include "engine/engine_services.h"

void initMenuCards() {
  static bool told = false;
  if (!told) trace("initMenuCards: the start screen's cards are not available");
  told = true;
}

void drawMenuCards() {
  static bool told = false;
  if (!told) trace("drawMenuCards: the start screen's cards are not available");
  told = true;
}
