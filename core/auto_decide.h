// The automatic decision: a legal move for the seat to act without any strategy. The whole
// computer player of War, Go Fish and Old Maid without card-AI objects, the base card-AI
// object's move, and the turn clock's answer when the user's time ran out.
#pragma once

// expired: the turn clock ran out; it then prefers a safe, fixed answer over a random one.
// Acts only through TCG::submitAction.
void autoDecide(bool expired);
