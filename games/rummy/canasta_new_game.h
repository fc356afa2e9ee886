// A new Canasta game: the option numbers, the stock, the teams with the per-game flags, the
// dealer; and the table again after a saved game was loaded.
#pragma once

#include <cstdint>
#include <string_view>

// The leading number of an option item or value text ("6 Runden" 6, "1000 Punkte" 1000);
// 99999 when the text does not start with a digit.
int32_t canastaParseOptionNumber(std::string_view text);
// Fills the stock (stack 11) with the packs, shuffles it and empties the meld table.
void canastaBuildDeck();
// Partners sit opposite with teams; the per-seat flags of a game start cleared.
void canastaResetSeats();
// The dealer of the next game; newList starts from the first dealer.
int32_t canastaChooseDealer(bool newList);

// The options of a new list. The options dialog comes later: until then the options record
// is filled by its callers, and only the computed count of cards is taken here.
void canastaReadOptions();
// The next game of the list; newList starts a new list.
void canastaNewGame(bool newList);
// The table after loading (phase 0, before the seats are restored).
void canastaResume(int phase);
