// Poker's registration with the core: its table of calls for game id 8.
#pragma once

class TRecordIo;
struct TChipSeat;

// Registers poker's table of calls; the program and the tests call it as they start.
void registerPokerGame();

// A seat record of poker or Blackjack (both keep `TChipSeat`s) in the saved image.
void chipSeatImageIo(TRecordIo& io, TChipSeat& s);
