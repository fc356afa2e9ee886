// The game options dialog frame: choosing the current game.
#pragma once

#include <cstdint>

#include "core/game_id.h"

// selectGame: makes g the current and selected game, titles "Game Menü" with its name and
// opens that menu; element is the start screen's button that chose it (0 none).
void selectGame(TGameId g, int32_t element);
