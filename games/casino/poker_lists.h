// Between poker hands: the seats at the table, the blind schedule, the seats that can no
// longer pay the blind, the end of the match, the list text and the highscore entry.
#pragma once

#include <cstdint>
#include <string>

// Seats 1..playerCount: in the hand (state 1), at the table (state not 0).
bool seatInGame(int32_t seat);
int32_t seatsInGame();
bool seatOccupied(int32_t seat);
int32_t occupiedSeats();

// The big blind by the schedule after the games played so far.
int32_t currentBlind();
// Occupied seats, less those of seats 2.. that cannot pay the blind.
int32_t seatsAbleToPayBlind();
// The highscore value of a place: 60,000 for place 0, else (7 - place) x 10,000, plus the
// strength and the games (at most 499, so they never reach the strength digit).
int32_t pokerHighscoreValue(int32_t place, int32_t lowestSkill, int32_t gamesPlayed);
std::string pokerHighscoreValueText(int32_t value);
// After every hand: the blinds for the next one; true when the match is over.
bool pokerIsListOver();
std::string pokerListText();
// Enters the user's match score in the table of the variant (6 seats only).
std::string pokerEnterHighscore();
// 3 Split Limit, 2 Pot Limit, 1 No Limit.
int pokerVariantTable();
