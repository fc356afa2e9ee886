// The Schafkopf computer player's answers to the bidding's questions (93, 97, 92, 91, 94,
// 44, 63) for the seat to act: the value to submit, one of the open decision's options.
#pragma once

#include <cstdint>

int32_t schafkopfAIAnswer(int32_t kind);
