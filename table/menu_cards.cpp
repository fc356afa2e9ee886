// The start screen's flying cards. Not drawn yet: each routine says so once in proto3.txt.
#include "table/menu_cards.h"

#include "engine/engine_services.h"

void initMenuCards() {
  logNotAvailable("initMenuCards");
}

void drawMenuCards() {
  logNotAvailable("drawMenuCards");
}
