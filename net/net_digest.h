// A summary of the current game as every machine of a network table sees it, in network
// seat numbers: two machines that played the same game to the same point give the same
// value. Taken at the end of each game for the checks that all machines agree.
#pragma once

#include <cstdint>
#include <string>

// The seats' stacks as card sets, the other stacks in slot order, the seat to act, the list
// values; Skat adds its game record, the cards won and played; Canasta its melds' sides,
// the went-out seat and the pile's state.
uint64_t netStateDigest();
// Sixteen hex digits.
std::string netDigestText(uint64_t digest);
