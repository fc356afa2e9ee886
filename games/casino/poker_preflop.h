// The preflop table: per starting hand (two ranks, suited or not) and 2..7 players the
// chance that no opponent beats the seat at the showdown, ties counting as won, as a byte
// (chance x 255). Built by our own seeded Monte Carlo, which the table tool runs at build
// time and the program runs at start-up, with fewer deals, when the file is unusable.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/cards.h"

constexpr int preflopTableSize = 2028;
constexpr int64_t preflopToolDeals = 2000000;   // deals per starting hand in the shipped file
constexpr int64_t preflopStartupDeals = 20000;  // deals per starting hand when the file fails
constexpr uint64_t preflopToolSeed = 22;

using TPreflopTable = std::array<uint8_t, preflopTableSize>;

// 1 for a 2 .. 13 for an ace; 0 for anything else.
int32_t preflopRankIndex(int32_t rank);
// Byte offset of r1, r2 (0 = 2 .. 12 = ace), suited 0/1 and 2..7 players.
int32_t preflopOffset(int32_t r1, int32_t r2, int32_t suited, int32_t players);

// Plays `deals` seeded deals per starting hand: six opponent hands and a board, the first
// k - 1 opponents serving k players. Each starting hand draws from a generator of its own
// seeded by (seed, hand), so the bytes do not depend on the thread count. Both rank orders
// get the same byte; the impossible suited pair gets the unsuited one.
void buildPreflopTable(TPreflopTable& table, int64_t deals, uint64_t seed, int threads);
// The share of deals a starting hand wins, per 2..7 players (index players - 2).
std::array<double, 6> preflopHandShares(int32_t r1, int32_t r2, bool suited, int64_t deals, uint64_t seed);

// The table in use.
TPreflopTable& preflopTable();
// Reads the table from the program folder unless it was read already: a game never plays
// on a table that was not filled, where every chance would be 0.
void pokerEnsurePreflopTable();
// Reads folder + "\data\pfp.txt". A missing file, or one of another size, is logged and the
// table is built with the start-up deal count instead; the answer says whether the file served.
bool loadPreflopTable(const std::string& folder);
// Table byte / 255 for the seat's first and second card and 2..7 players.
float preflopWinChance(const TCard& card1, const TCard& card2, int32_t players);
