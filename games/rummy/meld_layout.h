// The meld layout's numbers: where the melds of k12 lie on the table, and how a card lies
// within its meld (Tk12Container::meldCardPose and meldCardTarget, in meld_layout.cpp).
#pragma once

#include <cstdint>

// The meld cards' scale by the number of cards on the meld-table stack.
float cardScaleForDeckSize();
// Horizontal shift of the rows seen from above, by the difference of the sides' meld counts.
float meldLayoutWidth();
// Shift of the own rows seen from above, by the number of meld cards.
float meldLayoutStep();
// The lift of a wild card flying into a meld: 0 at both ends, 420 at 0.2.
float easeCurve(float p);
