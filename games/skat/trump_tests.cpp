// Doppelkopf's trump test. Its game types do not exist yet, so no card is a trump; the
// game's rules replace this answer when they are built. Schafkopf's is in its rules.
#include "games/skat/trump_tests.h"

bool doppelkopfIsTrump(const TCard&) { return false; }
