// The Schafkopf and Doppelkopf computer players' debug texts: the hidden labels of the debug
// panel, held here as plain texts (the panel shows them when it is drawn), and the short
// evaluation line `aiDebugText`. Play never reads them back.
#pragma once

#include <cstdint>
#include <string>

#include "games/skat/party_knowledge.h"

extern std::string aiDebugText;

// Labels 1..10: 1..4 the party views of seats 1..4; 5..8 the card choice of seats 1..4 (the
// candidates' values, or "#" after a lead); 9 the terms of the chosen candidate; 10
// Doppelkopf's party-guess statistics. Any other number reads empty and writes nothing.
constexpr int32_t debugLabelCount = 10;
constexpr int32_t debugLabelOfSeat(int32_t seat) { return seat >= 1 && seat <= 4 ? 4 + seat : 0; }
constexpr int32_t debugLabelChoice = 9;
constexpr int32_t debugLabelGuesses = 10;
const std::string& debugLabelText(int32_t label);
void setDebugLabelText(int32_t label, const std::string& text);

// One view as a line: each seat's entry " " (undecided), "R" (10), "K" (11) or "f" (any
// other value), the viewer's own in brackets, e.g. "R[K] K".
std::string partyViewDebugLine(const TPartyView& view, int32_t viewer);
// Views 1..4 into labels 1..4.
void showPartyViewsDebug(const TPartyViews& views);
