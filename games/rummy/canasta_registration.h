// Canasta's registration with the core: its table of calls for game id 4.
#pragma once

#include <cstdint>

// Registers Canasta's table of calls; the program and the tests call it as they start.
void registerCanastaGame();
// The table's open-hands question: the other seats' hands lie open once a hand has ended.
bool canastaIsSeatHandOpen(int32_t seat);
