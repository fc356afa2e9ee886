// Game numbers (TGameId) shared by the whole program.
#pragma once

#include <cstdint>

using TGameId = uint8_t;

// 10, 11 and 14 exist for names, options and highscores; starting one of them runs
// game 7, 9 or 3 with a variant flag. 18 means no game.
enum : TGameId {
  gidMauMau = 0,
  gidSkat = 1,
  gidSchwimmen = 2,
  gidRomme = 3,
  gidCanasta = 4,
  gidDoppelkopf = 5,
  gidSchafkopf = 6,
  gidSchnapsen = 7,
  gidPoker = 8,
  gidBlackjack = 9,
  gidSechsundsechzig = 10,
  gidSiebzehnUndVier = 11,
  gidJass = 12,
  gidHearts = 13,
  gidGinRummy = 14,
  gidWar = 15,
  gidGoFish = 16,
  gidOldMaid = 17,
  gidNone = 18,
};
