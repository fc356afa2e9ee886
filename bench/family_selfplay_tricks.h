// Hearts' and Jass's part of the family self-play bench.
#pragma once

// Plays --game hearts or jass with the bench's arguments and prints its figures; the exit
// code is 1 when a game stalled, alerted, refused an answer or replaced a card.
int runTrickGameSelfPlay(int argc, char** argv);
