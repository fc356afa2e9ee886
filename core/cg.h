// The card-game state object TCG and its one instance cg: the state of the running game.
// Only the fields the card lists and helpers read exist so far.
#pragma once

#include <cstdint>

#include "core/game_id.h"
#include "platform/records.h"

// One seat's player: name, gender and voice.
struct TPlayerRecord {
  ShortString<255> name;
  uint8_t female;  // non-zero for a woman's name
  uint8_t voice;   // 1..6: 1..3 female voices, 4..6 male
};

class TCG {
 public:
  TGameId gameId = gidNone;  // the current game; written by the game start, shell, network glue
};

extern TCG cg;
