// The deal from the stock (stack 11) that War and Old Maid share.
#pragma once

#include <cstdint>

// One deal step for `seats` seats, each getting count(seat) cards. With the deal style 1 all
// hands go at once and the step becomes the seat count; otherwise the seat to act becomes
// nextSeat and takes its hand, and the step counts on by one.
void stockDealStep(int32_t seats, int32_t (*count)(int32_t seat), int32_t nextSeat);
