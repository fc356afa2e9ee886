// Owner of the game state object.
#include "core/cg.h"

TCG cg;

int32_t stat0 = 0, stat1 = 0, stat2 = 0, stat3 = 0, stat4 = 0, stat5 = 0, stat6 = 0, stat7 = 0;

// Old Maid, the one game that lets the user take cards from another hand, is not built yet;
// every other game selects from seat 1.
int32_t TCG::lastActiveSeat() const { return 1; }
