// Owner of the game state object.
#include "core/cg.h"

TCG cg;
