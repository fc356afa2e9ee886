// Jass's Weis (melds): the kinds a hand holds, their names, the keys that break ties and the
// options a seat is offered.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"

// The Weis of a class (200, 150, 100, 50, 20) in the dealt hand of the seat to act; empty
// when it holds none. The seat's stack list is refreshed; the mode's order stays in force.
void jassWeisKind(int32_t seat, int32_t weisClass, THand& cards);
bool jassHasWeis(const THand& cards);
// The longest run of a sorted list (an equally long one with a higher top card replaces it).
int32_t jassFindSequences(const THand& sorted, THand& best);
bool jassIsNextInSequence(const TCard& a, const TCard& b);
// Style 1 the name, 2 with the top rank, 3 with the top card, 4 the announcement place,
// 5.. the full name with the cards, 55 only the cards.
void jassWeisName(const THand& cards, int32_t style, int32_t seat, std::string& text);
int32_t jassWeisTieKey(const THand& cards, int32_t level, int32_t seat);
// The options of the seat to act (only with Weis on): the classes not below the best so far.
void jassCollectWeisOptions();
void jassAddWeisOption(const std::string& text, int32_t value);
