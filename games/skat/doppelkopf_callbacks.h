// Doppelkopf's calls from the core: the options, a new game, the resume after loading, the
// table display after every step and the debug statistics of the party guesses.
#pragma once

#include <cstdint>
#include <string>

// The options dialog is the shell's: until it is built the options record of the area holds
// the options (a blank record takes the defaults). Doppelkopf always seats four.
void doppelkopfReadOptions();
// A game of the running list, or (newList) the first of a new one: the table cleared, the
// deck shuffled onto the stock, every record of the game cleared, the next dealer to act.
void doppelkopfNewGame(bool newList);
// After loading, before the seats come back (phase 0): the module points at the loaded area,
// the trump order and card values are rebuilt and the trick's cards lie where their seats
// put them.
void doppelkopfResume(int phase);

// Name-plate pictures a seat can show, as the user's view of the parties decides.
enum : int32_t {
  doppelkopfPlateNone = 0,
  doppelkopfPlatePlain = 1,
  doppelkopfPlateRe = 2,
  doppelkopfPlateKontra = 3,
  doppelkopfPlateSolo = 10,  // + the solo type 1..8: the soloist's picture of his solo
};

// The table display: each seat's plate, the markers of the announced levels and the seat
// marks of the trick specials.
void doppelkopfRefreshPlayers();
int32_t doppelkopfSeatPlate(int32_t seat);
// Markers shown for a party's announced levels (0..5).
int32_t doppelkopfAnnouncementMarkers(bool kontraSide);

// Counts every undecided seat of every seat's view by its guess (undecided, right, wrong)
// into the list's totals and writes them as a text.
void doppelkopfShowPartyGuessStats();
const std::string& doppelkopfPartyGuessText();
