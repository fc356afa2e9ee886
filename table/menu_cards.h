// The start screen's flying cards.
#pragma once

// initMenuCards: deals the flying cards anew and sets the table scale to 1.
void initMenuCards();
// drawMenuCards: moves and draws the flying cards behind the menus (no game on the table).
void drawMenuCards();
