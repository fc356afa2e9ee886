// Schafkopf's side of the table: the options record at a new list, the new game, the resume
// after loading, and what the table shows of the seats (plates, icons).
#pragma once

#include <cstdint>

#include "platform/records.h"

// Name-plate pictures of a seat. skfPlateNone shows no picture (the seat passed).
enum : uint8_t {
  skfPlateNone = 0,
  skfPlatePlain,
  skfPlateWantsToPlay,
  skfPlateRe,
  skfPlateKontra,
  skfPlateSie,
  skfPlateWenz,
  skfPlateGeier,
  skfPlateBettel,
};

// What schafkopfRefreshPlayers chose for the table overlay; the main window draws it.
struct TSchafkopfTableMarks {
  LArray<uint8_t, 1, 4> plates;  // by seat
  int32_t suitIcon;              // the called suit during a Rufspiel's trick play, else 0
  uint8_t ramschIcon;            // a Ramsch is played
  uint8_t kontraIcon;            // Kontra was said
  uint8_t reIcon;                // Re was said
};
extern TSchafkopfTableMarks schafkopfTableMarks;

// Four seats; the options record as the options dialog leaves it. Until that dialog is
// built the record is the one tests and the start fill (schafkopfDefaultOptions when empty).
void schafkopfReadOptions();
void schafkopfNewGame(bool newList);
// After loading: the trump order and cardValues again (the image does not hold them), the
// trick's cards back in their seats' places, the table display.
void schafkopfResume();
// Chooses the plates and icons from the phase, the bidding and the user's party view.
void schafkopfRefreshPlayers();
