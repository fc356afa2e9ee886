// Trump tests of Doppelkopf and Schafkopf, asked by the shared card-list filters.
#pragma once

#include "core/cards.h"

// True when the card belongs to the trump set of the running Doppelkopf game type.
bool doppelkopfIsTrump(const TCard& c);
// True when the card belongs to the trump set of the running Schafkopf contract.
bool schafkopfIsTrump(const TCard& c);
