// Doppelkopf and Schafkopf trump tests. Their contracts do not exist yet, so no card is
// a trump; the games' rules replace these answers when they are built.
#include "games/skat/trump_tests.h"

bool schafkopfIsTrump(const TCard&) { return false; }
