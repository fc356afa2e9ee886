// The Doppelkopf computer player's answers (66, 84, 88, 89) for the seat to act: the value
// to submit, one of the open decision's options. At 47 a value among the options says the
// announcement offered there; any other value plays a card instead.
#pragma once

#include <cstdint>

int32_t doppelkopfAIAnswer(int32_t kind);
