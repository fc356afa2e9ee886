// Owner of Skat's program-wide records.
#include "games/skat/skat_state.h"

const LArray<int32_t, 1, 15> skatCardPoints = {{0, 0, 0, 2, 3, 4, 10, 11, 0, 0, 0, 0, 0, 0, 0}};

namespace {
TSkatBidRecord noGameBid{0, 0, 0, 0, 0, 0};
}

TSkatBidRecord* skatBid = &noGameBid;
THand trickCards;
