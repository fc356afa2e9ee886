// TGameResult: what every game hands to TCG::endRound at its end.
#pragma once

#include <cstdint>
#include <string>

#include "platform/records.h"

enum : uint8_t {
  resultFinished = 0,  // a finished game to record
  resultReplayed = 1,  // replayed after loading a game saved between games; nothing is recorded
};

struct TGameResult {
  uint8_t kind = resultFinished;
  int32_t mainSeat = 0;                // the winner or declarer, 1..6
  int32_t extra1 = 0;                  // the game's own; the core neither reads nor writes it
  uint8_t won = 0;                     // the main seat won
  int32_t extra2 = 0;                  // the game's own; the core neither reads nor writes it
  LArray<int32_t, 1, 6> values{};      // per seat: the new row's cells, added to the totals
  int32_t cardPoints = 0;              // the game's own (Skat: the declarer's card points)
  std::string text;                    // the game list's row text
  std::string longText;                // a longer text the game's result text may show
};
