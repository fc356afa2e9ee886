// Card notation for tests: "cJ sA h10 d7 x" — suit c, s, h, d then rank 7..10, J, Q, K, A,
// 2..6; "x" alone is the joker (suit clubs). Slot numbers are 0 unless written "cJ#3".
#pragma once

#include <string>

#include "core/cards.h"

TCard card(const std::string& text);
THand handOf(const std::string& text);
THand64 hand64Of(const std::string& text);
std::string cardText(const TCard& c);
std::string handText(const THand& h);
std::string handText(const THand64& h);
// Card text with slot numbers, "cJ#3 sA#1".
std::string handSlotsText(const THand& h);

// A list filled to its capacity with sevens of clubs.
THand fullHand();
