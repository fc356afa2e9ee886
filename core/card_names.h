// Card names in the chosen face style, the Blackjack shoe, random computer opponents, the
// ace-low order of a poker straight and the bet-decision test.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "core/cg.h"
#include "platform/records.h"

// Filled by fillCardNameTables when the shell builds its dialogs. Rows are the blocks of
// the flat tables (flat index (row - 1) * 21 + rank and (row - 1) * 31 + n): rank names
// 1 French, 2 German, 3 English, 4 plural forms, 5 English words; suit names 1..3.
// Row 1 of the suit names also holds the contract names by code (10 "Null", 11 "Grand", ...).
extern LArray<LArray<std::string, 0, 20>, 1, 5> rankNameTable;
extern LArray<LArray<std::string, 0, 30>, 1, 3> suitNameTable;
// Both tables from the text table's suit, rank and plural keys and the fixed names; every
// entry without a name is emptied.
void fillCardNameTables();

// 61 first names: female at 0..29, male at 30..59, 60 empty. firstNameCount names a half.
extern LArray<ShortString<10>, 0, 60> firstNameTable;
extern int32_t firstNameCount;

// Character codes of the suit symbols: 151 + suit in the French set, 155 + suit in the German.
constexpr int frenchSuitChar = 151;
constexpr int germanSuitChar = 155;

std::string deckRankName(int rank);
std::string cardName(const TCard& c);
std::string cardSymbolText(const TCard& c);
std::string cardShortCode(const TCard& c);
std::string cardShortCodeW(TShortCard c);

// The Blackjack shoe on stack 11: `deckCount` decks of ranks 1..13 (fillShoe32: 1..8)
// in suits 1..4, deck by deck. Writes rank and suit only and returns the number written;
// the caller sets the stack's count. Decks beyond the stack's 166 slots are refused.
int fillShoe52(int32_t deckCount);
int fillShoe32(int32_t deckCount);
void shuffleShoe();

void randomOpponent(TPlayerRecord& rec);
void pokerWheelOrder(THand64& h);
bool isBetDecisionKind(int32_t kind);
void logNothing(const std::string& text);
